#pragma once

#include "changerecord.h"
#include "doorunits.h"
#include "doorunitstate.h"
#include "transferlog.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

class QFileSystemWatcher;
class QTimer;
class RecordCursor;

// What the door unit holds against the directory, kept current for the status
// bar's panel and the directory window's marks. The last complete download is
// read once and kept until the record changes, whoever wrote it; the directory
// is taken from the window's cursor while the window is open (as the file
// holds it: a value typed and not written is no change), otherwise read from
// the file.
class DoorUnitWatch : public QObject
{
    Q_OBJECT

public:
    explicit DoorUnitWatch(store::Database databasePath, QObject* parent = nullptr);

    // After a transfer or a restore: the history is read again, then compared.
    void reload();
    // The directory window's cursor while it is open, null once it closes.
    // No row is marked until compareWatched: the window shows its rows
    // first, then asks for the marks.
    void watch(RecordCursor* cursor);
    // Looks at the record again (it may have moved) and compares the
    // watched cursor's rows.
    void compareWatched();
    // Compares again (reading the history first if it was never read).
    void update();
    // The file changed, or the operator looks again: the history is read
    // again if another program or copy recorded a transfer since.
    void recheck();

    // Who looks: a room the file holds otherwise than the door unit was
    // sent, with no entry of the change record to explain it, is recorded
    // once as changed outside Quorvane in their name.
    void recordAs(const changerecord::Actor& who);

    // The unit whose changes the rows are marked with (the first by default).
    void setUnit(qint64 unit);
    qint64 unit() const { return m_unit; }
    // The building's door units as last read.
    const QList<DoorUnit>& units() const { return m_units; }

    const DoorUnitState& state() const { return m_state; }
    const DirectoryChanges& changes() const { return m_changes; }
    // "Door unit: up to date" ("Door units: 2 of 3 up to date" for several),
    // or why the history cannot be read.
    QString text() const;
    // The removed rooms, or the history's read error.
    QString toolTip() const;
    // How a row of the watched cursor differs: "not yet on the door unit", ...
    QString rowNote(int row) const;
    // Pairs of rows the door unit takes for one room (their rooms padded alike).
    int sameRoomPairs() const { return m_samePairs; }

signals:
    void changed();

private:
    bool readLatest();
    // What the keeper said it sends next, if one runs for the file.
    void readKeeperPlan();
    // True when the record holds other transfers than those read (or was never
    // read), or the units changed.
    bool recordMoved();
    // What decides a unit's state, to tell when it moved.
    static void addPrint(QList<qint64>& print, const DoorUnit& unit,
                         const TransferLog::Latest& latest);
    // Each unit's state in list order, with its name.
    QList<std::pair<DoorUnit, DoorUnitState>> unitStates() const;
    void watchFile();
    // The rooms of the file (at rowOf) that differ from the download and were
    // not looked up yet: another program's are recorded.
    void noticeOutside(RecordCursor& file, const std::vector<int>& rowOf);
    void findSameRooms(const RecordCursor& rooms, const std::vector<int>& rowOf);
    // Drops the marks of the rows (until the next comparison).
    void forgetMarks();
    QString sameRoomNote(int row) const;
    // After a write or an edit of one row.
    void updateRow(int row);
    // A cursor row's room as the door unit stores it.
    QString keyOf(int row) const;
    static void readRoom(const RecordCursor& cursor, int row, SentRooms::Room& room,
                         std::array<QString, 4>& scratch);

    // The other units than the one marked, compared with the same rooms.
    struct Other
    {
        DoorUnit unit;
        TransferLog::Latest latest;
        SentRooms sent;
        DoorUnitState state;
    };

    store::Database m_path;
    QPointer<RecordCursor> m_cursor;
    qint64 m_unit = doorunits::kFirstUnit;
    QList<DoorUnit> m_units;
    std::vector<Other> m_others;
    QList<qint64> m_fingerprint;
    bool m_latestRead = false;
    TransferLog::Latest m_latest;
    SentRooms m_sent;      // the last complete download's rooms, indexed
    QString m_error;       // of the history, kept until it is read again
    QString m_problem;     // what the panel reports: that, or the directory's
    QString m_notRecorded; // why transfers to the file cannot be recorded
    DirectoryChanges m_changes;
    DoorUnitState m_state;
    // One mark a cursor row (Same for rows that are not compared).
    std::vector<quint8> m_rowMarks;
    // Each cursor row's room among those compared, -1 for rows left out.
    std::vector<int> m_comparedOf;
    // The hash of each compared room's key on the door unit, kept for the
    // watched cursor: a write that changes it regroups the rows.
    std::vector<size_t> m_keyHashes;
    // The groups of cursor rows that share a room on the door unit, and each
    // cursor row's group (-1 for none).
    std::vector<std::vector<int>> m_sameGroups;
    std::vector<int> m_sameOf;
    int m_samePairs = 0;
    std::shared_ptr<const changerecord::RowRecorder> m_recorder;
    // The differences already looked up since the download was read, as
    // their kind and values: each costs a query once, not at every look.
    QSet<QString> m_noticed;
    QFileSystemWatcher* m_files = nullptr;
    QTimer* m_settle = nullptr;
    // When the keeper next sends, as it said; invalid when it said nothing.
    QDateTime m_keeperNext;
};
