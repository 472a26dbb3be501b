#pragma once

#include "outcome.h"

#include <QString>

class RecordCursor;

// Shows the operators one at a time through an operator view and changes or
// deletes the one shown. A change is saved when the view moves off its row
// and when the view closes.
class OperatorEditor
{
public:
    explicit OperatorEditor(RecordCursor& view) : m_view(view) {}

    // Shows the first operator (none on an empty table).
    Outcome first();
    // Shows the next operator, the first one after the last: a cycle. Typing
    // made while no operator is shown is dropped.
    Outcome next();
    // Deletes the operator shown and shows the following one, none after the
    // last. Does nothing while none is shown.
    Outcome remove();
    // A typed change to the operator shown; refused while none is shown.
    Outcome edit(int column, const QString& text);
    // Saves what is unsaved and closes the view; a refusal keeps it open.
    Outcome finish();
    // Drops what is unsaved and closes the view: the way out of a refused change.
    void discard();

    bool showsOperator() const;

private:
    // A move can fail only for want of rows, or when the row being left
    // cannot be saved; only the second is the operator's concern.
    Outcome moved(bool pending, const Outcome& outcome) const;
    // A typed change the login box could never take is refused before any move.
    Outcome allowed() const;

    RecordCursor& m_view;
};
