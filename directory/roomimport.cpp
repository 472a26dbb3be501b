#include "roomimport.h"

#include "database.h"
#include "roomcsv.h"
#include "schema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace roomimport {

namespace {

// A connection of database::open, closed when the scope ends.
class Connection
{
public:
    explicit Connection(const QString& path)
        : m_name(database::uniqueConnectionName(QStringLiteral("roomimport")))
    {
        m_opened = database::open(path, m_name);
        if (m_opened)
            m_opened = database::checkTable(db(), schema::directoryTable(), path);
    }
    ~Connection() { database::close(m_name); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const Outcome& opened() const { return m_opened; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    Outcome m_opened = Outcome::success();
};

const QString kSelect =
    QStringLiteral("SELECT rowid, Room, TEL1, TEL2, TEL3 FROM Room_tel ORDER BY rowid");

// The connection's sqlite3 handle when the driver shares our SQLite library.
sqlite3* nativeHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3* native = *static_cast<sqlite3* const*>(handle.constData());
    QSqlQuery version(db);
    if (!native || !version.exec(QStringLiteral("SELECT sqlite_version()")) || !version.next() ||
        version.value(0).toString() != QString::fromLatin1(sqlite3_libversion()))
        return nullptr;
    return native;
}

// One statement run for many rows: straight through SQLite when the driver
// shares our library, since a QSqlQuery costs several times as much a row and
// a directory may hold 100,000 rooms.
class Statement
{
public:
    Statement(const QSqlDatabase& db, sqlite3* native, const QString& sql)
        : m_native(native), m_query(db)
    {
        m_query.setForwardOnly(true);
        if (m_native)
            sqlite3_prepare_v2(m_native, sql.toUtf8().constData(), -1, &m_statement, nullptr);
        else
            m_query.prepare(sql);
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binds values and runs the statement up to its first row.
    bool run(const QVariantList& values = {})
    {
        m_pending = false;
        if (!m_native) {
            for (int i = 0; i < values.size(); ++i)
                m_query.bindValue(i, values[i]);
            return m_query.exec();
        }
        if (!m_statement)
            return false;
        sqlite3_reset(m_statement);
        for (int i = 0; i < values.size(); ++i) {
            if (values[i].typeId() == QMetaType::LongLong) {
                sqlite3_bind_int64(m_statement, i + 1, values[i].toLongLong());
            } else {
                const QByteArray text = values[i].toString().toUtf8();
                sqlite3_bind_text(m_statement, i + 1, text.constData(), int(text.size()),
                                  SQLITE_TRANSIENT);
            }
        }
        const int rc = sqlite3_step(m_statement);
        m_pending = rc == SQLITE_ROW;
        return rc == SQLITE_ROW || rc == SQLITE_DONE;
    }
    bool next()
    {
        if (!m_native)
            return m_query.next();
        if (m_pending) {
            m_pending = false;
            return true;
        }
        return m_statement && sqlite3_step(m_statement) == SQLITE_ROW;
    }
    QString text(int column) const
    {
        if (!m_native)
            return m_query.value(column).toString();
        return QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
            sqlite3_column_bytes(m_statement, column));
    }
    qint64 integer(int column) const
    {
        return m_native ? sqlite3_column_int64(m_statement, column)
                        : m_query.value(column).toLongLong();
    }
    RoomRecord record() const { return {text(1), text(2), text(3), text(4)}; }
    QString error() const
    {
        return m_native ? QString::fromUtf8(sqlite3_errmsg(m_native)) : m_query.lastError().text();
    }

private:
    sqlite3* m_native = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QSqlQuery m_query;
    bool m_pending = false;
};

} // namespace

Outcome readDirectory(const QString& path, QList<RoomRecord>& rooms)
{
    rooms.clear();
    Connection connection(path);
    if (!connection.opened())
        return connection.opened();
    const QSqlDatabase db = connection.db();
    Statement select(db, nativeHandle(db), kSelect);
    if (!select.run())
        return Outcome::failure(QStringLiteral("The room directory in %1 cannot be read: %2")
                                    .arg(path, select.error()));
    while (select.next())
        rooms << select.record();
    return Outcome::success();
}

Outcome write(const QString& path, const QList<RoomRecord>& rooms, bool replace, Written* written)
{
    Written counts;
    Connection connection(path);
    if (!connection.opened())
        return connection.opened();
    const QSqlDatabase db = connection.db();
    sqlite3* native = nativeHandle(db);
    auto fail = [&](const QString& what, const QString& why) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Outcome::failure(
            QStringLiteral("%1: %2. Nothing was written; the room directory is as it was.")
                .arg(what, why));
    };
    // IMMEDIATE takes the write lock before anything is read, so the rows
    // compared below are the rows the writes meet.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Outcome::failure(
            QStringLiteral("The room directory in %1 cannot be written now: %2. Nothing was "
                           "written.")
                .arg(path, begin.lastError().text()));

    QHash<QString, QList<QPair<qint64, RoomRecord>>> stored;
    {
        Statement select(db, native, kSelect);
        if (!select.run())
            return fail(QStringLiteral("The room directory cannot be read"), select.error());
        while (select.next()) {
            if (replace)
                ++counts.removed;
            else
                stored[select.text(1)] << qMakePair(select.integer(0), select.record());
        }
    }
    if (replace) {
        Statement empty(db, native, QStringLiteral("DELETE FROM Room_tel"));
        if (!empty.run())
            return fail(QStringLiteral("The room directory cannot be emptied"), empty.error());
    }

    Statement insert(db, native,
                     QStringLiteral("INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) "
                                    "VALUES (?, ?, ?, ?)"));
    Statement update(db, native,
                     QStringLiteral("UPDATE Room_tel SET TEL1 = ?, TEL2 = ?, TEL3 = ? "
                                    "WHERE rowid = ?"));
    for (const RoomRecord& r : rooms) {
        const auto found = stored.constFind(r.Room);
        if (found == stored.cend()) {
            if (!insert.run({r.Room, r.TEL1, r.TEL2, r.TEL3}))
                return fail(QStringLiteral("Room %1 cannot be added").arg(r.Room), insert.error());
            ++counts.added;
            continue;
        }
        bool changed = false;
        for (const auto& [key, old] : *found) {
            if (old == r)
                continue;
            if (!update.run({r.TEL1, r.TEL2, r.TEL3, key}))
                return fail(QStringLiteral("Room %1 cannot be changed").arg(r.Room),
                            update.error());
            changed = true;
        }
        ++(changed ? counts.changed : counts.unchanged);
    }
    QSqlQuery commit(db);
    if (!commit.exec(QStringLiteral("COMMIT")))
        return fail(QStringLiteral("The room directory cannot be written"),
                    commit.lastError().text());
    if (written)
        *written = counts;
    return Outcome::success();
}

Outcome exportCsv(const QString& path, QByteArray& csv)
{
    QList<RoomRecord> rooms;
    if (Outcome read = readDirectory(path, rooms); !read)
        return read;
    csv = roomcsv::write(rooms);
    return Outcome::success();
}

} // namespace roomimport
