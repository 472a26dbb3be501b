#pragma once

#include "outcome.h"
#include "roomrecord.h"
#include "tablestatements.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The change record: every change to the rooms or the operators, with who
// made it, where and when, and the values before and after. Each file keeps
// its own in the table change_record, written in the transaction of the
// change it records and only ever appended to (pruning aside, itself recorded).
namespace changerecord {

// Who makes a change: the operator logged in (or named to the companion), on
// which PC, as which OS user.
struct Actor
{
    QString operatorName;
    QString host;
    QString osUser;

    // The operator named, on this PC as the OS user running the program.
    static Actor here(const QString& operatorName);
    // The OS user running the program, for a companion told no operator.
    static QString osUserName();
};

struct Entry
{
    enum class File { Rooms, Operators };

    qint64 id = 0;
    QDateTime at; // UTC
    Actor who;
    QString what;    // "room changed", "import", "operator given a new PIN"
    QString subject; // the room or the operator, or what a whole-file change read
    QString before;  // the values as they were: Room "101", TEL1 "555"
    QString after;
    QString detail;
    qint64 transfer = 0; // the transfer record's id, 0 for none
    File file = File::Rooms;
    // An import's rooms as its one entry keeps them (see appendRoomLine);
    // read, they are listed as entries of their own after it.
    QByteArray rooms;
};

// The words of the entries other code writes or looks for.
inline const QString kOutside = QStringLiteral("changed outside Quorvane");
inline const QString kRestore = QStringLiteral("restore");

// Words kept in the program's own language, in the reader's: the first of
// words (source texts of the catalogue's context, %1... for values) that kept
// matches, translated, with kept's values put back as they were. Kept as it
// is when none matches.
QString shownWords(const QString& kept, const char* context, QList<const char*> words);

// "2026-12-01T14:02:00.000Z": stored times sort as text.
QString timeText(const QDateTime& utc);
// Field names and values as an entry holds them: Room "101", TEL1 "555".
// A quote in a value is doubled.
QString valuesText(const QStringList& names, const QStringList& values);

// Whether the file or building behind db holds a change record yet.
bool hasTable(const QSqlDatabase& db);

// Appends one entry inside the caller's transaction on db, making the table
// when missing; the time is now when the entry has none.
Outcome append(const QSqlDatabase& db, const Entry& entry, const QString& path);

// An import's rooms in its one entry: a line a room, its kind ('+' added,
// '~' changed, '-' removed), then the four fields before and after, tab
// separated, a tab, newline or backslash in a value escaped. One value
// written at once costs a fraction of a row a room.
void appendRoomLine(QByteArray& rooms, char kind, const RoomRecord* before,
                    const RoomRecord* after);
// The rooms of an import's entry as entries of their own, in the order
// written; only those of one room when it is given.
QList<Entry> roomEntries(const Entry& import, const QString& room = {});
// A LIKE pattern, a backslash its escape, that the rooms of an import naming
// the room match, and few others.
QByteArray roomPattern(const QString& room);
// What a record cursor's writes add to the record of its file: rooms name
// their fields before and after; operators their name, and of the PIN only
// that it changed.
class RowRecorder
{
public:
    enum class Table { Rooms, Operators };
    RowRecorder(Table table, Actor who, QStringList fieldNames);

    // The entry for a write, or none for a write that changed nothing.
    std::optional<Entry> entryFor(const RowChange& change) const;
    Outcome operator()(const QSqlDatabase& db, const RowChange& change) const;

    // Rows found changed when the table was read again: each one that no
    // entry explains (the newest entry of its room leaves it otherwise) is
    // recorded once as changed outside Quorvane. A restore since readAt
    // explains them all. Returns how many were recorded.
    Expected<int> noticeOutside(const QSqlDatabase& db, const QList<RowChange>& changes,
                                const QDateTime& readAt) const;

private:
    QString shown(const QStringList& values) const;

    Table m_table;
    Actor m_who;
    QStringList m_names;
};

} // namespace changerecord
