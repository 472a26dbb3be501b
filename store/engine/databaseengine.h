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
#include <QStringView>
#include <QVariant>

#include <functional>
#include <memory>
#include <span>

class BusyWait;
class QSqlDatabase;

// What the program needs of a database engine beyond what Qt's driver tells
// (its dbmsType, escapeIdentifier, record and primaryIndex are asked of the
// driver itself). DatabaseEngine is the dialect both engines speak; the file
// work only SQLite does (raw statements, the busy handler, images, online
// backup) is FileEngine, and the bulk copy only a server does is BulkCopy.
// Everything engine-specific sits behind these interfaces; the rest of the
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
    // The statement names a table there is not.
    NoSuchTable,
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
// What a table is made of, as Qt's driver of the connection tells it.
TableShape tableShape(const QSqlDatabase& db, const QString& table);

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

// A write transaction on a file opened straight through the engine. It is
// rolled back when it ends unless it was committed, so every way out of a
// write that fails leaves the file as it was.
class FileTransaction
{
public:
    // Begins the write, taking the file's write lock at once; active() says
    // whether it began, and the file's error() and problem() why not.
    explicit FileTransaction(File& file);
    FileTransaction(const FileTransaction&) = delete;
    FileTransaction& operator=(const FileTransaction&) = delete;
    ~FileTransaction();

    // Begun, and neither committed nor rolled back.
    bool active() const { return m_active; }
    // Makes the transaction's work last; on failure it stays to be rolled
    // back, and the failure is the file's error().
    [[nodiscard]] Outcome commit();
    // Ends the transaction now, undoing its work.
    void rollback();

private:
    File& m_file;
    bool m_active = false;
};

// The dialect: how both engines are connected to, what their failures
// come to, and how each words the statements that differ between them.
class DatabaseEngine
{
public:
    virtual ~DatabaseEngine() = default;

    // Qt's driver for the engine.
    virtual QString driverName() const = 0;
    // Sets up a connection not yet open; returns the statements to run once
    // it is. busyWaitMs is how long opening waits for a busy file.
    virtual QStringList configure(QSqlDatabase& db, const store::Database& database,
                                  database::Access access, int busyWaitMs) const = 0;
    // What a failed statement of Qt's driver came to, by the engine's code.
    virtual Problem problemOf(const QSqlError& error) const = 0;
    // Why a connection of Qt's driver did not open, with the engine's code.
    virtual QSqlError openError(const QSqlDatabase& db, const store::Database& database) const = 0;

    // How a write transaction starts, taking the write lock at once where
    // the engine can; with a table, that table is locked against other
    // writers too, so one read and then written has no writer between.
    virtual QStringList beginWrite(const QString& lockedTable = {}) const = 0;
    // The statement after which the connection's statements wait at most ms
    // for what another connection holds before they fail.
    virtual QString waitAtMost(int ms) const = 0;
    // How a transaction that only reads begins, so that all it reads stands
    // as it stood at one moment.
    virtual QString beginSnapshot() const = 0;
    // How every transaction ends, in both engines: kept, or undone.
    static QString commit() { return QStringLiteral("COMMIT"); }
    static QString rollback() { return QStringLiteral("ROLLBACK"); }
    // How a value is compared so that NULL matches NULL.
    virtual QString sameAs() const = 0;
    // A condition true when a column of a row holds an integer (a file's
    // column may hold any type; a server's is typed).
    virtual QString holdsInteger(const QString& column) const = 0;
    // Whether an INSERT hands back the new row's key only through RETURNING.
    virtual bool keyByReturning() const = 0;
    // Whether the table's rows have a rowid besides their key.
    virtual bool hasRowid(const QSqlDatabase& db, const QString& table) const = 0;
    // A statement that reads the engine's catalogue: it fails only when the
    // connection cannot read at all (a held file, a lost server).
    virtual QString catalogueProbe() const = 0;

    // The words of a table description (schema::createStatement renders it):
    // the hidden key the engine numbers, the check that keeps control
    // characters out of a login text, and what ends a table keyed by its
    // own columns.
    virtual QString numberedKey(const QString& column) const = 0;
    virtual QString controlFree(const QString& column) const = 0;
    virtual QString ownKeyEnd() const = 0;
};

// A prepared statement straight through the engine, or a file it opens
// itself: what SQLite does that a server does not.
class FileEngine
{
public:
    virtual ~FileEngine() = default;

    // What a failed call of the engine's own came to.
    virtual Problem problemOf(int nativeCode) const = 0;
    // A statement straight through the engine on a connection of Qt's
    // driver; null when the driver does not share the engine's library. A
    // statement the engine refuses fails when it is run.
    virtual std::unique_ptr<Statement> prepare(const QSqlDatabase& db,
                                               const QString& sql) const = 0;
    // Lets wait decide the connection's retries.
    virtual void takeOverWaits(const QSqlDatabase& db, BusyWait& wait) const = 0;

    enum class Open { ReadOnly, ReadWrite };
    // Opens an existing file, waiting up to 5 s for a busy one.
    virtual Expected<std::unique_ptr<File>> openFile(const QString& path, Open mode) const = 0;
    // The whole database at path as the engine's online backup copies it.
    virtual Expected<QByteArray> imageOf(const QString& path) const = 0;
    // Opens an image as a read-only database in memory; the bytes must outlive it.
    virtual std::unique_ptr<File> openImage(QByteArray& image) const = 0;
};

// Many rows added at once in a server's bulk way (COPY), each sent on as it
// is given while the server takes those before it. Nothing else may run on
// the connection until finish(); a copy let go unfinished is abandoned, and
// the transaction in hand fails with it.
class CopyStream
{
public:
    virtual ~CopyStream() = default;
    // One row, a value for each column named; null text stores NULL.
    [[nodiscard]] virtual Outcome add(std::span<const QStringView> values) = 0;
    // Sends the rows still held and ends the copy.
    [[nodiscard]] virtual Outcome finish() = 0;
};

class BulkCopy
{
public:
    virtual ~BulkCopy() = default;
    // Starts adding rows to the table inside the transaction in hand.
    virtual Expected<std::unique_ptr<CopyStream>> open(const QSqlDatabase& db, const QString& table,
                                                       const QStringList& columns) const = 0;
    // The rows a query gives, each handed to row as its values' UTF-8 while
    // the next are on their way; NULL is a null view.
    using RowReader = std::function<void(std::span<const QByteArrayView> values)>;
    virtual Outcome copyOut(const QSqlDatabase& db, const QString& query,
                            const RowReader& row) const = 0;
};

// The engine of the database files (a data folder, a backup), as a dialect
// and with its file work.
const DatabaseEngine& fileDialect();
const FileEngine& files();
// The engine of a database server.
const DatabaseEngine& server();
// The engine behind a connection. The one a database is opened with is its
// location's (store::Location::engine).
const DatabaseEngine& of(const QSqlDatabase& db);

// The file work of a connection's engine; null on a server.
const FileEngine* filesOf(const QSqlDatabase& db);
// A statement straight through the connection's engine; null where there is none.
std::unique_ptr<Statement> prepare(const QSqlDatabase& db, const QString& sql);
// Lets wait decide a file connection's retries; a server connection is left as it is.
void takeOverWaits(const QSqlDatabase& db, BusyWait& wait);
// The bulk copy of a connection's engine; null where the caller inserts row by row.
const BulkCopy* bulkCopyOf(const QSqlDatabase& db);

} // namespace engine
