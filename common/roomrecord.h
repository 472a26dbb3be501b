#pragma once

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
