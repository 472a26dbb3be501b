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

// The room as the door unit sees it: its record fills the room with leading
// zeros to 7 characters, so "101", "0101" and "0000101" are one room there.
// Blanks are kept, as the record keeps them.
inline QString doorUnitRoomKey(const QString& room)
{
    return room.rightJustified(schema::kRoomWidth, QLatin1Char('0'));
}
