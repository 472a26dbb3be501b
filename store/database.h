#pragma once

#include "location.h"
#include "outcome.h"
#include "schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QSqlQuery;

namespace database {

enum class FileKind { Missing, Unreadable, Sqlite, AccessJet, Other };

// Tells what a file is from its first bytes. An empty file counts as Other:
// SQLite would take it as an empty database, but it holds no tables.
FileKind probe(const QString& path);

// The full path of a database file in a data folder.
QString pathIn(const QString& directory, const QString& fileName);

// An SQL identifier in double quotes, a quote inside it doubled.
QString quotedIdentifier(const QString& identifier);
// Names quoted each as above, joined by ", ": a statement's column list.
QString quotedList(const QStringList& names);

// Text quoted for a POSIX shell, so a command shown in a message can be pasted.
QString shellQuoted(const QString& text);

// The companion's command that prepares the databases of a location (a
// data folder, or a building named by its options), quoted for a shell;
// messages name it so the operator knows what to run.
QString initCommand(const store::Location& location);
// The companion's command that adds an operator to the location's operator table.
QString addOperatorCommand(const store::Location& location);
// The companion's command that checks the location's databases.
QString checkCommand(const store::Location& location);
// The same for a data folder.
QString initCommand(const QString& folder);
QString addOperatorCommand(const QString& folder);
QString checkCommand(const QString& folder);

// What a failed engine call means, in the operator's words and naming the
// database: the engine's result code decides, never the driver's text.
QString plainError(int nativeCode, const QString& engineText, const QString& path);
QString plainError(const QSqlError& error, const store::Database& database);

// How long a statement of a ReadWrite connection waits for a file another
// program holds.
constexpr int kStatementWaitMs = 30000;

// How a connection uses its file.
enum class Access {
    // An existing file, shared with other copies of the program: rollback
    // journal, synchronous FULL, busy waits of 15 s while opening and 30 s
    // for every statement after.
    ReadWrite,
    // Examining a file must not change it, not even its journal mode.
    ReadOnly,
    // A file being made: its journal stays in memory, so a file that is not
    // finished is thrown away and a killed writer leaves no journal behind.
    Create,
    // An existing file written with the journal and sync settings it has.
    AsFound,
};

// Adds and opens a connection under its own name; on failure the connection
// is removed again and the engine's error returned (invalid on success).
// busyWaitMs other than 0 replaces the wait the access gives while opening.
// Every connection of the program is made here.
QSqlError connect(const store::Database& database, const QString& connectionName, Access access,
                  int busyWaitMs = 0);

// Opens an existing database with Access::ReadWrite, after telling what
// kind of file it is. A file is never created.
Outcome open(const store::Database& database, const QString& connectionName);

// Checks that the table and its fields exist.
Outcome checkTable(const QSqlDatabase& db, const TableSpec& layout,
                   const store::Database& database);

// On a server, why this login sees no table named table in the database:
// there is no such building (the message names those there are), or the
// login may not read it. Empty when neither: the table is simply missing.
QString unseenTable(const QSqlDatabase& db, const QString& table, const store::Database& database);
// The buildings on the server db is connected to: the schemas holding
// Room_tel, but those that keep what a restore replaced.
QStringList buildingsOn(const QSqlDatabase& db);

// The columns a row of a table is addressed by: its integer primary key,
// else its rowid, else its primary key (a table made WITHOUT ROWID). Empty
// for a table that has none of them (a view), whose rows only their values find.
struct KeyPart
{
    QString name;
    // Declared INTEGER in a table with rowids: the rowid under another name.
    bool rowidAlias = false;
};
QStringList rowKey(const QList<KeyPart>& primaryKey, bool hasRowid);
// The same, asking the table in db.
QStringList rowKey(const QSqlDatabase& db, const QString& table);

// Runs a statement with its values bound. One without values runs as it is:
// a server's driver cannot prepare BEGIN, COMMIT or DDL.
bool execute(QSqlQuery& query, const QString& statement, const QVariantList& values = {});

// The database a connection of connect() was opened on; a file's for a
// connection made elsewhere.
store::Database databaseOf(const QSqlDatabase& db);
// The same in words for messages: the file's path (never the address it was
// opened by), or the building on the server.
QString shownName(const QSqlDatabase& db);

// Removes a connection made by open(); harmless for a name never opened.
void close(const QString& connectionName);

// A connection name no other part of the program uses.
QString uniqueConnectionName(const QString& prefix);

} // namespace database
