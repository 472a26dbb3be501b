#include "bulkstatement.h"

#include "database.h"
#include "engine/databaseengine.h"

#include <QSqlDatabase>
#include <QSqlError>

BulkStatement::BulkStatement(const QSqlDatabase& db, const QString& sql)
    : m_statement(engine::prepare(db, sql)), m_query(db)
{
    m_query.setForwardOnly(true);
    if (!m_statement)
        m_query.prepare(sql);
}

BulkStatement::~BulkStatement() = default;

bool BulkStatement::run(std::initializer_list<Value> values)
{
    Q_ASSERT(values.size() <= kMostValues);
    m_pending = false;
    m_failed = true;
    int i = 0;
    if (!m_statement) {
        for (const Value& v : values)
            m_query.bindValue(i++, v.text     ? QVariant(*v.text)
                                   : v.isUtf8 ? QVariant(QString::fromUtf8(v.utf8))
                                              : QVariant(v.integer));
        m_failed = !m_query.exec();
        return !m_failed;
    }
    if (values.size() > kMostValues)
        return false;
    m_statement->reset();
    for (const Value& v : values) {
        if (v.isUtf8) {
            m_statement->bindText(i + 1, v.utf8);
        } else if (v.text) {
            QByteArray& buffer = m_buffers[size_t(i)];
            buffer.resize(m_encoder.requiredSpace(v.text->size()));
            const char* end = m_encoder.appendToBuffer(buffer.data(), *v.text);
            m_statement->bindText(i + 1, QByteArrayView(buffer.constData(), end));
        } else {
            m_statement->bindInteger(i + 1, v.integer);
        }
        ++i;
    }
    const engine::Statement::Step step = m_statement->step();
    m_pending = step == engine::Statement::Step::Row;
    m_failed = step == engine::Statement::Step::Failed;
    return !m_failed;
}

bool BulkStatement::next()
{
    if (m_failed)
        return false;
    if (!m_statement) {
        if (m_query.next())
            return true;
        m_failed = m_query.lastError().isValid();
        return false;
    }
    if (m_pending) {
        m_pending = false;
        return true;
    }
    const engine::Statement::Step step = m_statement->step();
    m_failed = step == engine::Statement::Step::Failed;
    return step == engine::Statement::Step::Row;
}

QString BulkStatement::text(int column) const
{
    if (!m_statement)
        return m_query.value(column).toString();
    return QString::fromUtf8(m_statement->bytes(column));
}

qint64 BulkStatement::integer(int column) const
{
    return m_statement ? m_statement->integer(column) : m_query.value(column).toLongLong();
}

RoomRecord BulkStatement::record(int first) const
{
    return {text(first), text(first + 1), text(first + 2), text(first + 3)};
}

QString BulkStatement::error(const store::Database& database) const
{
    if (!m_statement)
        return database::plainError(m_query.lastError(), database);
    const auto [code, text] = m_statement->error();
    return database::plainError(code, text, database.path());
}
