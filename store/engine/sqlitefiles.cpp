// The program's database files kept in SQLite: SQLite's own statements, the
// busy handler, whole databases as images, the online backup. Every call of
// SQLite's own interface is made here.
#include "databaseengine.h"

#include "busywait.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QThread>

#include <sqlite3.h>

#include <cstring>

namespace engine {

namespace {

QString errorOf(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

Problem problemOfCode(int code)
{
    // Connections report extended codes: a lock that could not be taken or
    // given back is another program holding the file, not a failing disk.
    switch (code) {
    case SQLITE_IOERR_LOCK:
    case SQLITE_IOERR_RDLOCK:
    case SQLITE_IOERR_UNLOCK:
    case SQLITE_IOERR_CHECKRESERVEDLOCK:
    case SQLITE_IOERR_SHMLOCK:
    case SQLITE_IOERR_BLOCKED:
        return Problem::Busy;
    default:
        break;
    }
    switch (code & 0xff) {
    case SQLITE_READONLY:
        return Problem::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Problem::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Problem::Corrupt;
    case SQLITE_FULL:
        return Problem::Full;
    case SQLITE_IOERR:
        return Problem::InputOutput;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Problem::CannotOpen;
    case SQLITE_CONSTRAINT:
        return Problem::Constraint;
    default:
        return Problem::Other;
    }
}

// The connection's sqlite3 handle when Qt's driver uses the same SQLite
// library as the program, otherwise null.
sqlite3* nativeHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3* native = *static_cast<sqlite3* const*>(handle.constData());
    if (!native)
        return nullptr;
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("SELECT sqlite_version()")) || !version.next() ||
        version.value(0).toString() != QString::fromLatin1(sqlite3_libversion()))
        return nullptr;
    return native;
}

class SqliteStatement final : public Statement
{
public:
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : m_db(db), m_statement(statement) {}
    ~SqliteStatement() override { sqlite3_finalize(m_statement); }

    void bindText(int index, QByteArrayView utf8) override
    {
        // Empty text stays text: a null pointer would bind NULL.
        sqlite3_bind_text(m_statement, index, utf8.data() ? utf8.data() : "", int(utf8.size()),
                          SQLITE_STATIC);
    }
    void bindBlob(int index, QByteArrayView bytes) override
    {
        sqlite3_bind_blob64(m_statement, index, bytes.data() ? bytes.data() : "",
                            sqlite3_uint64(bytes.size()), SQLITE_STATIC);
    }
    void bindInteger(int index, qint64 value) override
    {
        sqlite3_bind_int64(m_statement, index, value);
    }
    Step step() override
    {
        if (!m_statement)
            return Step::Failed;
        const int rc = sqlite3_step(m_statement);
        return rc == SQLITE_ROW ? Step::Row : rc == SQLITE_DONE ? Step::Done : Step::Failed;
    }
    std::pair<int, QString> error() const override
    {
        return {sqlite3_errcode(m_db), errorOf(m_db)};
    }
    void reset() override { sqlite3_reset(m_statement); }
    ColumnType type(int column) const override
    {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return ColumnType::Integer;
        case SQLITE_FLOAT:
            return ColumnType::Real;
        case SQLITE_BLOB:
            return ColumnType::Blob;
        case SQLITE_NULL:
            return ColumnType::Null;
        default:
            return ColumnType::Text;
        }
    }
    QByteArrayView bytes(int column) const override
    {
        const void* data = sqlite3_column_type(m_statement, column) == SQLITE_BLOB
                               ? sqlite3_column_blob(m_statement, column)
                               : static_cast<const void*>(sqlite3_column_text(m_statement, column));
        return QByteArrayView(static_cast<const char*>(data),
                              sqlite3_column_bytes(m_statement, column));
    }
    qint64 integer(int column) const override { return sqlite3_column_int64(m_statement, column); }
    QVariant value(int column) const override
    {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return qlonglong(sqlite3_column_int64(m_statement, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_statement, column);
        case SQLITE_BLOB:
            return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_statement, column)),
                              sqlite3_column_bytes(m_statement, column));
        case SQLITE_NULL:
            return QVariant(QMetaType::fromType<QString>());
        default:
            return QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
                sqlite3_column_bytes(m_statement, column));
        }
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement;
};

