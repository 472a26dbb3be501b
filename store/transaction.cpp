#include "transaction.h"

#include "engine/databaseengine.h"

#include <QSqlQuery>

namespace store {

Transaction::Transaction(const QSqlDatabase& db) : Transaction(db, engine::of(db).beginWrite()) {}

Transaction::Transaction(const QSqlDatabase& db, const QString& begin) : m_db(db)
{
    QSqlQuery query(m_db);
    m_active = query.exec(begin);
    if (!m_active)
        m_error = query.lastError();
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
    if (!query.exec(QStringLiteral("COMMIT"))) {
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
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
}

} // namespace store
