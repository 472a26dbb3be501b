#include "roomimport.h"

#include "bulkstatement.h"
#include "connection.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "roomcsv.h"
#include "roomrecord.h"
#include "schema.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>

namespace roomimport {

namespace {

// Whether the room file opened for a read or a change has its table.
Outcome roomTable(const store::Connection& connection)
{
    if (!connection.opened())
        return connection.opened();
    return database::checkTable(connection.db(), schema::directoryTable(), connection.path());
}

// why, a sentence without its first capital, and then the next sentence: a
// command that ends why stays on its own line.
QString followedBy(const QString& why, const QString& next)
{
    if (why.endsWith(QLatin1Char('.')))
        return why + QLatin1Char(' ') + next;
    if (why.contains(QLatin1Char('\n')))
        return why + QLatin1Char('\n') + next;
    return why + QStringLiteral(". ") + next;
}

// A row is found again by its key when it has a single one (its rowid, or
// the key of a table made WITHOUT ROWID), otherwise by the values it was
// read with; rows are read in the order of the key.
struct Addressing
{
    QString select;
    QString update;
    bool byKey = false;
};

Addressing addressing(const QSqlDatabase& db)
{
    const QStringList key = database::rowKey(db, QStringLiteral("Room_tel"));
    QStringList order;
    for (const QString& column : key)
        order << database::quotedIdentifier(column);
    Addressing a;
    a.byKey = key.size() == 1;
    a.select = QStringLiteral("SELECT %1, \"Room\", \"TEL1\", \"TEL2\", \"TEL3\" FROM \"Room_tel\"")
                   .arg(a.byKey ? order.first() : QStringLiteral("NULL"));
    if (!order.isEmpty())
        a.select += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    a.update =
        QStringLiteral("UPDATE \"Room_tel\" SET \"TEL1\" = ?, \"TEL2\" = ?, \"TEL3\" = ? WHERE ") +
        (a.byKey ? order.first() + QStringLiteral(" = ?")
                 : QStringLiteral("coalesce(\"Room\", '') = ? AND coalesce(\"TEL1\", '') = ? AND "
                                  "coalesce(\"TEL2\", '') = ? AND coalesce(\"TEL3\", '') = ?"));
    return a;
}

} // namespace

Outcome readDirectory(const store::Database& path, QList<RoomRecord>& rooms)
{
    rooms.clear();
    const store::Connection connection(path, QStringLiteral("roomimport"),
                                       database::Access::ReadWrite);
    if (Outcome ready = roomTable(connection); !ready)
        return ready;
    BulkStatement select(connection.db(), addressing(connection.db()).select);
    if (select.run()) {
        while (select.next())
            rooms << select.record(1);
    }
    if (select.failed())
        return Outcome::failure(
            QCoreApplication::translate("roomimport", "The room directory in %1 cannot be read: %2")
                .arg(path.describe(), select.error(path)));
    return Outcome::success();
}

namespace {

// New rooms, added together at the end where the engine has a bulk way.
struct Batch
{
    explicit Batch(const QSqlDatabase& db) : db(db) {}
    QSqlDatabase db;
    QList<QStringList> rows;

    bool add(const RoomRecord& r)
    {
        rows << QStringList{r.Room, r.TEL1, r.TEL2, r.TEL3};
        return true;
    }
    // Nothing when the engine has no bulk way: the rooms were then inserted one by one.
    std::optional<Outcome> flush()
    {
        const engine::BulkCopy* copy = engine::bulkCopyOf(db);
        if (!copy)
            return std::nullopt;
        return copy->copyIn(db, QStringLiteral("Room_tel"), doorunit::fieldNames(), rows);
    }
};

// Why an import stopped; nothing of it is kept.
Outcome importFailure(const QString& what, const QString& why)
{
    //: %1 says what could not be done, %2 why
    return Outcome::failure(
        QCoreApplication::translate("roomimport", "%1: %2")
            .arg(what,
                 followedBy(why, QCoreApplication::translate(
                                     "roomimport",
                                     "Nothing was written; the room directory is as it was."))));
}

// What one import has found and done so far.
struct ImportState
{
    bool replace = false;
    // The import's one entry keeps every room it changed, each written as
    // it is met; the first that could not be is kept for the end.
    bool record = false;
    qint64 entry = 0;
    std::unique_ptr<changerecord::RoomRows> rooms;
    Outcome unrecorded = Outcome::success();
    Written counts;
    QHash<QString, QList<QPair<QString, RoomRecord>>> stored;
    // Replacing: the rooms as they were, for the record.
    QHash<QString, QList<RoomRecord>> previous;

