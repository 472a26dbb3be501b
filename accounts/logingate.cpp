#include "logingate.h"

#include "pinhash.h"
#include "recordcursor.h"
#include "server.h"
#include "serversetup.h"

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
    // On a shared server the server checks the PIN: no login may read the digests.
    if (server::isServerPath(m_view.path()))
        return serversetup::pinAccepted(m_view.field(0), pin).value_or(false);
    return pin == m_view.field(1);
}
