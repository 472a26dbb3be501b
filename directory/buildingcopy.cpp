#include "buildingcopy.h"

#include "database.h"
#include "directorybackup.h"
#include "engine/databaseengine.h"
#include "pinhash.h"
#include "schema.h"
#include "server.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace buildingcopy {

namespace {

using database::quotedIdentifier;

const QStringList kLogColumns{"id",     "started", "finished",  "operator",  "port",
                              "device", "what",    "open_time", "auto_mode", "sent",
                              "total",  "outcome", "reason"};
const QStringList kRoomColumns{"Room", "TEL1", "TEL2", "TEL3"};
const QStringList kSentColumns{"transfer", "position", "Room", "TEL1", "TEL2", "TEL3"};
const QStringList kOperatorColumns{"user", "password"};

// A connection for as long as the object lives.
class Connection
{
public:
    Connection(const QString& path, database::Access access)
        : m_path(path), m_name(database::uniqueConnectionName(QStringLiteral("building-copy")))
    {
        m_error = database::connect(path, m_name, access);
    }
    ~Connection() { database::close(m_name); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    Outcome opened() const
    {
        return m_error.isValid() ? Outcome::failure(database::plainError(m_error, m_path))
                                 : Outcome::success();
    }
    QString why(const QSqlError& error) const { return database::plainError(error, m_path); }
    bool has(const QString& table) const
    {
        return !engine::of(db()).tableShape(db(), table).columns.isEmpty();
    }

private:
    QString m_path;
    QString m_name;
    QSqlError m_error;
};

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << quotedIdentifier(name);
    return quoted.join(QStringLiteral(", "));
}

Expected<QList<QVariantList>> readAll(const Connection& from, const QString& table,
                                      const QStringList& columns)
{
    using Result = Expected<QList<QVariantList>>;
    if (!from.has(table))
        return QList<QVariantList>();
    QString select =
        QStringLiteral("SELECT %1 FROM %2").arg(quotedList(columns), quotedIdentifier(table));
    if (const QStringList key = database::rowKey(from.db(), table); !key.isEmpty())
        select += QStringLiteral(" ORDER BY ") + quotedList(key);
    QSqlQuery query(from.db());
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

// Runs statements in order until one fails; remembers why.
struct Runner
{
    explicit Runner(const Connection& c) : connection(c), query(c.db()) {}
    const Connection& connection;
    QSqlQuery query;
    QString failure;

    bool operator()(const QString& statement, const QVariantList& values = {})
    {
        if (!failure.isEmpty())
            return false;
        const bool done = database::execute(query, statement, values);
        if (!done)
            failure = connection.why(query.lastError());
        return done;
    }
    int count(const QString& table)
    {
        return (*this)(QStringLiteral("SELECT count(*) FROM %1").arg(table)) && query.next()
                   ? query.value(0).toInt()
                   : 0;
    }
    // Copies the rooms and the transfer record, renumbering the transfers.
    void copy(const Contents& contents)
    {
        for (const QVariantList& room : contents.rooms)
            (*this)(QStringLiteral("INSERT INTO \"Room_tel\" (%1) VALUES (?, ?, ?, ?)")
                        .arg(quotedList(kRoomColumns)),
                    room);
        QHash<qint64, qint64> ids;
        const QStringList marks(kLogColumns.size() - 1, QStringLiteral("?"));
        const bool returning = engine::of(connection.db()).keyByReturning();
        for (const QVariantList& record : contents.transfers) {
            if (!(*this)(QStringLiteral("INSERT INTO transfer_log (%1) VALUES (%2)%3")
                             .arg(kLogColumns.mid(1).join(QStringLiteral(", ")),
                                  marks.join(QStringLiteral(", ")),
                                  returning ? QStringLiteral(" RETURNING id") : QString()),
                         record.mid(1)))
                return;
            ids.insert(record[0].toLongLong(), returning && query.next()
                                                   ? query.value(0).toLongLong()
                                                   : query.lastInsertId().toLongLong());
            query.finish();
        }
        for (QVariantList room : contents.sent) {
            room[0] = ids.value(room[0].toLongLong());
            (*this)(QStringLiteral("INSERT INTO transfer_room VALUES (?, ?, ?, ?, ?, ?)"), room);
        }
    }
};

// A folder's two database files, made empty in a folder of their own.
Outcome makeFolder(const QString& folder)
{
    for (const auto& [file, layout] : {std::pair{schema::kDirectoryFile, schema::directoryTable()},
                                       std::pair{schema::kOperatorFile, schema::operatorTable()}}) {
        const QString path = database::pathIn(folder, file);
        Connection made(path, database::Access::Create);
        if (Outcome opened = made.opened(); !opened)
            return opened;
        Runner run(made);
        run(schema::createStatement(layout));
        if (file == schema::kDirectoryFile) {
            for (const QString& statement : schema::transferRecordStatements())
                run(statement);
        }
        if (!run.failure.isEmpty())
            return Outcome::failure(run.failure);
    }
    return Outcome::success();
}

} // namespace

Expected<Contents> readFolder(const QString& folder)
{
    const QString roomPath = database::pathIn(folder, schema::kDirectoryFile);
    const QString operatorPath = database::pathIn(folder, schema::kOperatorFile);
    for (const QString& path : {roomPath, operatorPath}) {
        if (database::probe(path) != database::FileKind::Sqlite)
            return Expected<Contents>::failure(
                QCoreApplication::translate("buildingcopy", "%1 is missing or not a database file.")
                    .arg(path));
    }
    Connection rooms(roomPath, database::Access::ReadOnly);
    Connection operators(operatorPath, database::Access::ReadOnly);
    for (const Connection* c : {&rooms, &operators}) {
        if (Outcome opened = c->opened(); !opened)
            return opened;
    }
    Contents contents;
    for (const auto& [from, table, columns, into] :
         {std::tuple{&rooms, QStringLiteral("Room_tel"), kRoomColumns, &contents.rooms},
          std::tuple{&operators, QStringLiteral("user_pin"), kOperatorColumns, &contents.operators},
          std::tuple{&rooms, QStringLiteral("transfer_log"), kLogColumns, &contents.transfers},
          std::tuple{&rooms, QStringLiteral("transfer_room"), kSentColumns, &contents.sent}}) {
        Expected<QList<QVariantList>> read = readAll(*from, table, columns);
        if (!read)
            return read.outcome();
        *into = *read;
    }
    return contents;
}

Expected<Counts> writeBuilding(const Contents& contents, bool replace,
                               const changerecord::Entry* entry)
{
    Connection to(database::pathIn(server::folder(), schema::kDirectoryFile),
                  database::Access::AsFound);
    if (Outcome opened = to.opened(); !opened)
        return opened;
    Runner run(to);
    const QString people = quotedIdentifier(server::kOperatorSchema) + QStringLiteral(".user_pin");
    run(QStringLiteral("BEGIN"));
    run(QStringLiteral("LOCK TABLE \"Room_tel\", transfer_log IN SHARE ROW EXCLUSIVE MODE"));
    const int held =
        run.count(QStringLiteral("\"Room_tel\"")) + run.count(QStringLiteral("transfer_log"));
    if (run.failure.isEmpty() && held != 0 && !replace) {
        QSqlQuery(to.db()).exec(QStringLiteral("ROLLBACK"));
        return Expected<Counts>::failure(
            //: %1 names the building on the server, as: building "North" on db.example.org
            QCoreApplication::translate(
                "buildingcopy",
                "The %1 already holds rooms or a transfer record, so nothing was "
                "copied: a folder is copied only into a building that holds neither.")
                .arg(server::describe()));
    }
    if (replace) {
        run(QStringLiteral("DELETE FROM transfer_room"));
        run(QStringLiteral("DELETE FROM transfer_log"));
        run(QStringLiteral("DELETE FROM \"Room_tel\""));
    }
    run.copy(contents);
    Counts counts;
    for (const QVariantList& person : contents.operators) {
        // An operator of that name already on the server keeps their PIN.
        if (!run(QStringLiteral("SELECT count(*) FROM %1 WHERE \"user\" IS NOT DISTINCT FROM ?")
                     .arg(people),
                 {person[0]}) ||
            !run.query.next())
            break;
        if (run.query.value(0).toInt() > 0) {
            ++counts.operatorsKept;
            continue;
        }
        const QString pin = person[1].toString();
        run(QStringLiteral("INSERT INTO %1 (\"user\", \"password\") VALUES (?, ?)").arg(people),
            {person[0], person[1].isNull()       ? QVariant()
                        : pinhash::isDigest(pin) ? QVariant(pin)
                                                 : QVariant(pinhash::digest(pin))});
        ++counts.operatorsAdded;
    }
    if (entry && run.failure.isEmpty()) {
        if (Outcome recorded = changerecord::append(
                to.db(), *entry, database::pathIn(server::folder(), schema::kDirectoryFile));
            !recorded)
            run.failure = recorded.description();
    }
    run(QStringLiteral("COMMIT"));
    if (!run.failure.isEmpty()) {
        QSqlQuery(to.db()).exec(QStringLiteral("ROLLBACK"));
        return Expected<Counts>::failure(
            QCoreApplication::translate("buildingcopy", "Nothing was copied into the %1: %2")
                .arg(server::describe(), run.failure));
    }
    // Read back, so what is reported is what the server holds.
    counts.rooms = run.count(QStringLiteral("\"Room_tel\""));
    counts.operators = run.count(people);
    counts.transfers = run.count(QStringLiteral("transfer_log"));
    return counts;
}

Outcome backupBuilding(const QString& file)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return Outcome::failure(QCoreApplication::translate(
            "buildingcopy", "No temporary folder can be made for the backup."));
    Contents contents;
    {
        Connection from(database::pathIn(server::folder(), schema::kDirectoryFile),
                        database::Access::ReadOnly);
        if (Outcome opened = from.opened(); !opened)
            return opened;
        // One snapshot: rooms and record as they stood together.
        QSqlQuery(from.db()).exec(
            QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
        for (const auto& [table, columns, into] :
             {std::tuple{QStringLiteral("Room_tel"), kRoomColumns, &contents.rooms},
              std::tuple{QStringLiteral("transfer_log"), kLogColumns, &contents.transfers},
              std::tuple{QStringLiteral("transfer_room"), kSentColumns, &contents.sent}}) {
            Expected<QList<QVariantList>> read = readAll(from, table, columns);
            if (!read)
                return read.outcome();
            *into = *read;
        }
        QSqlQuery(from.db()).exec(QStringLiteral("COMMIT"));
    }
    if (Outcome made = makeFolder(folder.path()); !made)
        return made;
    {
        Connection into(database::pathIn(folder.path(), schema::kDirectoryFile),
                        database::Access::AsFound);
        Runner run(into);
        run(QStringLiteral("BEGIN"));
        run.copy(contents);
        run(QStringLiteral("COMMIT"));
        if (!run.failure.isEmpty())
            return Outcome::failure(run.failure);
    }
    // The folder's backup, now of the building's rows; it names the server
    // rather than the temporary folder should it fail.
    return directorybackup::backup(folder.path(), file);
}

Outcome restoreBuilding(const QString& file, const changerecord::Actor* who)
{
    if (Outcome sound = directorybackup::verify(file); !sound)
        return sound;
    QTemporaryDir folder;
    if (!folder.isValid())
        return Outcome::failure(QCoreApplication::translate(
            "buildingcopy", "No temporary folder can be made for the restore."));
    if (Outcome unpacked = directorybackup::restore(folder.path(), file); !unpacked)
        return unpacked;
    const Expected<Contents> contents = readFolder(folder.path());
    if (!contents)
        return contents.outcome();
    changerecord::Entry entry;
    if (who) {
        entry.who = *who;
        entry.what = changerecord::kRestore;
        entry.subject = QFileInfo(file).fileName();
        entry.detail = QStringLiteral("%1 restored from %2").arg(server::describe(), file);
    }
    const Expected<Counts> written = writeBuilding(*contents, true, who ? &entry : nullptr);
    return written ? Outcome::success() : written.outcome();
}

} // namespace buildingcopy
