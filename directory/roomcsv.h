#pragma once

#include "outcome.h"
#include "roomrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <condition_variable>
#include <mutex>

// Room lists as spreadsheets write and read them: comma separated values.
namespace roomcsv {

// What a room list written here starts with, and what a reader skips.
inline const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

// One row of a file as read: the line it starts on, its four values, and
// what made it unreadable (empty when it was read whole).
struct CsvRow
{
    int line = 0;
    RoomRecord room;
    QString problem;
};

struct CsvFile
{
    QList<CsvRow> rows;
    QChar separator = QLatin1Char(',');
    bool hasHeader = false;
    // Header columns other than Room and TEL1 to TEL3, which are not read.
    QStringList ignoredColumns;
    // The text the rows' values are views of, when read so.
    QString storage;
};

// How read gives the values: each a text of its own, or views into the
// file's one text, which spares a large file's many small allocations; such
// values are valid as long as the CsvFile is (moving it keeps them valid).
enum class Values { Owned, Viewed };

// The largest room list read: far more than any building's (100,000 rooms
// take about 5 MB), small enough to hold and judge at once.
constexpr qint64 kLargestFile = 100 * 1024 * 1024;

// The most rows a room list may have, for the same reason.
constexpr qsizetype kMostRows = 200000;

// The bytes of the room list at path, read at most kLargestFile of them, so
// that a device or a pipe that never ends is refused as a file too large.
Outcome readFile(const QString& path, QByteArray& bytes);

// The rows of a file handed on while it is still being read, to a thread
// that takes them as they come: how many are read whole so far, and how the
// reading ended. A row counted stays where it is, unchanged, as long as the
// CsvFile does; the rows after it are not to be touched.
class RowsSoFar
{
public:
    // The reading side: rows are read whole; the reading ended, every row
    // read (whole) or not.
    void add(qsizetype rows);
    void end(qsizetype rows, bool whole);
    // The taking side: waits until more than have rows are read, or the
    // reading ended, and gives how many are read.
    qsizetype waitBeyond(qsizetype have);
    // Once the reading ended: whether every row was read.
    bool whole();

private:
    std::mutex m_mutex;
    std::condition_variable m_more;
    qsizetype m_rows = 0;
    bool m_ended = false;
    bool m_whole = false;
};

// Reads UTF-8 text with or without a byte-order mark, separated by commas or
// semicolons (whichever the first line uses more of), quoted fields with
// doubled quotes inside, CRLF or LF line ends. A first row that names Room,
// TEL1, TEL2 and TEL3 (in any order, any case) is the header; without one the
// columns are these four in this order. Blank rows are skipped. Fails only
// when the text as a whole cannot be read (not UTF-8, a header without Room,
// more than kMostRows rows). With soFar, the rows are handed on as they are
// read when the file's lines cannot make more than kMostRows of them, and at
// the end otherwise; it hears the end whatever it is.
Outcome read(const QByteArray& bytes, CsvFile& file, Values values = Values::Owned,
             RowsSoFar* soFar = nullptr);

// The form export writes and import reads back unchanged: UTF-8 with a
// byte-order mark so spreadsheets take it as such, the header
// Room,TEL1,TEL2,TEL3, CRLF line ends, and every value that is not empty in
// double quotes, so that a spreadsheet asked to take quoted fields as text
// keeps leading zeros and "+". A value a spreadsheet would take as a formula
// is written as ="...", which a spreadsheet shows as that text and read gives
// back unchanged.
QByteArray write(const QList<RoomRecord>& rooms);

// The same in parts, for rooms read one at a time: the byte-order mark and
// the header, then each room's line.
QByteArray header();
void appendRow(QByteArray& csv, const RoomRecord& room);
// The same for a room given as its four values in UTF-8.
void appendRow(QByteArray& csv, const std::array<QByteArrayView, 4>& utf8);

// Whether a spreadsheet opening the value would take it as a formula and show
// something else: it starts with "=" or "@", or with "+" or "-" not followed
// by digits only ("+4930123" is a telephone number).
bool looksLikeFormula(const QString& value);

// A value as a message quotes it: cut short after a readable length, since a
// file may hold a line of millions of characters, and with its control
// characters named, since the message may go to a terminal.
QString shown(const QString& value);

} // namespace roomcsv
