#pragma once

#include "connection.h"
#include "location.h"
#include "outcome.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <optional>

namespace store {

// One holder at a time for a named claim on a location: a lock file in the
// data folder (taken over when the process that held it died on this PC),
// or the server's advisory lock for the building, held by a connection of
// its own. Released when destroyed.
class Claim
{
public:
    // name names the lock file (name.lock) and the server's lock.
    Claim(const Location& location, const QString& name);
    ~Claim();
    Q_DISABLE_COPY_MOVE(Claim)

    enum class Taken {
        Yes,
        // By the process and PC holder() names: a lock file tells.
        HeldByProcess,
        // By a connection to the building's server, which does not say whose.
        HeldOnServer,
        // The lock file cannot be made (lockFile() names it).
        LockNotMade,
    };
    // How it went; a failure when the server cannot be asked, naming it.
    [[nodiscard]] Expected<Taken> take();

    struct Holder
    {
        qint64 pid = 0;
        QString pc;
    };
    const Holder& holder() const { return m_holder; }
    QString lockFile() const { return m_lock ? m_lock->fileName() : QString(); }

private:
    Expected<Taken> takeOnServer();

    Location m_location;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<Connection> m_connection;
    Holder m_holder;
};

} // namespace store
