#include "operatoradder.h"

#include "operatorlimits.h"
#include "operatorview.h"

Outcome OperatorAdder::begin()
{
    // With no row left the move has nowhere to go; the new row is appended
    // anyway. A row that cannot be saved on leaving is refused by addNew too.
    static_cast<void>(m_view.moveLast());
    return m_view.addNew();
}

Outcome OperatorAdder::save(const QString& name, const QString& pin)
{
    if (Outcome allowed = operatorlimits::check(name, pin); !allowed)
        return allowed;
    if (Outcome set = m_view.setField(OperatorView::kUser, name); !set)
        return set;
    if (Outcome set = m_view.setField(OperatorView::kPassword, pin); !set)
        return set;
    return m_view.updateBatch();
}

Outcome OperatorAdder::cancel()
{
    if (m_view.hasCurrent() && !m_view.isDeleted(m_view.currentIndex())) {
        if (Outcome deleted = m_view.deleteCurrent(); !deleted)
            return deleted;
    }
    // The new row was the only one: there is no first row to move to, and
    // that is no failure of the cancel.
    static_cast<void>(m_view.moveFirst());
    return Outcome::success();
}
