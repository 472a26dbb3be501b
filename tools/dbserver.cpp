#include "dbtool.h"

#include "database.h"
#include "dbarguments.h"
#include "dbprompt.h"
#include "engine/databaseengine.h"
#include "pinhash.h"
#include "plural.h"
#include "schema.h"
#include "server.h"
#include "serversetup.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace dbtool {

namespace {

using database::quotedIdentifier;

// A connection for the length of a command; closed when it ends.
class Connection
{
public:
    Connection(const QString& path, database::Access access)
        : m_path(path), m_name(database::uniqueConnectionName(QStringLiteral("quorvane-db-server")))
    {
        m_error = database::connect(path, m_name, access);
    }
    ~Connection() { database::close(m_name); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    bool ok() const { return !m_error.isValid(); }
    QString error() const { return database::plainError(m_error, m_path); }
    QString why(const QSqlError& error) const { return database::plainError(error, m_path); }

private:
    QString m_path;
    QString m_name;
    QSqlError m_error;
};

// Every row of a table, each a list of its columns' values, in key order.
Expected<QList<QVariantList>> readAll(const Connection& from, const QString& table,
                                      const QStringList& columns)
{
    using Result = Expected<QList<QVariantList>>;
    const QSqlDatabase db = from.db();
    QStringList quoted;
    for (const QString& column : columns)
        quoted << quotedIdentifier(column);
    QString select = QStringLiteral("SELECT %1 FROM %2")
                         .arg(quoted.join(QStringLiteral(", ")), quotedIdentifier(table));
    const QStringList key = database::rowKey(db, table);
    if (!key.isEmpty()) {
        QStringList order;
        for (const QString& part : key)
            order << quotedIdentifier(part);
        select += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(select))
        return Result::failure(from.why(query.lastError()));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < columns.size(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

const QStringList kLogColumns{"id",     "started", "finished",  "operator",  "port",
                              "device", "what",    "open_time", "auto_mode", "sent",
                              "total",  "outcome", "reason"};
const QStringList kRoomColumns{"Room", "TEL1", "TEL2", "TEL3"};
const QStringList kSentColumns{"transfer", "position", "Room", "TEL1", "TEL2", "TEL3"};

int count(QSqlDatabase db, const QString& table)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table)) && query.next()
               ? query.value(0).toInt()
               : -1;
}

} // namespace

int initBuilding(const OperatorEntry& given, Console& console)
{
    const Expected<std::optional<int>> operators = serversetup::operatorCount();
    if (!operators) {
        say(console.err, operators.error());
        return kFailure;
    }
    std::optional<databasesetup::Operator> first;
    if (!operators->value_or(0)) {
        first = askOperator(given, {}, console);
        if (!first) {
            say(console.err, QStringLiteral("No operator was given, so nothing was prepared."));
            return kFailure;
        }
    }
    const Expected<serversetup::Prepared> done = serversetup::prepare(first);
    if (!done) {
        say(console.err, done.error());
        return kFailure;
    }
    say(console.out, done->madeBuilding
                         ? QStringLiteral("Prepared the %1 with an empty room directory.")
                               .arg(server::describe())
                         : QStringLiteral("The %1 is already prepared; it was left as it was.")
                               .arg(server::describe()));
    say(console.out,
        QStringLiteral("The operators on %1 are %2%3.")
            .arg(server::place().where(), plural(done->operators, "1 operator", "%1 operators"),
                 first ? QStringLiteral(", the first just added") : QString()));
    if (operators->value_or(0) && (given.name || given.pin)) {
        say(console.err, QStringLiteral("The operator given was not added: the server already has "
                                        "operators. Add one with:\n%1")
                             .arg(database::addOperatorCommand(server::folder())));
        return kFailure;
    }
    return kSuccess;
}

