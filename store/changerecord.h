#pragma once

#include "outcome.h"
#include "roomrecord.h"
#include "tablestatements.h"
#include "timetext.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class BatchedInsert;

// The change record: every change to the rooms or the operators, with who
// made it, where and when, and the values before and after. Each file keeps
// its own in the table change_record, written in the transaction of the
// change it records and only ever appended to (pruning aside, itself recorded).
namespace engine {
class BulkCopy;
class CopyStream;
} // namespace engine

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

// What an entry records. The record keeps each kind in words of its own
// (storedWord), which never change; a reader sees them in its language.
enum class Kind {
    RoomAdded,
    RoomDeleted,
    RoomChanged,
    OperatorAdded,
    OperatorDeleted,
    OperatorRenamed,
    OperatorNewPin,
    OperatorRenamedNewPin,
    RoomAddedByImport,
    RoomRemovedByImport,
    RoomChangedByImport,
    Import,
    Restore,
    Pruned,
    Outside,
    SettingsSent,
    Download,
    LoadDefault,
    Unknown, // words no version of the program wrote, kept as found
};

// "room added": the words the record keeps for a kind.
QString storedWord(Kind kind);
// The kind stored words name; Unknown for others.
Kind kindOf(const QString& stored);
// A kind in the reader's language.
QString shownWord(Kind kind);

struct Entry
{
    enum class File { Rooms, Operators };

    qint64 id = 0;
    QDateTime at; // UTC
    Actor who;
    Kind kind = Kind::Unknown;
    QString keptWord; // the words found for a kind the program does not know
    QString subject;  // the room or the operator, or what a whole-file change read
    QString before;   // the values as they were: Room "101", TEL1 "555"
    QString after;
    // The same values kept as values (field name to value), which the record
    // compares; empty for an entry without.
    QJsonObject beforeValues;
    QJsonObject afterValues;
    QString detail;
    qint64 transfer = 0; // the transfer record's id, 0 for none
    File file = File::Rooms;
    // An import's rooms as it gathers them (see appendRoomLine), or as an
    // earlier release kept them in the entry; read, they are listed as
    // entries of their own after it.
    QByteArray rooms;
};

// The kind as the record keeps it, and as a reader sees it.
QString storedWord(const Entry& entry);
QString shownWord(const Entry& entry);

// Words kept in the program's own language, in the reader's: the first of
// words (source texts of the catalogue's context, %1... for values) that kept
// matches, translated, with kept's values put back as they were. Kept as it
// is when none matches.
QString shownWords(const QString& kept, const char* context, QList<const char*> words);

// Field names and values as an entry shows them: Room "101", TEL1 "555".
// A quote in a value is doubled.
QString valuesText(const QStringList& names, const QStringList& values);
// The same as values, a field's name to its value.
QJsonObject valuesOf(const QStringList& names, const QStringList& values);
// The values an entry's text shows, as valuesText wrote them.
QJsonObject valuesFromText(const QString& text);
// An entry's values as the record keeps them: one JSON object, its before
// and after each a field's name to its value; null for an entry without.
QVariant valuesJson(const Entry& entry);
// One side of the values a stored entry keeps (json), read from its text
// when it keeps them as text alone (written by an earlier release).
QJsonObject storedBefore(const QVariant& json, const QVariant& text);
QJsonObject storedAfter(const QVariant& json, const QVariant& text);
// Whether the change record in db keeps values as values.
bool hasValues(const QSqlDatabase& db);
// Gives a change record written by an earlier release its values as values
// and its imports' rooms as rows of change_room, read from each entry's
// text, in one transaction; done when a file or building is opened to write.
Outcome upgrade(const QSqlDatabase& db, const store::Database& path);

// Whether the file or building behind db holds a change record yet, and
// the table of imports' rooms beside it.
bool hasTable(const QSqlDatabase& db);
bool hasRoomTable(const QSqlDatabase& db);

// Appends one entry inside the caller's transaction on db, making the table
// when missing; the time is now when the entry has none.
Outcome append(const QSqlDatabase& db, const Entry& entry, const store::Database& path);

// An import's rooms as it gathers them for its entry (Entry::rooms): a line
// a room, its kind ('+' added, '~' changed, '-' removed), then the four
// fields before and after, tab separated, a tab, newline or backslash in a
// value escaped. Compact while the import runs; append() writes each as a
// row of change_room. Earlier releases kept the text itself in the entry.
void appendRoomLine(QByteArray& rooms, char kind, const RoomRecord* before,
                    const RoomRecord* after);
// The rooms such a text holds as entries of their own, in the order
// written; only those of one room when it is given.
QList<Entry> roomEntries(const Entry& import, const QString& room = {});
// Writes an import's rooms (appendRoomLine's text) as rows of change_room
// under its entry.
Outcome writeRooms(const QSqlDatabase& db, qint64 entry, const QByteArray& rooms,
                   const store::Database& path);
// Appends an import's entry as append() does, its rooms left to a
// RoomRows, and gives its id; setDetail then gives it the counts.
Expected<qint64> appendEntry(const QSqlDatabase& db, const Entry& entry,
                             const store::Database& path);
Outcome setDetail(const QSqlDatabase& db, qint64 id, const QString& detail,
                  const store::Database& path);
// Writes an import's rooms as rows of change_room under its entry as the
// import meets them, so that a large import never gathers them.
class RoomRows
{
public:
    RoomRows(const QSqlDatabase& db, qint64 entry, store::Database path);
    ~RoomRows();
    RoomRows(const RoomRows&) = delete;
    RoomRows& operator=(const RoomRows&) = delete;
    // A room as appendRoomLine takes it; a failure in the record's words.
    Outcome add(char kind, const RoomRecord* before, const RoomRecord* after);
    // One line of appendRoomLine's text; a line that is none is passed over.
    // A failure in the engine's words.
    Outcome addLine(QByteArrayView line);
    // Writes the rows still waiting to go together; call it once the last
    // room is added, in the same transaction, and before any other statement
    // while rooms are being added. Rooms added after it go in a copy of their own.
    [[nodiscard]] Outcome finish();

private:
    Outcome write(char kind, const std::array<QByteArrayView, 8>& values);
    // On a server: the row is sent in a copy that runs until finish().
    Outcome copy(char kind, const std::array<QStringView, 9>& texts);

    QSqlDatabase m_db;
    const engine::BulkCopy* m_copy = nullptr;
    std::unique_ptr<engine::CopyStream> m_copying;
    std::unique_ptr<BatchedInsert> m_insert;
    qint64 m_entry;
    QString m_entryText;
    qint64 m_position = 0;
    store::Database m_path;
    std::array<QByteArray, 8> m_buffers;
};
// One room of an import as an entry of its own: its fields before (none
// for a room added) and after (none for a room removed).
Entry roomEntry(const Entry& import, Kind kind, const QStringList& before,
                const QStringList& after);
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
    // What the entries written since a time say of the rows they leave: an
    // import's rooms by name, and every row's values before a change.
    struct Since
    {
        QString time;
        QHash<QString, QJsonObject> importedAfter; // a room's values an import left
        QSet<QJsonObject> before;                  // values some entry saw changed or removed
        bool restored = false;                     // a restore explains everything since
    };
    Expected<Since> sinceRead(const QSqlDatabase& db, const QString& time) const;
    void noteImported(Since& since, const QStringList& before, const QStringList& after) const;

    QString shown(const QStringList& values) const;
    QJsonObject kept(const QStringList& values) const;
    Entry outsideEntry(const RowChange& change) const;

    Table m_table;
    Actor m_who;
    QStringList m_names;
};

} // namespace changerecord
