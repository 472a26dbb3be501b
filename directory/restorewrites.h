#pragma once

#include "changerecord.h"
#include "engine/databaseengine.h"
#include "outcome.h"

#include <QByteArray>
#include <QString>

// What a restore writes: whole files, a table's rows, and its own entry in
// the change record.
namespace directorybackup {

// Writes bytes to a new file, private to its owner, and flushes them to the disk.
bool writeFile(const QString& path, const QByteArray& bytes);

// Replaces the rows of table in schema into with those of the image in from:
// every column both have, and the rowid where both have one, so the rows
// keep their order. A column only the image has would lose its values, so
// that is refused: the failure says why.
Outcome copyRows(engine::File& db, const QString& into, const QString& from, const QString& table,
                 const QString& path);

// The restore's entry in one file's change record, through the engine's
// connection that restores it, so it lands with the restored rows or not at
// all. schemaName is that file's schema on the connection.
Outcome recordRestore(engine::File& db, const QString& schemaName, const QString& fileName,
                      const QString& backup, const QString& keptPath,
                      const changerecord::Actor& who);

} // namespace directorybackup
