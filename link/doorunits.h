#pragma once

#include "location.h"
#include "outcome.h"

#include <QList>
#include <QString>

#include <optional>

// One door unit of the building: a named entrance with a serial port of its own.
struct DoorUnit
{
    qint64 id = 0;
    QString name;
    int port = 1; // COM1..COM9
    bool removed = false;

    // The name as the operator reads it: the first unit's given name in the
    // operator's language.
    QString ownName() const;
    // "Main gate (COM2)"
    QString shownName() const;
    bool operator==(const DoorUnit&) const = default;
};

// The building's door units, kept in the room file beside the transfer record
// so every PC that opens it sees the same list. A file that never had a list
// has one unit, "Door unit" on COM1; it is written as the first unit when the
// list first changes, so the transfers recorded before belong to it.
namespace doorunits {

inline const QString kFirstName = QStringLiteral("Door unit");
// The first unit's id, and the unit of every transfer recorded before the list.
constexpr qint64 kFirstUnit = 1;
constexpr int kLongestName = 40;

// The units in the order added; removed ones only when asked for.
Expected<QList<DoorUnit>> read(const store::Database& path, bool withRemoved = false);

// Each change is refused with the reason when it would leave two units of one
// name (one unit's name being another's shown name in any language, or the two
// alike after Unicode normalisation and case folding) or on one port, or no
// unit at all. A name holds no control character.
Outcome add(const store::Database& path, const QString& name, int port);
// A port other than 0 moves the unit to it as well.
Outcome rename(const store::Database& path, const QString& oldName, const QString& newName,
               int port = 0);
// The unit's transfers stay in the record, shown as a removed unit's.
Outcome remove(const store::Database& path, const QString& name);

// The live unit of that name or shown name (matched after Unicode normalisation and
// without regard to case), or why there is none.
Expected<DoorUnit> find(const QList<DoorUnit>& units, const QString& name);

} // namespace doorunits
