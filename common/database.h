#pragma once

#include "outcome.h"
#include "schema.h"

#include <QSqlDatabase>
#include <QString>

namespace database {

enum class FileKind { Missing, Unreadable, Sqlite, AccessJet, Other };

// Tells what a file is from its first bytes. An empty file counts as Other:
// SQLite would take it as an empty database, but it holds no tables.
FileKind probe(const QString& path);

// The full path of a database file in the application directory.
QString pathIn(const QString& directory, const QString& fileName);

// Text quoted for a POSIX shell, so a command shown in a message can be pasted.
QString shellQuoted(const QString& text);

// The companion's command that prepares the databases in a directory, quoted
// for a shell; messages name it so the operator knows what to run.
QString initCommand(const QString& directory);
// The companion's command that adds an operator to the directory's operator table.
QString addOperatorCommand(const QString& directory);

// Opens an existing database file for reading and writing under its own
// connection name. The file is never created. Rollback journal, synchronous
// FULL and a busy timeout, since another copy of the program may share the file.
Outcome open(const QString& path, const QString& connectionName);

// Checks that the table and its fields exist.
Outcome checkTable(const QSqlDatabase& db, const TableSpec& layout, const QString& path);

// Removes a connection made by open(); harmless for a name never opened.
void close(const QString& connectionName);

// A connection name no other part of the program uses.
QString uniqueConnectionName(const QString& prefix);

} // namespace database
