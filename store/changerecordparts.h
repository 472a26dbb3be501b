#pragma once

#include "changerecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What the change record's own files share, and nothing outside them uses.
namespace changerecord {

// One room of an import's entry.
struct RoomLine
{
    char kind = 0;
    QStringList before; // four fields, or none for a room added
    QStringList after;  // four fields, or none for a room removed
};

// An import's rooms: every line, or those naming the room given (before or
// after) when there is one.
QList<RoomLine> roomLines(const QByteArray& rooms, const QString& only = {});

// Why an entry cannot be written, in the record's words.
QString cannotRecord(const QString& why);

// The kind of change of a line's kind.
Kind lineKind(char kind);

} // namespace changerecord
