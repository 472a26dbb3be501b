#pragma once

#include "dbprompt.h"
#include "outcome.h"
#include "schema.h"

#include <QStringList>

#include <optional>

// Making a database file the way init does: built under a temporary name,
// private, and moved into place only when complete and when nothing (not even
// a stale journal) stands at its name.
namespace dbtool {

// The file with its table, and the first operator when one is given. A
// killed init's leftover temporary files are removed first.
Outcome createDatabase(const QString& directory, const QString& fileName, const TableSpec& layout,
                       const std::optional<Operator>& first);
// Why init cannot make or use the file at path: a name taken by a directory
// or a link to nothing, or a journal of an unfinished write, which a new
// file beside it would take in and be damaged by. Empty when nothing stands
// in the way.
QStringList obstacles(const QString& path, const QString& directory);

} // namespace dbtool