int checkBuilding(Console& console)
{
    int status = kSuccess;
    for (const auto& [file, layout] : {std::pair{schema::kDirectoryFile, schema::directoryTable()},
                                       std::pair{schema::kOperatorFile, schema::operatorTable()}}) {
        const QString path = database::pathIn(server::folder(), file);
        Connection connection(path, database::Access::ReadOnly);
        if (!connection.ok()) {
            say(console.err, QStringLiteral("The %1 cannot be opened: %2")
                                 .arg(server::describe(), connection.error()));
            return kFailure;
        }
        if (Outcome table = database::checkTable(connection.db(), layout, path); !table) {
            say(console.err, table.description());
            status = kFailure;
            continue;
        }
        const int rows = count(connection.db(), quotedIdentifier(layout.table));
        say(console.out,
            file == schema::kDirectoryFile
                ? QStringLiteral("The %1: %2.")
                      .arg(server::describe(), plural(rows, "1 room", "%1 rooms"))
                : QStringLiteral("The operators on %1: %2.")
                      .arg(server::place().where(), plural(rows, "1 operator", "%1 operators")));
        if (rows == 0 && file == schema::kOperatorFile) {
            say(console.err, QStringLiteral("Nobody can log in. Add an operator with:\n%1")
                                 .arg(database::addOperatorCommand(server::folder())));
            status = kFailure;
        }
    }
    return status;
}