std::unique_ptr<Statement> prepareOn(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* raw = nullptr;
    const QByteArray text = sql.toUtf8();
    sqlite3_prepare_v2(db, text.constData(), int(text.size()), &raw, nullptr);
    if (!raw)
        return nullptr;
    return std::make_unique<SqliteStatement>(db, raw);
}

class SqliteFile final : public File
{
public:
    explicit SqliteFile(sqlite3* db) : m_db(db) {}
    ~SqliteFile() override { sqlite3_close_v2(m_db); }
    sqlite3* handle() const { return m_db; }

    std::unique_ptr<Statement> prepare(const QString& sql) override { return prepareOn(m_db, sql); }
    bool exec(const QString& sql) override
    {
        return sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    QString error() const override { return errorOf(m_db); }
    Problem problem() const override { return problemOfCode(sqlite3_errcode(m_db)); }

    QString integrity(const QString& schemaName) override
    {
        std::unique_ptr<Statement> s = prepare(QStringLiteral("PRAGMA %1.integrity_check")
                                                   .arg(database::quotedIdentifier(schemaName)));
        if (!s)
            return error();
        QStringList found;
        while (s->step() == Statement::Step::Row)
            found << QString::fromUtf8(s->bytes(0));
        if (found.isEmpty())
            return error();
        return found.join(QStringLiteral("; "));
    }

    bool hasTable(const QString& schemaName, const TableSpec& layout) override
    {
        std::unique_ptr<Statement> s =
            prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1, ?2)"));
        if (!s)
            return false;
        const QByteArray table = layout.table.toUtf8();
        const QByteArray schema = schemaName.toUtf8();
        s->bindText(1, table);
        s->bindText(2, schema);
        QStringList names;
        while (s->step() == Statement::Step::Row)
            names << QString::fromUtf8(s->bytes(0)).toLower();
        for (const QString& field : layout.fieldNames()) {
            if (!names.contains(field.toLower()))
                return false;
        }
        return true;
    }

    TableShape shapeOf(const QString& schemaName, const QString& table) override
    {
        TableShape shape;
        std::unique_ptr<Statement> s =
            prepare(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?1, ?2) "
                                   "ORDER BY cid"));
        if (!s)
            return shape;
        const QByteArray name = table.toUtf8();
        const QByteArray schema = schemaName.toUtf8();
        s->bindText(1, name);
        s->bindText(2, schema);
        QMap<int, database::KeyPart> key;
        while (s->step() == Statement::Step::Row) {
            shape.columns << QString::fromUtf8(s->bytes(0));
            if (const qint64 pk = s->integer(2); pk > 0)
                key.insert(int(pk),
                           {QString::fromUtf8(s->bytes(0)),
                            QString::fromUtf8(s->bytes(1))
                                    .compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0});
        }
        shape.primaryKey = key.values();
        shape.hasRowid = bool(prepare(
            QStringLiteral("SELECT rowid FROM %1.%2 LIMIT 0")
                .arg(database::quotedIdentifier(schemaName), database::quotedIdentifier(table))));
        return shape;
    }

    bool attachImage(const QString& alias, const QByteArray& image) override
    {
        // A writable copy: BEGIN IMMEDIATE locks every attached database.
        auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(sqlite3_uint64(image.size())));
        if (bytes)
            std::memcpy(bytes, image.constData(), size_t(image.size()));
        if (!bytes ||
            !exec(QStringLiteral("ATTACH ':memory:' AS %1").arg(database::quotedIdentifier(alias))))
            return false;
        return sqlite3_deserialize(
                   m_db, alias.toUtf8().constData(), bytes, image.size(), image.size(),
                   SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) == SQLITE_OK;
    }

    void setBusyWait(int ms) override { sqlite3_busy_timeout(m_db, ms); }

private:
    sqlite3* m_db;
};

