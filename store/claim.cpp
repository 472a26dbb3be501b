#include "claim.h"

#include "schema.h"

#include <QSqlQuery>

namespace store {

Claim::Claim(const Location& location, const QString& name) : m_location(location), m_name(name) {}

Claim::~Claim() = default;

Expected<Claim::Taken> Claim::take()
{
    if (m_location.isBuilding())
        return takeOnServer();
    m_lock = std::make_unique<QLockFile>(m_location.folderPath() + QLatin1Char('/') + m_name +
                                         QStringLiteral(".lock"));
    // A lock left by a process that died on this PC is taken over.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Taken::Yes;
    QString application;
    if (m_lock->error() == QLockFile::LockFailedError &&
        m_lock->getLockInfo(&m_holder.pid, &m_holder.pc, &application))
        return Taken::HeldByProcess;
    return Taken::LockNotMade;
}

Expected<Claim::Taken> Claim::takeOnServer()
{
    // The lock lives as long as this connection.
    m_connection =
        std::make_unique<Connection>(m_location.database(schema::kDirectoryFile),
                                     QStringLiteral("quorvane-claim"), database::Access::AsFound);
    if (!m_connection->ok())
        return m_connection->opened();
    QSqlQuery q(m_connection->db());
    if (!database::execute(q,
                           QStringLiteral("SELECT pg_try_advisory_lock(hashtext(?), "
                                          "hashtext(current_schema()))"),
                           {m_name}) ||
        !q.next())
        return Outcome::failure(m_connection->why(q.lastError()));
    return q.value(0).toBool() ? Taken::Yes : Taken::HeldOnServer;
}

} // namespace store
