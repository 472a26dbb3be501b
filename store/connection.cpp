#include "connection.h"

namespace store {

Connection::Connection(const store::Database& path, const QString& prefix, database::Access access,
                       int busyWaitMs)
    : m_path(path), m_name(database::uniqueConnectionName(prefix))
{
    if (access == database::Access::ReadWrite) {
        m_opened = database::open(path, m_name);
    } else if (const QSqlError error = database::connect(path, m_name, access, busyWaitMs);
               error.isValid()) {
        m_opened = Outcome::failure(database::plainError(error, path));
    }
}

Connection::~Connection()
{
    database::close(m_name);
}

} // namespace store
