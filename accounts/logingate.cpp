#include "logingate.h"

#include "operatorview.h"
#include "pinhash.h"
#include "serversetup.h"

bool LoginGate::lookUp(const QString& name)
{
    if (!m_view.moveFirst())
        return false;
    for (;;) {
        if (name == m_view.field(0))
            return true;
        // The view only reads, so a move is refused only when the table
        // cannot be read: the name is then not found.
        if (!m_view.moveNext())
            return false;
        if (m_view.eof()) {
            // Back on the first row, as the dialog leaves it; the answer is
            // that the name is not there, whether or not the move succeeds.
            static_cast<void>(m_view.moveFirst());
            return false;
        }
    }
}

bool LoginGate::acceptsPin(const QString& pin) const
{
    if (!m_view.hasCurrent())
        return false;
    // On a shared server the server checks the PIN: no login may read the digests.
    if (m_view.location().serverChecksPins())
        return serversetup::pinAccepted(m_view.location(), m_view.field(0), pin).value_or(false);
    return pin == m_view.field(1);
}
