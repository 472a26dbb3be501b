#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal for serial tests: the master side plays the door unit,
// and an extra handle on the device side watches the line settings as the
// device sees them (it also keeps the line up, as a monitor program does).
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isValid() const { return m_master >= 0 && m_watcher >= 0; }
    QString devicePath() const { return m_path; }
    int master() const { return m_master; }
    int watcher() const { return m_watcher; }

    // Everything that arrives on the master side within waitMs of quiet.
    QByteArray readAll(int waitMs = 100);
    void closeMaster();

private:
    int m_master = -1;
    int m_watcher = -1;
    QString m_path;
};
