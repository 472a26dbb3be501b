#pragma once

#include "roomrecord.h"
#include "timetext.h"
#include "transferlog.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// How the directory differs from the rooms of the last complete download.
// Rooms are matched by their number; a number that occurs twice is matched
// occurrence by occurrence, in directory order.
struct DirectoryChanges
{
    // One mark a room of the directory: the telephone fields that changed,
    // or Added for a room the door unit does not hold.
    enum Mark : quint8 { Same = 0, Tel1 = 1, Tel2 = 2, Tel3 = 4, Added = 8 };

    std::vector<quint8> marks;
    std::vector<int> sentOf; // the sent room each room matched, -1 for Added
    QList<RoomRecord> removed;
    int added = 0;
    int changed = 0;

    int count() const { return added + changed + int(removed.size()); }
    bool empty() const { return count() == 0; }

    static DirectoryChanges compare(const QList<RoomRecord>& sent, const QList<RoomRecord>& now);
    // "not yet on the door unit", "TEL2 changed since the download of 1 Dec 2026 14:02"
    static QString markText(quint8 mark, const QDateTime& downloaded);
    // "TEL1, TEL3"
    static QString fieldNames(quint8 mark);
};

// A download's rooms, packed one after another in one UTF-8 text (half the
// size of UTF-16 for the digits they are) and indexed by number: built once,
// then compared with the directory each time it changes without reading or
// hashing the download again.
class SentRooms
{
public:
    using Room = std::array<QStringView, 4>;     // Room, TEL1, TEL2, TEL3 of the directory
    using Sent = std::array<QUtf8StringView, 4>; // the same of a room sent

    SentRooms() = default;
    explicit SentRooms(const QList<RoomRecord>& sent);

    // Building: every room in the order sent, then finish().
    void add(const RoomRecord& room);
    void finish();

    int size() const { return int(m_ends.size()); }
    Sent at(int i) const;
    // The first sent room of the number, or -1.
    int find(QStringView number) const;
    // How the room now differs from the room sent.
    static quint8 mark(const Sent& sent, const Room& now);
    // Whether a sent field holds the text of a field of the directory.
    static bool same(QUtf8StringView sent, QStringView now);

    // Fills Room, TEL1, TEL2 and TEL3 of the directory's room i.
    using RoomReader = std::function<void(int i, Room& room)>;
    DirectoryChanges compare(int count, const RoomReader& room) const;

private:
    QByteArray m_text;
    std::vector<std::array<quint32, 4>> m_ends; // where each field ends in m_text
    // Each number's first sent room, sorted by number (its UTF-8 bytes), and after each sent
    // room the next of the same number; made by finish().
    std::vector<int> m_byNumber;
    std::vector<int> m_nextSame;
    std::vector<bool> m_unique; // the only sent room of its number
};

// What the door unit holds, as far as this PC knows.
struct DoorUnitState
{
    enum class Kind { NeverLoaded, UpToDate, ChangesNotSent, PartDirectory, DefaultsLoaded };

    Kind kind = Kind::NeverLoaded;
    int changes = 0;
    QDateTime downloaded; // the last complete download (UTC)
    QDateTime when;       // of the record that decided a partial or default state
    int sent = 0;
    int total = 0;
    bool unfinished = false;

    static DoorUnitState of(const TransferLog::Latest& latest, const DirectoryChanges& changes);
    // Whose words a text is in: the reader's language, or the program's own
    // (for what scripts read, such as changes --json).
    enum class Words { Reader, Own };
    // The status bar's panel: "Door unit: up to date", ...
    QString text(Words words = Words::Reader) const;
    // A panel text without its "Door unit: ", for a line that names its unit.
    static QString afterUnit(const QString& said);
};

// The whole comparison for a room file: the log's latest records and the
// directory as the program reads it. The companion and the benchmark use it.
struct DirectoryReport
{
    TransferLog::Latest latest;
    QList<RoomRecord> now;
    DirectoryChanges changes;
    DoorUnitState state;

    // False with error set when the file, the log or Room_tel cannot be read.
    // Of one door unit (the first by default).
    static Expected<DirectoryReport> read(const store::Database& path,
                                          qint64 unit = doorunits::kFirstUnit);
};
