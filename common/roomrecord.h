#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>

// One room of the directory; a field that holds nothing reads as empty text.
struct RoomRecord
{
    QString Room;
    QString TEL1;
    QString TEL2;
    QString TEL3;

    bool operator==(const RoomRecord&) const = default;
};

// What a room must be to become a record of the door unit. The record is one
// byte a character: the room, "$", then the three telephones, the first two
// ended by "@" and the last by "#"; a "," ends each batch of records and a
// "." the directory. Only printable ASCII can be carried, so a value that fits
// has as many bytes as characters, and every width below counts both.
namespace doorunit {

constexpr char kRoomEnd = '$';
constexpr char kTelephoneEnd = '@';
constexpr char kRecordEnd = '#';
constexpr char kBatchEnd = ',';
constexpr char kDirectoryEnd = '.';

constexpr int kRoomWidth = 7;
constexpr int kTelephoneWidth = 11;
constexpr int kTelephones = 3;
// Where each telephone starts in a record; the last one ends it.
constexpr int telephoneOffset(int index)
{
    return kRoomWidth + 1 + index * (kTelephoneWidth + 1);
}
constexpr int kRecordLength = telephoneOffset(kTelephones);

// The door unit ends a field, record, batch or the whole directory at these,
// so one inside a value would cut the directory short there.
constexpr bool isMarker(char32_t c)
{
    return c == char32_t(kRoomEnd) || c == char32_t(kTelephoneEnd) || c == char32_t(kRecordEnd) ||
           c == char32_t(kBatchEnd) || c == char32_t(kDirectoryEnd);
}

// Printable ASCII: what a record can carry besides its markers.
constexpr bool isPrintable(char32_t c)
{
    return c >= 0x20 && c <= 0x7e;
}

// How one value fits its place in a record.
struct FieldFit
{
    enum class Fault { None, Control, NotAscii, Marker };

    int width = 0;
    // Characters (code points); counted only when the value may be too long.
    int length = 0;
    // The first character the record cannot carry, and why.
    Fault fault = Fault::None;
    char32_t character = 0;

    bool tooLong() const { return length > width; }
    bool fits() const { return !tooLong() && fault == Fault::None; }
};

// Characters, not UTF-16 units: what a width counts.
int characterCount(const QString& text);
FieldFit fieldFit(const QString& value, int width);

// Whether every field of the room fits its record.
bool fits(const RoomRecord& room);

// The fields of a room in their order, with the names the files, the tables
// and the messages give them in every language, and their widths.
struct Field
{
    const char* name;
    QString RoomRecord::*value;
    int width;
};
inline constexpr Field kFields[] = {{"Room", &RoomRecord::Room, kRoomWidth},
                                    {"TEL1", &RoomRecord::TEL1, kTelephoneWidth},
                                    {"TEL2", &RoomRecord::TEL2, kTelephoneWidth},
                                    {"TEL3", &RoomRecord::TEL3, kTelephoneWidth}};
// The telephones among them: the fields after the room.
inline constexpr const Field* kTelephoneFields = kFields + 1;
// The names alone, "Room", "TEL1", "TEL2", "TEL3".
QStringList fieldNames();

// Why the value cannot fill the field's place in a record, a reason for each
// fault; none when it fits. shown is the value as the message quotes it.
QStringList fieldProblems(const Field& field, const QString& value, const QString& shown);

} // namespace doorunit

// The room as the door unit stores it: padded with leading zeros to the
// record's width as the record is built, blanks kept, so "101" and "0101"
// are one room there while "101 " is another.
inline QString doorUnitRoomKey(const QString& room)
{
    return room.rightJustified(doorunit::kRoomWidth, u'0');
}

// The same rule without building the padded text: two rooms have one key
// exactly when these compare equal. Up to the record's width a room is told
// by what follows its leading zeros, which the padding makes alike; a longer
// room is not padded and is told whole.
// The part of a room that tells it apart, as a view of it: two rooms have
// one doorUnitRoomKey exactly when these compare equal (a longer room is
// kept whole, and is then longer than any room cut short).
inline QStringView unitRoomText(QStringView room)
{
    if (room.size() > doorunit::kRoomWidth)
        return room;
    qsizetype zeros = 0;
    while (zeros < room.size() && room[zeros] == u'0')
        ++zeros;
    return room.sliced(zeros);
}

class UnitRoomKey
{
public:
    explicit UnitRoomKey(QStringView room)
        : m_text(room), m_whole(room.size() > doorunit::kRoomWidth)
    {
        qsizetype zeros = 0;
        while (!m_whole && zeros < m_text.size() && m_text[zeros] == u'0')
            ++zeros;
        m_text = m_text.sliced(zeros);
    }
    size_t hash() const { return qHash(m_text) ^ (m_whole ? ~size_t(0) : size_t(0)); }
    friend bool operator==(const UnitRoomKey& a, const UnitRoomKey& b)
    {
        return a.m_whole == b.m_whole && a.m_text == b.m_text;
    }

private:
    QStringView m_text;
    bool m_whole;
};