int retry(void* wait, int count)
{
    return static_cast<BusyWait*>(wait)->retry(count) ? 1 : 0;
}

class SqliteFiles final : public FileEngine
{
public:
    Problem problemOf(int nativeCode) const override { return problemOfCode(nativeCode); }

    std::unique_ptr<Statement> prepare(const QSqlDatabase& db, const QString& sql) const override
    {
        sqlite3* native = nativeHandle(db);
        if (!native)
            return nullptr;
        sqlite3_stmt* raw = nullptr;
        sqlite3_prepare_v2(native, sql.toUtf8().constData(), -1, &raw, nullptr);
        return std::make_unique<SqliteStatement>(native, raw);
    }

    void takeOverWaits(const QSqlDatabase& db, BusyWait& wait) const override
    {
        if (sqlite3* native = nativeHandle(db))
            sqlite3_busy_handler(native, &retry, &wait);
    }

    Expected<std::unique_ptr<File>> openFile(const QString& path, Open mode) const override
    {
        return open(path, mode == Open::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    }

    Expected<QByteArray> imageOf(const QString& path) const override
    {
        if (database::probe(path) != database::FileKind::Sqlite)
            return Outcome::failure(
                QCoreApplication::translate("engine", "%1 is missing or not an SQLite database.")
                    .arg(path));
        // Read-write, so a journal left by a killed writer is rolled back first.
        Expected<std::unique_ptr<File>> source = open(path, SQLITE_OPEN_READWRITE);
        Expected<std::unique_ptr<File>> copy =
            open(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE);
        if (!source || !copy)
            return Outcome::failure(QCoreApplication::translate("engine", "%1 cannot be read: %2")
                                        .arg(path, !copy ? copy.error() : source.error()));
        sqlite3* to = static_cast<SqliteFile&>(**copy).handle();
        sqlite3_backup* b =
            sqlite3_backup_init(to, "main", static_cast<SqliteFile&>(**source).handle(), "main");
        if (!b)
            return Outcome::failure(QCoreApplication::translate("engine", "%1 cannot be read: %2")
                                        .arg(path, errorOf(to)));
        int rc = SQLITE_OK;
        // A writer holds the file only for the moment of one write; wait it out.
        for (int tries = 0; tries < 100; ++tries) {
            rc = sqlite3_backup_step(b, -1);
            if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
                break;
            QThread::msleep(50);
        }
        sqlite3_backup_finish(b);
        if (rc != SQLITE_DONE)
            return Outcome::failure(QCoreApplication::translate("engine", "%1 cannot be read: %2")
                                        .arg(path, QString::fromUtf8(sqlite3_errstr(rc))));
        sqlite3_int64 size = 0;
        unsigned char* bytes = sqlite3_serialize(to, "main", &size, 0);
        if (!bytes)
            return Outcome::failure(
                QCoreApplication::translate("engine", "%1 is too large to copy.").arg(path));
        QByteArray image(reinterpret_cast<const char*>(bytes), qsizetype(size));
        sqlite3_free(bytes);
        return image;
    }

    std::unique_ptr<File> openImage(QByteArray& image) const override
    {
        Expected<std::unique_ptr<File>> db =
            open(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE);
        if (!db || sqlite3_deserialize(static_cast<SqliteFile&>(**db).handle(), "main",
                                       reinterpret_cast<unsigned char*>(image.data()), image.size(),
                                       image.size(), SQLITE_DESERIALIZE_READONLY) != SQLITE_OK)
            return nullptr;
        return std::move(*db);
    }

private:
    static Expected<std::unique_ptr<File>> open(const QString& path, int flags)
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
        auto file = std::make_unique<SqliteFile>(raw);
        if (rc != SQLITE_OK)
            return Outcome::failure(raw ? errorOf(raw) : QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_busy_timeout(raw, 5000);
        return std::unique_ptr<File>(std::move(file));
    }
};

} // namespace

const FileEngine& files()
{
    static const SqliteFiles sqlite;
    return sqlite;
}

} // namespace engine
