#include "logingate.h"

#include "recordcursor.h"

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
    return m_view.hasCurrent() && pin == m_view.field(1);
}
