#include "operatoreditor.h"

#include "operatorlimits.h"
#include "operatorview.h"

Outcome OperatorEditor::moved(bool pending, const Outcome& outcome) const
{
    return pending ? outcome : Outcome::success();
}

Outcome OperatorEditor::allowed() const
{
    if (!m_view.currentPending())
        return Outcome::success();
    // Only what was typed is judged: an old operator whose stored name the
    // box could not take may still be given a new PIN.
    const auto typed = [&](int column) {
        return m_view.fieldChanged(column) ? m_view.field(column) : QString();
    };
    return operatorlimits::check(typed(OperatorView::kUser), typed(OperatorView::kPassword));
}

bool OperatorEditor::showsOperator() const
{
    return m_view.hasCurrent() && !m_view.isDeleted(m_view.currentIndex());
}

Outcome OperatorEditor::first()
{
    if (Outcome ok = allowed(); !ok)
        return ok;
    const bool pending = m_view.currentPending();
    return moved(pending, m_view.moveFirst());
}

Outcome OperatorEditor::next()
{
    if (m_view.eof())
        return first();
    if (Outcome ok = allowed(); !ok)
        return ok;
    const bool pending = m_view.currentPending();
    if (Outcome outcome = m_view.moveNext(); !outcome)
        return moved(pending, outcome);
    if (m_view.eof())
        return first();
    return Outcome::success();
}

Outcome OperatorEditor::remove()
{
    if (!showsOperator())
        return Outcome::success();
    if (Outcome deleted = m_view.deleteCurrent(); !deleted)
        return deleted;
    return m_view.moveNext();
}

Outcome OperatorEditor::edit(int column, const QString& text)
{
    return m_view.setField(column, text);
}

Outcome OperatorEditor::finish()
{
    if (Outcome ok = allowed(); !ok)
        return ok;
    return m_view.close();
}

void OperatorEditor::discard()
{
    m_view.cancelBatch();
    // Nothing is left to write, so closing cannot be refused.
    static_cast<void>(m_view.close());
}