int migrate(QStringList arguments, Console& console)
{
    if (const QString refusal = server::useFromCommandLine(arguments); !refusal.isEmpty())
        return usageError(console, refusal);
    if (!server::active())
        return usageError(console, QStringLiteral("migrate copies into a building on a database "
                                                  "server: give --database and --building."));
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--")))
        return usageError(console, QStringLiteral("Name the one data folder to copy."));
    const std::optional<QString> folder = existingDirectory(arguments.first(), console);
    if (!folder)
        return kFailure;

    // Everything is read before the server is touched.
    const QString roomPath = database::pathIn(*folder, schema::kDirectoryFile);
    const QString operatorPath = database::pathIn(*folder, schema::kOperatorFile);
    QList<QVariantList> rooms;
    QList<QVariantList> operators;
    QList<QVariantList> transfers;
    QList<QVariantList> sent;
    {
        for (const QString& path : {roomPath, operatorPath}) {
            if (database::probe(path) != database::FileKind::Sqlite) {
                say(console.err, QStringLiteral("%1 is missing or not a database file, so nothing "
                                                "was copied.")
                                     .arg(path));
                return kFailure;
            }
        }
        Connection roomFile(roomPath, database::Access::ReadOnly);
        Connection operatorFile(operatorPath, database::Access::ReadOnly);
        for (const Connection* c : {&roomFile, &operatorFile}) {
            if (!c->ok()) {
                say(console.err, QStringLiteral("Nothing was copied: %1").arg(c->error()));
                return kFailure;
            }
        }
        const bool hasLog = !engine::of(roomFile.db())
                                 .tableShape(roomFile.db(), QStringLiteral("transfer_log"))
                                 .columns.isEmpty();
        Expected<QList<QVariantList>> read =
            readAll(roomFile, QStringLiteral("Room_tel"), kRoomColumns);
        Expected<QList<QVariantList>> people =
            read ? readAll(operatorFile, QStringLiteral("user_pin"), {"user", "password"}) : read;
        Expected<QList<QVariantList>> log =
            people && hasLog ? readAll(roomFile, QStringLiteral("transfer_log"), kLogColumns)
                             : Expected<QList<QVariantList>>(QList<QVariantList>());
        Expected<QList<QVariantList>> logRooms =
            log && hasLog ? readAll(roomFile, QStringLiteral("transfer_room"), kSentColumns)
                          : Expected<QList<QVariantList>>(QList<QVariantList>());
        for (const auto* e : {&read, &people, &log, &logRooms}) {
            if (!*e) {
                say(console.err, QStringLiteral("Nothing was copied: %1").arg(e->error()));
                return kFailure;
            }
        }
        rooms = *read;
        operators = *people;
        transfers = *log;
        sent = *logRooms;
    }

    if (const Expected<serversetup::Prepared> prepared = serversetup::prepare(std::nullopt);
        !prepared) {
        say(console.err, prepared.error());
        return kFailure;
    }
    const QString target = database::pathIn(server::folder(), schema::kDirectoryFile);
    Connection to(target, database::Access::AsFound);
    if (!to.ok()) {
        say(console.err, QStringLiteral("Nothing was copied: %1").arg(to.error()));
        return kFailure;
    }
    QSqlDatabase db = to.db();
    QSqlQuery query(db);
    QString failure;
    const auto run = [&](const QString& statement, const QVariantList& values = {}) {
        if (!failure.isEmpty())
            return false;
        // Statements without values run as they are: the driver cannot
        // prepare BEGIN, COMMIT or DDL.
        bool done = false;
        if (values.isEmpty()) {
            done = query.exec(statement);
        } else {
            query.prepare(statement);
            for (const QVariant& value : values)
                query.addBindValue(value);
            done = query.exec();
        }
        if (!done)
            failure = to.why(query.lastError());
        return failure.isEmpty();
    };
    const QString people = quotedIdentifier(server::kOperatorSchema) + QStringLiteral(".user_pin");
    run(QStringLiteral("BEGIN"));
    run(QStringLiteral("LOCK TABLE \"Room_tel\", transfer_log IN SHARE ROW EXCLUSIVE MODE"));
    const int held =
        count(db, QStringLiteral("\"Room_tel\"")) + count(db, QStringLiteral("transfer_log"));
    if (failure.isEmpty() && held != 0) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        say(console.err, QStringLiteral("The %1 already holds rooms or a transfer record; migrate "
                                        "fills only a building that holds neither, so nothing was "
                                        "copied.")
                             .arg(server::describe()));
        return kFailure;
    }
    for (const QVariantList& room : rooms)
        run(QStringLiteral("INSERT INTO \"Room_tel\" (\"Room\", \"TEL1\", \"TEL2\", \"TEL3\") "
                           "VALUES (?, ?, ?, ?)"),
            room);
    int added = 0;
    int kept = 0;
    for (const QVariantList& person : operators) {
        // An operator of that name already on the server keeps their PIN.
        run(QStringLiteral("SELECT count(*) FROM %1 WHERE \"user\" IS NOT DISTINCT FROM ?")
                .arg(people),
            {person[0]});
        if (!failure.isEmpty() || !query.next())
            break;
        if (query.value(0).toInt() > 0) {
            ++kept;
            continue;
        }
        run(QStringLiteral("INSERT INTO %1 (\"user\", \"password\") VALUES (?, ?)").arg(people),
            {person[0],
             person[1].isNull() ? QVariant() : QVariant(pinhash::digest(person[1].toString()))});
        ++added;
    }
    QHash<qint64, qint64> ids;
    for (const QVariantList& record : transfers) {
        QStringList marks(kLogColumns.size() - 1, QStringLiteral("?"));
        if (!run(QStringLiteral("INSERT INTO transfer_log (%1) VALUES (%2) RETURNING id")
                     .arg(kLogColumns.mid(1).join(QStringLiteral(", ")),
                          marks.join(QStringLiteral(", "))),
                 record.mid(1)) ||
            !query.next())
            break;
        ids.insert(record[0].toLongLong(), query.value(0).toLongLong());
    }
    for (QVariantList room : sent) {
        room[0] = ids.value(room[0].toLongLong());
        run(QStringLiteral("INSERT INTO transfer_room VALUES (?, ?, ?, ?, ?, ?)"), room);
    }
    run(QStringLiteral("COMMIT"));
    if (!failure.isEmpty()) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        say(console.err,
            QStringLiteral("Nothing was copied into the %1: %2").arg(server::describe(), failure));
        return kFailure;
    }
    say(console.out,
        QStringLiteral("Copied %1 into the %2. Read back: %3, %4 on the server (%5 added, %6 "
                       "already there kept their PINs), %7.")
            .arg(*folder, server::describe(),
                 plural(count(db, QStringLiteral("\"Room_tel\"")), "1 room", "%1 rooms"),
                 plural(count(db, people), "1 operator", "%1 operators"))
            .arg(added)
            .arg(kept)
            .arg(plural(count(db, QStringLiteral("transfer_log")), "1 transfer record",
                        "%1 transfer records")));
    return kSuccess;
}

} // namespace dbtool
