#pragma once

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// A pseudo-terminal for serial tests: the master side plays the door unit,
// and an extra handle on the device side watches the line settings as the
// device sees them (it also keeps the line up, as a monitor program does).
class PseudoTerminal
{
public:
    PseudoTerminal() : m_master(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC))
    {
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_path = QString::fromLocal8Bit(ptsname(m_master));
        m_watcher = ::open(ptsname(m_master), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    }
    ~PseudoTerminal()
    {
        ::close(m_watcher);
        closeMaster();
    }
    Q_DISABLE_COPY_MOVE(PseudoTerminal)

    bool isValid() const { return m_master >= 0 && m_watcher >= 0; }
    QString devicePath() const { return m_path; }
    int watcher() const { return m_watcher; }
    int master() const { return m_master; }
    // Everything that arrives on the master side until quietMs pass without a byte.
    QByteArray readAll(int quietMs = 100)
    {
        QByteArray data;
        char buffer[4096];
        for (pollfd p{m_master, POLLIN, 0}; poll(&p, 1, quietMs) > 0 && (p.revents & POLLIN);) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                break;
            data.append(buffer, n);
        }
        return data;
    }
    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master;
    int m_watcher = -1;
    QString m_path;
};
