#include "buildingcopy.h"

#include "database.h"
#include "directorybackup.h"
#include "engine/databaseengine.h"
#include "pinhash.h"
#include "roomcsv.h"
#include "roomverdict.h"
#include "schema.h"
#include "server.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace buildingcopy {

namespace {

using database::quotedIdentifier;

QString changes()
{
    return schema::kChangeRecordTable;
}

const QStringList kLogColumns{"id",     "started", "finished",  "operator",  "port",
                              "device", "what",    "open_time", "auto_mode", "sent",
                              "total",  "outcome", "reason",    "unit"};
const QStringList kRoomColumns{"Room", "TEL1", "TEL2", "TEL3"};
const QStringList kSentColumns{"transfer", "position", "Room", "TEL1", "TEL2", "TEL3"};
const QStringList kOperatorColumns{"user", "password"};
const QStringList kUnitColumns{"id", "name", "port", "removed"};
// The change record's columns, its key first; transfer names a transfer_log
// id. An entry of an earlier release keeps an import's rooms in rooms.
const QStringList kChangeColumns{"id",       "happened", "operator",     "host",       "os_user",
                                 "what",     "subject",  "old_values",   "new_values", "detail",
                                 "transfer", "rooms",    "change_values"};
// An import's rooms; entry names a change_record id.
const QStringList kChangeRoomColumns = schema::changeRoomColumns();

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
    QStringList columnsOf(const QString& table) const
    {
        return engine::of(db()).tableShape(db(), table).columns;
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

// The rows of table, its columns named as the table spells them (a server
// once made some in lower case); a column the table lacks reads as NULL.
Expected<QList<QVariantList>> readAll(const Connection& from, const QString& table,
                                      const QStringList& columns)
{
    using Result = Expected<QList<QVariantList>>;
    const QStringList found = from.columnsOf(table);
    if (found.isEmpty())
        return QList<QVariantList>();
    QStringList selected;
    for (const QString& column : columns) {
        QString as = QStringLiteral("NULL");
        for (const QString& name : found) {
            if (name.compare(column, Qt::CaseInsensitive) == 0)
                as = quotedIdentifier(name);
        }
        selected << as;
    }
    QString select = QStringLiteral("SELECT %1 FROM %2")
                         .arg(selected.join(QStringLiteral(", ")), quotedIdentifier(table));
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
    // Makes the tables a copy writes beside the rooms, where missing.
    void makeTables()
    {
        const engine::DatabaseEngine& dialect = engine::of(connection.db());
        QStringList statements = schema::transferRecordStatements();
        statements << schema::doorUnitStatements() << schema::changeRecordStatements();
        for (const QString& statement : std::as_const(statements))
            (*this)(dialect.translate(statement));
        if (!connection.columnsOf(QStringLiteral("transfer_log"))
                 .contains(QStringLiteral("unit"), Qt::CaseInsensitive))
            (*this)(schema::addUnitColumn());
        giveChangeValues();
    }
    // A change record an earlier release made gets the column of the values.
    void giveChangeValues()
    {
        if (!connection.columnsOf(changes()).contains(schema::kChangeValuesColumn,
                                                      Qt::CaseInsensitive))
            (*this)(schema::addChangeValuesColumn());
    }
    void insert(const QString& table, const QStringList& columns, const QVariantList& values)
    {
        const QStringList marks(columns.size(), QStringLiteral("?"));
        (*this)(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(table, quotedList(columns), marks.join(QStringLiteral(", "))),
                values);
    }
    // Copies the rooms, the door units (keeping their ids, which the
    // transfers name), the transfer record (renumbering the transfers) and
    // the change record of the rooms.
    void copy(const Contents& contents)
    {
        for (const QVariantList& room : contents.rooms)
            insert(quotedIdentifier(QStringLiteral("Room_tel")), kRoomColumns, room);
        const engine::DatabaseEngine& dialect = engine::of(connection.db());
        for (const QVariantList& unit : contents.units)
            insert(QStringLiteral("door_unit"), kUnitColumns, unit);
        // A server's key counts on from the highest id given.
        if (!contents.units.isEmpty() && dialect.keyByReturning())
            (*this)(QStringLiteral("SELECT setval(pg_get_serial_sequence('door_unit', 'id'), "
                                   "(SELECT max(id) FROM door_unit))"));
        QHash<qint64, qint64> ids;
        const QStringList marks(kLogColumns.size() - 1, QStringLiteral("?"));
        const bool returning = dialect.keyByReturning();
        for (const QVariantList& record : contents.transfers) {
            if (!(*this)(QStringLiteral("INSERT INTO transfer_log (%1) VALUES (%2)%3")
                             .arg(quotedList(kLogColumns.mid(1)), marks.join(QStringLiteral(", ")),
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
            insert(QStringLiteral("transfer_room"), kSentColumns, room);
        }
        const QHash<qint64, qint64> entries = copyChanges(contents.changes, ids);
        for (QVariantList room : contents.changeRooms) {
            room[0] = entries.value(room[0].toLongLong());
            insert(QStringLiteral("change_room"), kChangeRoomColumns, room);
        }
    }
    // Copies entries of the change record, renumbered; returns each one's
    // new id by its old. An entry an earlier release wrote lands as this
    // release writes it: its values as values, its rooms as rows.
    QHash<qint64, qint64> copyChanges(const QList<QVariantList>& changes,
                                      const QHash<qint64, qint64>& ids = {})
    {
        const auto at = [](const char* column) {
            return int(kChangeColumns.indexOf(QLatin1String(column)));
        };
        const bool returning = engine::of(connection.db()).keyByReturning();
        const QStringList columns = kChangeColumns.mid(1);
        const QStringList marks(columns.size(), QStringLiteral("?"));
        QHash<qint64, qint64> entries;
        for (QVariantList change : changes) {
            if (!change[at("transfer")].isNull())
                change[at("transfer")] = ids.value(change[at("transfer")].toLongLong(),
                                                   change[at("transfer")].toLongLong());
            if (change[at("change_values")].isNull()) {
                changerecord::Entry e;
                e.beforeValues = changerecord::valuesFromText(change[at("old_values")].toString());
                e.afterValues = changerecord::valuesFromText(change[at("new_values")].toString());
                change[at("change_values")] = changerecord::valuesJson(e);
            }
            const QByteArray rooms = change[at("rooms")].toString().toUtf8();
            change[at("rooms")] = QVariant();
            if (!(*this)(QStringLiteral("INSERT INTO change_record (%1) VALUES (%2)%3")
                             .arg(quotedList(columns), marks.join(QStringLiteral(", ")),
                                  returning ? QStringLiteral(" RETURNING id") : QString()),
                         change.mid(1)))
                return entries;
            const qint64 id = returning && query.next() ? query.value(0).toLongLong()
                                                        : query.lastInsertId().toLongLong();
            query.finish();
            entries.insert(change[0].toLongLong(), id);
            if (Outcome written = changerecord::writeRooms(connection.db(), id, rooms,
                                                           database::shownName(connection.db()));
                !written && failure.isEmpty())
                failure = written.description();
        }
        return entries;
    }
};

// What a table holds beyond the columns a copy takes: refused, as a
// folder's restore refuses them, rather than lost without a word.
QString beyondCopy(const Connection& from, const QString& table, const QStringList& columns,
                   const QString& path)
{
    QStringList lost;
    for (const QString& column : from.columnsOf(table)) {
        if (!columns.contains(column, Qt::CaseInsensitive) &&
            column.compare(QStringLiteral("id"), Qt::CaseInsensitive) != 0)
            lost << column;
    }
    if (lost.isEmpty())
        return {};
    return QCoreApplication::translate("buildingcopy",
                                       "The table %1 in %2 has the column(s) %3, which a building "
                                       "lacks: their values would be lost.")
        .arg(table, path, lost.join(QStringLiteral(", ")));
}

// The name of the schema that keeps a building's rows a restore replaces:
// the building's name and the time, cut to the 63 bytes the server keeps.
QString keptSchemaName(const QString& building, const QString& stamp)
{
    const QString suffix = QStringLiteral(".before-restore-") + stamp;
    const qsizetype room = 63 - suffix.toUtf8().size();
    QString name = building;
    while (name.toUtf8().size() > room)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name + suffix;
}

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
        if (file == schema::kDirectoryFile)
            run.makeTables();
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
    const QString changes = schema::kChangeRecordTable;
    for (const auto& [from, path, table, columns, into] :
         {std::tuple{&rooms, roomPath, QStringLiteral("Room_tel"), kRoomColumns, &contents.rooms},
          std::tuple{&operators, operatorPath, QStringLiteral("user_pin"), kOperatorColumns,
                     &contents.operators},
          std::tuple{&rooms, roomPath, QStringLiteral("transfer_log"), kLogColumns,
                     &contents.transfers},
          std::tuple{&rooms, roomPath, QStringLiteral("transfer_room"), kSentColumns,
                     &contents.sent},
          std::tuple{&rooms, roomPath, QStringLiteral("door_unit"), kUnitColumns, &contents.units},
          std::tuple{&rooms, roomPath, changes, kChangeColumns, &contents.changes},
          std::tuple{&rooms, roomPath, schema::kChangeRoomTable, kChangeRoomColumns,
                     &contents.changeRooms},
          std::tuple{&operators, operatorPath, changes, kChangeColumns,
                     &contents.operatorChanges}}) {
        if (const QString lost = beyondCopy(*from, table, columns, path); !lost.isEmpty())
            return Expected<Contents>::failure(lost);
        Expected<QList<QVariantList>> read = readAll(*from, table, columns);
        if (!read)
            return read.outcome();
        *into = *read;
    }
    return contents;
}

Outcome checkRooms(const Contents& contents)
{
    QList<roomcsv::CsvRow> rows;
    for (const QVariantList& room : contents.rooms) {
        roomcsv::CsvRow row;
        row.line = int(rows.size()) + 1;
        row.room = {room[0].toString(), room[1].toString(), room[2].toString(), room[3].toString()};
        rows << row;
    }
    const QList<roomverdict::RowVerdict> verdicts = roomverdict::judge(rows, {}, false);
    QStringList refused;
    for (qsizetype i = 0; i < verdicts.size(); ++i) {
        if (verdicts[i].verdict == roomverdict::Verdict::Error)
            //: %1 is a room as stored, %2 why it cannot be written.
            refused << QCoreApplication::translate("buildingcopy", "room \"%1\": %2")
                           .arg(rows[i].room.Room, verdicts[i].reasons.join(QStringLiteral("; ")));
    }
    if (refused.isEmpty())
        return Outcome::success();
    constexpr int kShown = 10;
    QString listed = refused.mid(0, kShown).join(QStringLiteral("\n"));
    if (refused.size() > kShown)
        listed += QStringLiteral("\n") + QCoreApplication::translate("buildingcopy",
                                                                     "and %n more room(s)", nullptr,
                                                                     int(refused.size() - kShown));
    return Outcome::failure(
        QCoreApplication::translate("buildingcopy",
                                    "%n room(s) cannot go into a building, as an import would "
                                    "refuse them; nothing was copied:\n%1",
                                    nullptr, int(refused.size()))
            .arg(listed));
}

Expected<Counts> writeBuilding(const Contents& contents, bool replace,
                               const changerecord::Entry* entry)
{
    if (Outcome sound = checkRooms(contents); !sound)
        return sound;
    const QString roomPath = database::pathIn(server::folder(), schema::kDirectoryFile);
    Connection to(roomPath, database::Access::AsFound);
    if (Outcome opened = to.opened(); !opened)
        return opened;
    Runner run(to);
    const QString operators = quotedIdentifier(server::kOperatorSchema);
    const QString people = operators + QStringLiteral(".user_pin");
    store::Transaction transaction(to.db());
    if (!transaction.active())
        run.failure = to.why(transaction.error());
    run.makeTables();
    for (const QString& statement :
         schema::sentRoomRenames(to.columnsOf(QStringLiteral("transfer_room"))))
        run(statement);
    run(QStringLiteral(
        "LOCK TABLE \"Room_tel\", transfer_log, door_unit, change_record, change_room "
        "IN SHARE ROW EXCLUSIVE MODE"));
    const int held = run.count(QStringLiteral("\"Room_tel\"")) +
                     run.count(QStringLiteral("transfer_log")) +
                     run.count(QStringLiteral("door_unit"));
    if (run.failure.isEmpty() && held != 0 && !replace) {
        return Expected<Counts>::failure(
            //: %1 names the building on the server, as: building "North" on db.example.org
            QCoreApplication::translate(
                "buildingcopy",
                "The %1 already holds rooms, door units or a transfer record, so nothing was "
                "copied: a folder is copied only into a building that holds none of them.")
                .arg(server::describe()));
    }
    Counts counts;
    if (replace && held != 0 && run.failure.isEmpty()) {
        // The rows replaced are kept beside the building, as a folder keeps its file.
        const QString stamp =
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString kept = keptSchemaName(server::place().building, stamp);
        for (int n = 2;
             run.failure.isEmpty() &&
             run(QStringLiteral("SELECT count(*) FROM pg_namespace WHERE nspname = ?"), {kept}) &&
             run.query.next() && run.query.value(0).toInt() > 0;
             ++n)
            kept =
                keptSchemaName(server::place().building, QStringLiteral("%1-%2").arg(stamp).arg(n));
        run.query.finish();
        run(QStringLiteral("CREATE SCHEMA %1").arg(quotedIdentifier(kept)));
        for (const QString& table : {QStringLiteral("Room_tel"), QStringLiteral("transfer_log"),
                                     QStringLiteral("transfer_room"), QStringLiteral("door_unit"),
                                     changes(), schema::kChangeRoomTable})
            run(QStringLiteral("CREATE TABLE %1.%2 AS TABLE %2")
                    .arg(quotedIdentifier(kept), quotedIdentifier(table)));
        counts.kept = kept;
    }
    if (replace) {
        run(QStringLiteral("DELETE FROM transfer_room"));
        run(QStringLiteral("DELETE FROM transfer_log"));
        run(QStringLiteral("DELETE FROM door_unit"));
        run(QStringLiteral("DELETE FROM \"Room_tel\""));
        run(QStringLiteral("DELETE FROM change_room"));
        run(QStringLiteral("DELETE FROM change_record"));
    }
    run.copy(contents);
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
    // The operators' entries join those of the whole server.
    if (!contents.operatorChanges.isEmpty()) {
        run(QStringLiteral("SET LOCAL search_path TO %1").arg(operators));
        for (const QString& statement : schema::changeRecordStatements())
            run(engine::of(to.db()).translate(statement));
        run.giveChangeValues();
        static_cast<void>(run.copyChanges(contents.operatorChanges));
        run(QStringLiteral("SET LOCAL search_path TO %1")
                .arg(quotedIdentifier(server::place().building)));
    }
    if (entry && run.failure.isEmpty()) {
        changerecord::Entry noted = *entry;
        if (!counts.kept.isEmpty())
            noted.detail += QStringLiteral("; the rows before are kept in the schema %1")
                                .arg(quotedIdentifier(counts.kept));
        if (Outcome recorded = changerecord::append(to.db(), noted, roomPath); !recorded)
            run.failure = recorded.description();
    }
    if (run.failure.isEmpty() && !transaction.commit())
        run.failure = to.why(transaction.error());
    if (!run.failure.isEmpty()) {
        return Expected<Counts>::failure(
            QCoreApplication::translate("buildingcopy", "Nothing was copied into the %1: %2")
                .arg(server::describe(), run.failure));
    }
    // Read back, so what is reported is what the server holds.
    counts.rooms = run.count(QStringLiteral("\"Room_tel\""));
    counts.operators = run.count(people);
    counts.transfers = run.count(QStringLiteral("transfer_log"));
    counts.units = run.count(QStringLiteral("door_unit"));
    counts.changes = run.count(changes());
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
        // Only read: ending it as it ends, committed or not, changes nothing.
        const store::Transaction snapshot(
            from.db(), QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
        for (const auto& [table, columns, into] :
             {std::tuple{QStringLiteral("Room_tel"), kRoomColumns, &contents.rooms},
              std::tuple{QStringLiteral("transfer_log"), kLogColumns, &contents.transfers},
              std::tuple{QStringLiteral("transfer_room"), kSentColumns, &contents.sent},
              std::tuple{QStringLiteral("door_unit"), kUnitColumns, &contents.units},
              std::tuple{changes(), kChangeColumns, &contents.changes},
              std::tuple{schema::kChangeRoomTable, kChangeRoomColumns, &contents.changeRooms}}) {
            Expected<QList<QVariantList>> read = readAll(from, table, columns);
            if (!read)
                return read.outcome();
            *into = *read;
        }
    }
    if (Outcome made = makeFolder(folder.path()); !made)
        return made;
    {
        Connection into(database::pathIn(folder.path(), schema::kDirectoryFile),
                        database::Access::AsFound);
        Runner run(into);
        store::Transaction transaction(into.db());
        if (!transaction.active())
            run.failure = into.why(transaction.error());
        run.copy(contents);
        if (run.failure.isEmpty() && !transaction.commit())
            run.failure = into.why(transaction.error());
        if (!run.failure.isEmpty())
            return Outcome::failure(run.failure);
    }
    // The folder's backup, now of the building's rows; it names the server
    // rather than the temporary folder should it fail.
    return directorybackup::backup(folder.path(), file);
}

Expected<QString> restoreBuilding(const QString& file, const changerecord::Actor* who)
{
    if (Outcome sound = directorybackup::verify(file); !sound)
        return sound;
    QTemporaryDir folder;
    if (!folder.isValid())
        return Expected<QString>::failure(QCoreApplication::translate(
            "buildingcopy", "No temporary folder can be made for the restore."));
    if (Outcome unpacked = directorybackup::restore(folder.path(), file); !unpacked)
        return unpacked;
    const Expected<Contents> contents = readFolder(folder.path());
    if (!contents)
        return contents.outcome();
    changerecord::Entry entry;
    if (who) {
        entry.who = *who;
        entry.kind = changerecord::Kind::Restore;
        entry.subject = QFileInfo(file).fileName();
        entry.detail = QStringLiteral("%1 restored from %2").arg(server::describe(), file);
    }
    const Expected<Counts> written = writeBuilding(*contents, true, who ? &entry : nullptr);
    if (!written)
        return written.outcome();
    return written->kept;
}

} // namespace buildingcopy
