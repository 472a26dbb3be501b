#include "logingate.h"

#include "pinhash.h"
#include "recordcursor.h"
#include "server.h"

bool LoginGate::lookUp(const QString& name)
{
    if (!m_view.moveFirst())
        return false;
    for (;;) {
        if (name == m_view.field(0))
            return true;
        m_view.moveNext();
        if (m_view.eof()) {
            m_view.moveFirst();
            return false;
        }
    }
}

bool LoginGate::acceptsPin(const QString& pin) const
{
    if (!m_view.hasCurrent())
        return false;
    // On a shared server the table holds only a digest of each PIN.
    if (server::isServerPath(m_view.path()))
        return pinhash::matches(pin, m_view.field(1));
    return pin == m_view.field(1);
}
