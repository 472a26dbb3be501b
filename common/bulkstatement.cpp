#include "bulkstatement.h"

#include "database.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>

#include <sqlite3.h>

sqlite3* database::nativeHandle(const QSqlDatabase& db)
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

BulkStatement::BulkStatement(const QSqlDatabase& db, const QString& sql)
    : m_native(database::nativeHandle(db)), m_query(db)
{
    m_query.setForwardOnly(true);
    if (m_native)
        sqlite3_prepare_v2(m_native, sql.toUtf8().constData(), -1, &m_statement, nullptr);
    else
        m_query.prepare(sql);
}

BulkStatement::~BulkStatement()
{
    sqlite3_finalize(m_statement);
}

bool BulkStatement::run(std::initializer_list<Value> values)
{
    Q_ASSERT(values.size() <= kMostValues);
    m_pending = false;
    m_failed = true;
    int i = 0;
    if (!m_native) {
        for (const Value& v : values)
            m_query.bindValue(i++, v.text ? QVariant(*v.text) : QVariant(v.integer));
        m_failed = !m_query.exec();
        return !m_failed;
    }
    if (!m_statement || values.size() > kMostValues)
        return false;
    sqlite3_reset(m_statement);
    for (const Value& v : values) {
        if (v.text) {
            QByteArray& buffer = m_buffers[size_t(i)];
            buffer.resize(m_encoder.requiredSpace(v.text->size()));
            const char* end = m_encoder.appendToBuffer(buffer.data(), *v.text);
            sqlite3_bind_text(m_statement, i + 1, buffer.constData(), int(end - buffer.constData()),
                              SQLITE_STATIC);
        } else {
            sqlite3_bind_int64(m_statement, i + 1, v.integer);
        }
        ++i;
    }
    const int rc = sqlite3_step(m_statement);
    m_pending = rc == SQLITE_ROW;
    m_failed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    return !m_failed;
}

bool BulkStatement::next()
{
    if (m_failed)
        return false;
    if (!m_native) {
        if (m_query.next())
            return true;
        m_failed = m_query.lastError().isValid();
        return false;
    }
    if (m_pending) {
        m_pending = false;
        return true;
    }
    const int rc = sqlite3_step(m_statement);
    m_failed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    return rc == SQLITE_ROW;
}

QString BulkStatement::text(int column) const
{
    if (!m_native)
        return m_query.value(column).toString();
    return QString::fromUtf8(
        reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column)),
        sqlite3_column_bytes(m_statement, column));
}

qint64 BulkStatement::integer(int column) const
{
    return m_native ? sqlite3_column_int64(m_statement, column)
                    : m_query.value(column).toLongLong();
}

RoomRecord BulkStatement::record(int first) const
{
    return {text(first), text(first + 1), text(first + 2), text(first + 3)};
}

QString BulkStatement::error(const QString& path) const
{
    if (!m_native)
        return database::plainError(m_query.lastError(), path);
    return database::plainError(sqlite3_errcode(m_native),
                                QString::fromUtf8(sqlite3_errmsg(m_native)), path);
}
