#include "roomimport.h"
#include "roomaddressing.h"

#include "bulkstatement.h"
#include "connection.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "roomcsv.h"
#include "roomrecord.h"
#include "schema.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <array>
#include <memory>

namespace roomimport {

namespace {

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

// What an import writes once every room is met: stored rooms given new
// numbers and, where the engine has a bulk way, the new rooms in one copy.
// The rows pointed at are the import's and the directory's as read, which
// stay where they are until the import ends.
struct Gathered
{
    struct Change
    {
        const QString* key;
        const RoomRecord* old;
        const RoomRecord* now;
    };
    const engine::BulkCopy* bulk = nullptr;
    QList<const RoomRecord*> added;
    QList<Change> changes;

    Outcome write(const QSqlDatabase& db, const Addressing& rows, const store::Database& path) const
    {
        BulkStatement update(db, rows.update);
        for (const Change& c : changes) {
            if (!(rows.byKey ? update.run({c.now->TEL1, c.now->TEL2, c.now->TEL3, *c.key})
                             : update.run({c.now->TEL1, c.now->TEL2, c.now->TEL3, c.old->Room,
                                           c.old->TEL1, c.old->TEL2, c.old->TEL3})))
                return importFailure(
                    QCoreApplication::translate("roomimport", "Room %1 cannot be changed")
                        .arg(c.now->Room),
                    update.error(path));
        }
        if (!bulk || added.isEmpty())
            return Outcome::success();
        auto copy = bulk->open(db, QStringLiteral("Room_tel"), doorunit::fieldNames());
        Outcome sent = copy ? Outcome::success() : copy.outcome();
        for (qsizetype i = 0; sent && i < added.size(); ++i) {
            const RoomRecord& r = *added[i];
            sent = (*copy)->add(std::array<QStringView, 4>{r.Room, r.TEL1, r.TEL2, r.TEL3});
        }
        if (sent)
            sent = (*copy)->finish();
        if (!sent)
            return importFailure(
                QCoreApplication::translate("roomimport", "The rooms cannot be added"),
                sent.description());
        return Outcome::success();
    }
};

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
    // Sends the rooms recorded so far, so that other statements can run.
    void pauseRecord()
    {
        if (rooms && unrecorded)
            unrecorded = rooms->finish();
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
    Gathered gathered{engine::bulkCopyOf(db), {}, {}};
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
            if (gathered.bulk) {
                gathered.added << &r;
            } else if (!insert.add({r.Room, r.TEL1, r.TEL2, r.TEL3}, at)) {
                return notAdded();
            }
            // Replacing, a room the directory held is changed, or left as it
            // was; one it held twice ("0101" and "00101") keeps one row.
            const QList<RoomRecord> was = state.previous.take(doorUnitRoomKey(r.Room));
            if (was.isEmpty()) {
                ++state.counts.added;
                state.recorded('+', nullptr, &r);
            } else if (was.size() == 1 && was.first() == r) {
                ++state.counts.unchanged;
            } else {
                ++state.counts.changed;
                state.recorded('~', &was.first(), &r);
                for (const RoomRecord& twice : was.sliced(1)) {
                    ++state.counts.removed;
                    state.recorded('-', &twice, nullptr);
                }
            }
            continue;
        }
        // Each stored row is counted: a room stored twice ("0101" and
        // "00101") is two rows written.
        for (const auto& [key, old] : *found) {
            if (old.TEL1 == r.TEL1 && old.TEL2 == r.TEL2 && old.TEL3 == r.TEL3) {
                ++state.counts.unchanged;
                continue;
            }
            const RoomRecord now{old.Room, r.TEL1, r.TEL2, r.TEL3};
            state.recorded('~', &old, &now);
            gathered.changes.append({&key, &old, &r});
            ++state.counts.changed;
        }
    }
    if (!insert.flush())
        return notAdded();
    for (const QList<RoomRecord>& gone : std::as_const(state.previous))
        state.counts.removed += int(gone.size());
    // The record's rooms may still be going to a server in a copy of their
    // own, which ends before anything else is asked of it.
    state.pauseRecord();
    return gathered.write(db, rows, path);
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
    state.pauseRecord();
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

} // namespace roomimport
