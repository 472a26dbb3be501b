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

bool BulkStatement::run(std::span<const Value> values)
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

namespace {

QString insertStatement(const QString& table, const QStringList& columns, int rows)
{
    QStringList quoted;
    for (const QString& column : columns)
        quoted << database::quotedIdentifier(column);
    const QString row = QLatin1Char('(') +
                        QStringList(columns.size(), QStringLiteral("?")).join(u", ") +
                        QLatin1Char(')');
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(database::quotedIdentifier(table), quoted.join(u", "),
             QStringList(rows, row).join(u", "));
}

} // namespace

BatchedInsert::BatchedInsert(const QSqlDatabase& db, const QString& table,
                             const QStringList& columns)
    : m_width(int(columns.size())), m_single(db, insertStatement(table, columns, 1))
{
    Q_ASSERT(columns.size() <= qsizetype(BulkStatement::kMostValues));
    m_together = engine::prepare(db, insertStatement(table, columns, kRowsTogether));
    if (m_together) {
        m_held.reserve(size_t(kRowsTogether * m_width));
        m_tags.reserve(size_t(kRowsTogether));
    }
}

BatchedInsert::~BatchedInsert() = default;

bool BatchedInsert::add(std::initializer_list<BulkStatement::Value> values, qint64 tag)
{
    Q_ASSERT(int(values.size()) == m_width);
    if (!m_together) {
        if (m_single.run(values))
            return true;
        m_failedTag = tag;
        return false;
    }
    for (const BulkStatement::Value& v : values) {
        Held held;
        held.from = m_bytes.size();
        if (v.isUtf8) {
            m_bytes.append(v.utf8);
        } else if (v.text) {
            m_bytes.resize(held.from + m_encoder.requiredSpace(v.text->size()));
            const char* end = m_encoder.appendToBuffer(m_bytes.data() + held.from, *v.text);
            m_bytes.truncate(end - m_bytes.constData());
        } else {
            held.integer = v.integer;
        }
        held.size = v.isUtf8 || v.text ? m_bytes.size() - held.from : -1;
        m_held.push_back(held);
    }
    m_tags.push_back(tag);
    return m_tags.size() < size_t(kRowsTogether) || writeTogether();
}

bool BatchedInsert::flush()
{
    return !m_together || m_tags.empty() || writeSingly();
}

bool BatchedInsert::writeTogether()
{
    m_together->reset();
    for (size_t i = 0; i < m_held.size(); ++i) {
        const Held& held = m_held[i];
        if (held.size < 0)
            m_together->bindInteger(int(i) + 1, held.integer);
        else
            m_together->bindText(int(i) + 1, QByteArrayView(m_bytes).sliced(held.from, held.size));
    }
    const bool failed = m_together->step() == engine::Statement::Step::Failed;
    m_together->reset();
    // A refused statement leaves none of its rows: written one at a time,
    // they tell which row it was.
    if (failed)
        return writeSingly();
    forgetHeld();
    return true;
}

bool BatchedInsert::writeSingly()
{
    const auto held = [this](size_t i) -> BulkStatement::Value {
        if (m_held[i].size < 0)
            return m_held[i].integer;
        return QByteArrayView(m_bytes).sliced(m_held[i].from, m_held[i].size);
    };
    bool ok = true;
    std::vector<BulkStatement::Value> values;
    for (size_t row = 0; ok && row < m_tags.size(); ++row) {
        values.clear();
        for (size_t i = row * size_t(m_width); i < (row + 1) * size_t(m_width); ++i)
            values.push_back(held(i));
        ok = m_single.run(values);
        if (!ok)
            m_failedTag = m_tags[row];
    }
    forgetHeld();
    return ok;
}

void BatchedInsert::forgetHeld()
{
    // Emptied, not let go: the next rows take the same room.
    m_held.clear();
    m_tags.clear();
    m_bytes.truncate(0);
}

QString BatchedInsert::error(const store::Database& database) const
{
    return m_single.error(database);
}