    void recorded(char kind, const RoomRecord* before, const RoomRecord* after)
    {
        if (rooms && unrecorded)
            unrecorded = rooms->add(kind, before, after);
    }
};

// Reads the stored rooms; replacing, empties the directory after.
Outcome takeStored(const QSqlDatabase& db, const Addressing& rows, const store::Database& path,
                   ImportState& state)
{
    {
        BulkStatement select(db, rows.select);
        if (select.run()) {
            while (select.next()) {
                if (state.replace) {
                    ++state.counts.removed;
                    if (state.record)
                        state.previous[doorUnitRoomKey(select.text(1))] << select.record(1);
                } else {
                    state.stored[doorUnitRoomKey(select.text(1))]
                        << qMakePair(select.text(0), select.record(1));
                }
            }
        }
        if (select.failed())
            return importFailure(
                QCoreApplication::translate("roomimport", "The room directory cannot be read"),
                select.error(path));
    }
    if (state.replace) {
        BulkStatement empty(db, QStringLiteral("DELETE FROM \"Room_tel\""));
        if (!empty.run())
            return importFailure(
                QCoreApplication::translate("roomimport", "The room directory cannot be emptied"),
                empty.error(path));
    }
    return Outcome::success();
}

// Writes each room: new ones added, stored ones given the new numbers.
template <typename Item, typename RoomOf>
Outcome writeEach(const QSqlDatabase& db, const Addressing& rows, const store::Database& path,
                  const QList<Item>& rooms, const RoomOf& roomOf, ImportState& state,
                  roomcsv::RowsSoFar* soFar)
{
    BatchedInsert insert(db, QStringLiteral("Room_tel"), doorunit::fieldNames());
    const auto notAdded = [&] {
        const qint64 at = insert.failedTag();
        return importFailure(
            at >= 0 ? QCoreApplication::translate("roomimport", "Room %1 cannot be added")
                          .arg(roomOf(rooms.constData()[at]).Room)
                    : QCoreApplication::translate("roomimport", "The rooms cannot be added"),
            insert.error(path));
    };
    // A server is a round trip away: new rooms go to it in one COPY.
    Batch batch(db);
    const bool bulk = engine::bulkCopyOf(db) != nullptr;
    BulkStatement update(db, rows.update);
    // Rows still being read are taken as they come; the list is only read
    // up to the rows counted, since the rest are being made.
    qsizetype read = soFar ? 0 : rooms.size();
    for (qsizetype at = 0;; ++at) {
        if (at == read && (!soFar || (read = soFar->waitBeyond(read)) <= at))
            break;
        const RoomRecord& r = roomOf(rooms.constData()[at]);
        // The door unit takes "101" and a stored "0101" as one room, so the
        // stored row is the one given the numbers.
        const auto found = state.stored.constFind(doorUnitRoomKey(r.Room));
        if (found == state.stored.cend()) {
            if (bulk) {
                batch.add(r);
            } else if (!insert.add({r.Room, r.TEL1, r.TEL2, r.TEL3}, at)) {
                return notAdded();
            }
            ++state.counts.added;
            if (!state.record)
                continue;
            // Replacing, a room the directory held is changed, or left as it was.
            const QList<RoomRecord> was = state.previous.take(doorUnitRoomKey(r.Room));
            const bool same = was.size() == 1 && was.first() == r;
            if (!same)
                state.recorded(was.isEmpty() ? '+' : '~', was.isEmpty() ? nullptr : &was.first(),
                               &r);
            continue;
        }
        // Each stored row is counted: a room stored twice ("0101" and
        // "00101") is two rows written.
        for (const auto& [key, old] : *found) {
            if (old.TEL1 == r.TEL1 && old.TEL2 == r.TEL2 && old.TEL3 == r.TEL3) {
                ++state.counts.unchanged;
                continue;
            }
            if (!(rows.byKey ? update.run({r.TEL1, r.TEL2, r.TEL3, key})
                             : update.run({r.TEL1, r.TEL2, r.TEL3, old.Room, old.TEL1, old.TEL2,
                                           old.TEL3})))
                return importFailure(
                    QCoreApplication::translate("roomimport", "Room %1 cannot be changed")
                        .arg(r.Room),
                    update.error(path));
            const RoomRecord now{old.Room, r.TEL1, r.TEL2, r.TEL3};
            state.recorded('~', &old, &now);
            ++state.counts.changed;
        }
    }
    if (!insert.flush())
        return notAdded();
    if (bulk) {
        const std::optional<Outcome> added = batch.flush();
        if (!added || !*added)
            return importFailure(
                QCoreApplication::translate("roomimport", "The rooms cannot be added"),
                added ? added->description()
                      : QCoreApplication::translate(
                            "roomimport", "the database driver cannot add them together"));
    }
    return Outcome::success();
}

// The import's entry in the change record, before its rooms.
Outcome startRecord(const QSqlDatabase& db, const store::Database& path,
                    const changerecord::Actor& who, ImportState& state)
{
    changerecord::Entry entry;
    entry.who = who;
    entry.kind = changerecord::Kind::Import;
    const Expected<qint64> id = changerecord::appendEntry(db, entry, path);
    if (!id)
        return importFailure(
            QCoreApplication::translate("roomimport", "The import cannot be recorded"), id.error());
    state.entry = *id;
    state.rooms = std::make_unique<changerecord::RoomRows>(db, *id, path);
    return Outcome::success();
}

// The rooms the import removed, and its counts, in its entry.
Outcome finishRecord(const QSqlDatabase& db, const store::Database& path, ImportState& state)
{
    for (const QList<RoomRecord>& gone : std::as_const(state.previous)) {
        for (const RoomRecord& room : gone)
            state.recorded('-', &room, nullptr);
    }
    if (state.rooms && state.unrecorded)
        state.unrecorded = state.rooms->finish();
    QString counted = QStringLiteral("%1 added, %2 changed, %3 unchanged")
                          .arg(state.counts.added)
                          .arg(state.counts.changed)
                          .arg(state.counts.unchanged);
    if (state.replace)
        counted +=
            QStringLiteral(", %1 removed (the whole directory replaced)").arg(state.counts.removed);
    Outcome done = state.unrecorded ? changerecord::setDetail(db, state.entry, counted, path)
                                    : state.unrecorded;
    if (!done)
        return importFailure(
            QCoreApplication::translate("roomimport", "The import cannot be recorded"),
            done.description());
    return Outcome::success();
}

// How long an import written beside its judging waits for a lock.
constexpr int kBesideWaitMs = 200;

// write, for rooms of any list: roomOf gives an item's room.
template <typename Item, typename RoomOf>
Outcome writeRooms(const store::Database& path, const QList<Item>& rooms, const RoomOf& roomOf,
                   bool replace, Written* written, const changerecord::Actor* who,
                   const std::function<bool()>& keep = {}, roomcsv::RowsSoFar* soFar = nullptr)
{
    const store::Connection connection(path, QStringLiteral("roomimport"),
                                       database::Access::ReadWrite);
    if (Outcome ready = roomTable(connection); !ready)
        return ready;
    const QSqlDatabase db = connection.db();
    // Written beside its judging, an import does not wait long for a lock
    // another program holds: it fails, and is written again once judged.
    if (keep) {
        QSqlQuery shortWait(db);
        if (!shortWait.exec(engine::of(db).waitAtMost(kBesideWaitMs)))
            return importFailure(
                QCoreApplication::translate("roomimport", "The room directory cannot be written"),
                database::plainError(shortWait.lastError(), path));
    }
    // The write lock is taken before anything is read, so the rows compared
    // below are the rows the writes meet.
    store::Transaction transaction(db, engine::of(db).beginWrite(QStringLiteral("Room_tel")));
    if (!transaction.active())
        return Outcome::failure(
            QCoreApplication::translate("roomimport",
                                        "The room directory in %1 cannot be written now: %2")
                .arg(path.describe(), followedBy(database::plainError(transaction.error(), path),
                                                 QCoreApplication::translate(
                                                     "roomimport", "Nothing was written."))));

    ImportState state;
    state.replace = replace;
    state.record = who != nullptr;
    if (state.record) {
        if (Outcome started = startRecord(db, path, *who, state); !started)
            return started;
    }

    const Addressing rows = addressing(db);
    if (Outcome taken = takeStored(db, rows, path, state); !taken)
        return taken;
    if (Outcome each = writeEach(db, rows, path, rooms, roomOf, state, soFar); !each)
        return each;
    // A file not read whole is not written; the transaction rolls back.
    if (soFar && !soFar->whole())
        return Outcome::success();
    if (state.record) {
        if (Outcome recordedImport = finishRecord(db, path, state); !recordedImport)
            return recordedImport;
    }
    // Not kept, the transaction rolls everything back as it closes.
    if (keep && !keep())
        return Outcome::success();
    if (!transaction.commit())
        return importFailure(
            QCoreApplication::translate("roomimport", "The room directory cannot be written"),
            database::plainError(transaction.error(), path));
    if (written)
        *written = state.counts;
    return Outcome::success();
}

} // namespace

Outcome write(const store::Database& path, const QList<RoomRecord>& rooms, bool replace,
              Written* written, const changerecord::Actor* who)
{
    return writeRooms(
        path, rooms, [](const RoomRecord& r) -> const RoomRecord& { return r; }, replace, written,
        who);
}

Outcome write(const store::Database& path, const QList<roomcsv::CsvRow>& rows, bool replace,
              Written* written, const changerecord::Actor* who, const std::function<bool()>& keep,
              roomcsv::RowsSoFar* soFar)
{
    return writeRooms(
        path, rows, [](const roomcsv::CsvRow& row) -> const RoomRecord& { return row.room; },
        replace, written, who, keep, soFar);
}

Outcome exportCsv(const store::Database& path, QByteArray& csv)
{
    // Each room goes to the text as it is read, so the directory is never
    // held twice.
    const store::Connection connection(path, QStringLiteral("roomimport"),
                                       database::Access::ReadWrite);
    if (Outcome ready = roomTable(connection); !ready)
        return ready;
    QByteArray text = roomcsv::header();
    // The file takes about as much as the database; more grows as needed.
    text.reserve(QFileInfo(path.path()).size());
    const QString sql = addressing(connection.db()).select;
    // Straight from SQLite when the driver shares the library: the values
    // go to the file as the UTF-8 they are stored in.
    if (const auto select = engine::prepare(connection.db(), sql)) {
        engine::Statement::Step step;
        while ((step = select->step()) == engine::Statement::Step::Row)
            roomcsv::appendRow(
                text, {select->bytes(1), select->bytes(2), select->bytes(3), select->bytes(4)});
        if (step != engine::Statement::Step::Done) {
            const auto [code, words] = select->error();
            return Outcome::failure(
                QCoreApplication::translate("roomimport",
                                            "The room directory in %1 cannot be read: %2")
                    .arg(path.describe(), database::plainError(code, words, path.path())));
        }
        csv = std::move(text);
        return Outcome::success();
    }
    BulkStatement select(connection.db(), sql);
    if (select.run()) {
        while (select.next())
            roomcsv::appendRow(text, select.record(1));
    }
    if (select.failed())
        return Outcome::failure(
            QCoreApplication::translate("roomimport", "The room directory in %1 cannot be read: %2")
                .arg(path.describe(), select.error(path)));
    csv = std::move(text);
    return Outcome::success();
}

Outcome exportTo(const store::Database& path, const QString& target, outputfile::Reader reader)
{
    if (Outcome usable = path.checkOutput(target); !usable)
        return usable;
    QByteArray csv;
    if (Outcome read = exportCsv(path, csv); !read)
        return read;
    return outputfile::write(target, csv, reader);
}

} // namespace roomimport
