#pragma once

#include "outcome.h"

#include <QString>

class QSqlDatabase;

namespace store {
class Connection;
}

// How an import and an export find the room table's rows.
namespace roomimport {

// Whether the room file opened for a read or a change has its table.
Outcome roomTable(const store::Connection& connection);

// A row is found again by its key when it has a single one (its rowid, or
// the key of a table made WITHOUT ROWID), otherwise by the values it was
// read with; rows are read in the order of the key.
struct Addressing
{
    QString select;
    QString update;
    bool byKey = false;
};

Addressing addressing(const QSqlDatabase& db);

} // namespace roomimport
