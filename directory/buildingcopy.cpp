#include "buildingcopy.h"

#include "connection.h"
#include "copyrows.h"
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

using store::Connection;

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
        Connection made(path, QStringLiteral("building-copy"), database::Access::Create);
        if (Outcome opened = made.opened(); !opened)
            return opened;
        Runner run(made);
        run(schema::createStatement(layout, engine::of(made.db())));
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
    Connection rooms(roomPath, QStringLiteral("building-copy"), database::Access::ReadOnly);
    Connection operators(operatorPath, QStringLiteral("building-copy"), database::Access::ReadOnly);
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
        if (Outcome whole = checkColumns(*from, table, columns, path); !whole)
            return whole;
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

namespace {

// The rows a copy replaces are kept beside the building, as a folder keeps its
// file; the name of the schema that keeps them.
QString keepReplaced(Runner& run, const store::Location& building)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = keptSchemaName(building.place().building, stamp);
    for (int n = 2;
         run.failure.isEmpty() &&
         run(QStringLiteral("SELECT count(*) FROM pg_namespace WHERE nspname = ?"), {kept}) &&
         run.query.next() && run.query.value(0).toInt() > 0;
         ++n)
        kept = keptSchemaName(building.place().building, QStringLiteral("%1-%2").arg(stamp).arg(n));
    run.query.finish();
    run(QStringLiteral("CREATE SCHEMA %1").arg(quotedIdentifier(kept)));
    for (const QString& table : {QStringLiteral("Room_tel"), QStringLiteral("transfer_log"),
                                 QStringLiteral("transfer_room"), QStringLiteral("door_unit"),
                                 changes(), schema::kChangeRoomTable})
        run(QStringLiteral("CREATE TABLE %1.%2 AS TABLE %2")
                .arg(quotedIdentifier(kept), quotedIdentifier(table)));
    return kept;
}

// Empties the building's rooms, door units, transfer record and change record.
void emptyBuilding(Runner& run)
{
    run(QStringLiteral("DELETE FROM transfer_room"));
    run(QStringLiteral("DELETE FROM transfer_log"));
    run(QStringLiteral("DELETE FROM door_unit"));
    run(QStringLiteral("DELETE FROM \"Room_tel\""));
    run(QStringLiteral("DELETE FROM change_room"));
    run(QStringLiteral("DELETE FROM change_record"));
}

// Adds the folder's operators to the server's; people names the operators' table.
void copyOperators(Runner& run, const Contents& contents, const QString& people, Counts& counts)
{
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
}

// The operators' entries join those of the whole server.
void copyOperatorChanges(Runner& run, const Connection& to, const Contents& contents,
                         const QString& operators, const store::Location& building)
{
    run(QStringLiteral("SET LOCAL search_path TO %1").arg(operators));
    for (const QString& statement : schema::changeRecordStatements(engine::of(to.db())))
        run(statement);
    run.giveChangeValues();
    static_cast<void>(run.copyChanges(contents.operatorChanges));
    run(QStringLiteral("SET LOCAL search_path TO %1")
            .arg(quotedIdentifier(building.place().building)));
}

} // namespace

Expected<Counts> writeBuilding(const store::Location& building, const Contents& contents,
                               bool replace, const changerecord::Entry* entry)
{
    if (Outcome sound = checkRooms(contents); !sound)
        return sound;
    const store::Database roomPath = building.database(schema::kDirectoryFile);
    Connection to(roomPath, QStringLiteral("building-copy"), database::Access::AsFound);
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
         schema::sentRoomRenames(columnsOf(to, QStringLiteral("transfer_room"))))
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
                .arg(building.describe()));
    }
    Counts counts;
    if (replace && held != 0 && run.failure.isEmpty())
        counts.kept = keepReplaced(run, building);
    if (replace)
        emptyBuilding(run);
    run.copy(contents);
    copyOperators(run, contents, people, counts);
    if (!contents.operatorChanges.isEmpty())
        copyOperatorChanges(run, to, contents, operators, building);
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
                .arg(building.describe(), run.failure));
    }
    // Read back, so what is reported is what the server holds.
    counts.rooms = run.count(QStringLiteral("\"Room_tel\""));
    counts.operators = run.count(people);
    counts.transfers = run.count(QStringLiteral("transfer_log"));
    counts.units = run.count(QStringLiteral("door_unit"));
    counts.changes = run.count(changes());
    return counts;
}

Outcome backupBuilding(const store::Location& building, const QString& file)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        return Outcome::failure(QCoreApplication::translate(
            "buildingcopy", "No temporary folder can be made for the backup."));
    Contents contents;
    {
        Connection from(building.database(schema::kDirectoryFile), QStringLiteral("building-copy"),
                        database::Access::ReadOnly);
        if (Outcome opened = from.opened(); !opened)
            return opened;
        // One snapshot: rooms and record as they stood together.
        const store::Transaction snapshot = store::Transaction::snapshot(from.db());
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
                        QStringLiteral("building-copy"), database::Access::AsFound);
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

Expected<QString> restoreBuilding(const store::Location& building, const QString& file,
                                  const changerecord::Actor* who)
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
        entry.detail = QStringLiteral("%1 restored from %2").arg(building.describe(), file);
    }
    const Expected<Counts> written =
        writeBuilding(building, *contents, true, who ? &entry : nullptr);
    if (!written)
        return written.outcome();
    return written->kept;
}

} // namespace buildingcopy
