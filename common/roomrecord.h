#pragma once

#include "schema.h"

#include <QString>

// One room of the directory; a field that holds nothing reads as empty text.
struct RoomRecord
{
    QString Room;
    QString TEL1;
    QString TEL2;
    QString TEL3;

    bool operator==(const RoomRecord&) const = default;
};

// The room as the door unit stores it: padded with leading zeros to the
// record's width as the record is built, blanks kept, so "101" and "0101"
// are one room there while "101 " is another.
inline QString doorUnitRoomKey(const QString& room)
{
    return room.rightJustified(schema::kRoomWidth, u'0');
}
