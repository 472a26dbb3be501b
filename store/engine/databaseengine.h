#pragma once

#include "database.h"
#include "outcome.h"
#include "schema.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

class BusyWait;
class QSqlDatabase;

// What the program needs of a database engine beyond Qt's driver: statements
// run straight through the engine for many rows, the busy handler, whole
// databases as images for backup and restore, and what its error codes mean.
// Everything engine-specific sits behind this interface; the rest of the
// program names no engine.
namespace engine {

enum class ColumnType { Integer, Real, Text, Blob, Null };

// What a failed call came to, whatever the engine's own code for it.
enum class Problem {
    ReadOnly,
    Busy,
    Corrupt,
    Full,
    InputOutput,
    CannotOpen,
    Constraint,
    // A server that went away, or could not be reached.
    Disconnected,
    // A server that answered but would not let this login in: a wrong
    // password, no such database, no right to connect.
    Refused,
    Other
};

// A prepared statement of the engine's own.
class Statement
{
public:
    virtual ~Statement() = default;
    // Parameters count from 1; the bytes must stay until the next run.
    virtual void bindText(int index, QByteArrayView utf8) = 0;
    virtual void bindBlob(int index, QByteArrayView bytes) = 0;
    virtual void bindInteger(int index, qint64 value) = 0;
    enum class Step { Row, Done, Failed };
    virtual Step step() = 0;
    // Why the statement, or the connection's last call, failed: the
    // engine's code and its words.
    virtual std::pair<int, QString> error() const = 0;
    // Ready to run again with new values.
    virtual void reset() = 0;
    virtual ColumnType type(int column) const = 0;
    // A text column's UTF-8, or a blob's bytes, valid until the next step.
    virtual QByteArrayView bytes(int column) const = 0;
    virtual qint64 integer(int column) const = 0;
    // A column as Qt's driver would give it.
    virtual QVariant value(int column) const = 0;
};

// What a table is made of: its columns in order, its primary key, and
// whether it has a rowid (a table made WITHOUT ROWID has none).
struct TableShape
{
    QStringList columns;
    QList<database::KeyPart> primaryKey;
    bool hasRowid = false;
    // Set when the table's description could not be read at all.
    QSqlError readError;
};

// A database the engine opens itself, outside Qt's driver: a backup file, an
// image in memory, the live files a restore writes to. Schema names are
// "main" and those of attached databases.
class File
{
public:
    virtual ~File() = default;
    // Null when the statement is refused (see error).
    virtual std::unique_ptr<Statement> prepare(const QString& sql) = 0;
    virtual bool exec(const QString& sql) = 0;
    // Why the last call failed, in the engine's words, and what it came to.
    virtual QString error() const = 0;
    virtual Problem problem() const = 0;
    // "ok", or what the engine's integrity check found.
    virtual QString integrity(const QString& schemaName) = 0;
    // Whether the schema's database holds the table with all its fields.
    virtual bool hasTable(const QString& schemaName, const TableSpec& layout) = 0;
    virtual TableShape shapeOf(const QString& schemaName, const QString& table) = 0;
    // Attaches a writable copy of an image under alias.
    virtual bool attachImage(const QString& alias, const QByteArray& image) = 0;
    // How long a statement waits for a file another program holds.
    virtual void setBusyWait(int ms) = 0;
};

class DatabaseEngine
{
public:
    virtual ~DatabaseEngine() = default;

    // Qt's driver for the engine.
    virtual QString driverName() const = 0;
    // Sets up a connection not yet open; returns the statements to run once
    // it is. busyWaitMs is how long opening waits for a busy file.
    virtual QStringList configure(QSqlDatabase& db, const QString& path, database::Access access,
                                  int busyWaitMs) const = 0;
    virtual Problem problemOf(int nativeCode) const = 0;
    // What a failed statement of Qt's driver came to.
    virtual Problem problemOf(const QSqlError& error) const = 0;
    // Why a connection of Qt's driver did not open, with the engine's code.
    virtual QSqlError openError(const QSqlDatabase& db) const = 0;

    // The dialect: how a write transaction starts (taking the write lock at
    // once where the engine can), how a value is compared so that NULL
    // matches NULL, a CREATE statement in the engine's own words, and the
    // table's columns and key as the connection sees them (no columns when
    // there is no such table).
    virtual QString beginWrite() const = 0;
    // Run after beginWrite before a table is read and then written, so no
    // other writer comes between (a statement that does nothing where
    // beginWrite already holds the lock).
    virtual QString lockForWrite(const QString& table) const = 0;
    virtual QString sameAs() const = 0;
    // A condition true when a column of a row holds an integer (a file's
    // column may hold any type; a server's is typed).
    virtual QString holdsInteger(const QString& column) const = 0;
    virtual QString translate(const QString& createStatement) const = 0;
    virtual TableShape tableShape(const QSqlDatabase& db, const QString& table) const = 0;
    // Whether an INSERT hands back the new row's key only through RETURNING.
    virtual bool keyByReturning() const = 0;
    // Adds many rows of text at once in the engine's bulk way (a server's
    // COPY), inside the transaction in hand; null text stores NULL. Nothing
    // when the engine has none (canCopyIn): the caller inserts row by row.
    virtual bool canCopyIn() const = 0;
    virtual std::optional<Outcome> copyIn(const QSqlDatabase& db, const QString& table,
                                          const QStringList& columns,
                                          const QList<QStringList>& rows) const = 0;

    // A statement straight through the engine on a connection of Qt's
    // driver; null when the driver does not share the engine's library. A
    // statement the engine refuses fails when it is run.
    virtual std::unique_ptr<Statement> prepare(const QSqlDatabase& db,
                                               const QString& sql) const = 0;
    // Lets wait decide the connection's retries; leaves a connection the
    // engine cannot reach as it is.
    virtual void takeOverWaits(const QSqlDatabase& db, BusyWait& wait) const = 0;

    enum class Open { ReadOnly, ReadWrite };
    // Opens an existing file, waiting up to 5 s for a busy one.
    virtual Expected<std::unique_ptr<File>> openFile(const QString& path, Open mode) const = 0;
    // The whole database at path as the engine's online backup copies it.
    virtual Expected<QByteArray> imageOf(const QString& path) const = 0;
    // Opens an image as a read-only database in memory; the bytes must outlive it.
    virtual std::unique_ptr<File> openImage(QByteArray& image) const = 0;
};

// The engine of the database files: a data folder, a backup.
const DatabaseEngine& current();
// The engine of a database server.
const DatabaseEngine& server();
// The engine behind a connection, and the one a path is opened with.
const DatabaseEngine& of(const QSqlDatabase& db);
const DatabaseEngine& forPath(const QString& path);

} // namespace engine
