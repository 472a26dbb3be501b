#pragma once

#include "connection.h"
#include "doorunits.h"
#include "location.h"
#include "outcome.h"
#include "roomrecord.h"
#include "timetext.h"
#include "transferrecord.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

// Where the link's transfers are recorded, and for whom; an empty path
// records nothing.
struct TransferTarget
{
    store::Database databasePath;
    QString operatorName;
    // Called once a transfer's record is written (or failed to be).
    std::function<void()> recorded = {};
    // The door unit the transfers go to.
    qint64 unit = doorunits::kFirstUnit;
};

// The transfer history in the room database file: transfer_log holds one
// row a transfer, transfer_room a download's rooms as sent. The tables are
// made by the first write, so an older file gains them and keeps its rooms;
// reading never writes, and a file without them has nothing sent yet.
//
// Each log has a connection of its own with short busy waits: a file held by
// another program makes a write fail quickly rather than hold up a transfer.
class TransferLog
{
public:
    static constexpr int kBusyTimeoutMs = 250;

    explicit TransferLog(store::Database path);
    ~TransferLog();
    Q_DISABLE_COPY_MOVE(TransferLog)

    // Opens the file (never creating it); for writing, makes the tables when missing.
    enum class Use { Read, Write };
    Outcome open(Use use = Use::Write);
    const store::Database& path() const { return m_path; }
    // What a message about a damaged record advises; by default the check command.
    void setDamageAdvice(const QString& advice) { m_advice = advice; }

    // Whether transfers to this file can be recorded at all: a failure when it
    // is missing, not a database, or may not be written.
    static Outcome checkRecordable(const store::Database& path);

    // Writes a record as started (Unfinished) before the first byte; sets its id.
    Outcome start(TransferRecord& record);
    // Writes how a started record ended. A record whose start could not be
    // written is written whole.
    Outcome finish(TransferRecord& record);
    // Writes a record that ended before anything was sent.
    Outcome refused(TransferRecord& record);
    // Rooms that went out otherwise than the start recorded them.
    Outcome correctRooms(qint64 id, const std::vector<std::pair<int, RoomRecord>>& rooms);

    // Newest first; limit 0 reads all, unit 0 every unit's. Rooms are not read.
    Expected<QList<TransferRecord>> history(int limit = 0, qint64 unit = 0);
    // The last complete download with its rooms, and the last record after
    // it that may have changed what the door unit holds.
    struct Latest
    {
        std::optional<TransferRecord> download; // complete, with rooms
        std::optional<TransferRecord> after;    // a later download not complete, or Load Default
    };
    // How much of the download's rooms latest() reads: all of them; only
    // whether the record holds every room it counts (eachRoom reads them);
    // or nothing, for telling whether the records moved once the rooms of
    // the download, which never change, were checked.
    enum class Rooms { Read, Checked, Trusted };
    // Of one door unit: a record made before there were several units is the first unit's.
    Expected<Latest> latest(Rooms rooms = Rooms::Read, qint64 unit = doorunits::kFirstUnit);
    Expected<QList<RoomRecord>> rooms(qint64 id);
    // A download's rooms one at a time, in the order they went out.
    Outcome eachRoom(qint64 id, const std::function<void(const RoomRecord&)>& room);

    // "2026-12-01T14:02:00.000Z"

private:
    // The open connection's database; none before open().
    QSqlDatabase db() const;
    Outcome insert(TransferRecord& record, bool withRooms);
    // Whether the tables are there: a failure when they cannot be read, and
    // false when neither is (nothing was ever recorded).
    Expected<bool> tablesPresent();
    // A record as read, or why the rows cannot be one that was written.
    Expected<TransferRecord> checkedRecord(const QSqlQuery& q, Rooms rooms = Rooms::Checked);
    QString damaged(const QString& what) const;
    // The columns a record is read from; the unit last.
    QString columns() const;
    // The unit a row is for, as an expression; the units the file lists, as
    // a list of numbers.
    QString unitColumn() const;
    QString knownUnits() const;
    // Binds the unit (0 for all) to the filter unitFilter() names.
    QString unitFilter() const;
    static void bindUnit(QSqlQuery& q, qint64 unit);

    store::Database m_path;
    // Opened by open(), and again after a server went away.
    std::unique_ptr<store::Connection> m_connection;
    QString m_error;
    bool m_writable = false;
    // Whether the record has the unit column yet (a file recorded by one unit may not).
    bool m_hasUnit = false;
    // The rooms' columns of transfer_room, quoted as the table spells them.
    QStringList m_sentColumns;
    // The units a record may name, read with the tables.
    QSet<qint64> m_units;
    QString m_advice;
};
