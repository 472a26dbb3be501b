#include "transaction.h"

#include "engine/databaseengine.h"

#include <QSqlQuery>

namespace store {

Transaction::Transaction(const QSqlDatabase& db) : Transaction(db, engine::of(db).beginWrite()) {}

Transaction::Transaction(const QSqlDatabase& db, const QString& begin)
    : Transaction(db, QStringList{begin})
{
}

Transaction::Transaction(const QSqlDatabase& db, const QStringList& begin) : m_db(db)
{
    QSqlQuery query(m_db);
    for (const QString& statement : begin) {
        if (!query.exec(statement)) {
            m_error = query.lastError();
            // Begun, but what was to follow the beginning failed.
            rollback();
            return;
        }
        m_active = true;
    }
}

Transaction Transaction::snapshot(const QSqlDatabase& db)
{
    return Transaction(db, engine::of(db).beginSnapshot());
}

Transaction::Transaction(Transaction&& other) noexcept
    : m_db(other.m_db), m_active(other.m_active), m_error(other.m_error)
{
    other.m_active = false;
}

Transaction::~Transaction()
{
    rollback();
}

Outcome Transaction::commit()
{
    if (!m_active)
        return Outcome::failure(m_error.text());
    QSqlQuery query(m_db);
    if (!query.exec(engine::DatabaseEngine::commit())) {
        m_error = query.lastError();
        return Outcome::failure(m_error.text());
    }
    m_active = false;
    return Outcome::success();
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    QSqlQuery(m_db).exec(engine::DatabaseEngine::rollback());
}

} // namespace store
