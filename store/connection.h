#pragma once

#include "database.h"
#include "outcome.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace store {

// One connection of Qt's driver, opened through database::connect under a
// name of its own and removed when it goes out of scope. Access::ReadWrite
// opens an existing database only, after telling what kind of file it is
// (database::open); the other accesses open the path as they say, waiting
// busyWaitMs for a busy file when it is not 0 (see database::connect).
class Connection
{
public:
    // prefix starts the connection's name, so a leftover one tells whose it was.
    Connection(const store::Database& path, const QString& prefix, database::Access access,
               int busyWaitMs = 0);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Success, or why the database could not be opened, naming it.
    const Outcome& opened() const { return m_opened; }
    bool ok() const { return m_opened.ok(); }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    const store::Database& path() const { return m_path; }
    const QString& name() const { return m_name; }
    // What a failed statement on the connection means, naming the database.
    QString why(const QSqlError& error) const { return database::plainError(error, m_path); }

private:
    store::Database m_path;
    QString m_name;
    Outcome m_opened = Outcome::success();
};

} // namespace store
