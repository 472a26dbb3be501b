#pragma once

#include "outcome.h"

#include <QString>

class RecordCursor;

// Adds one operator through an operator view: a new row is prepared at the
// end, then either saved with the typed name and PIN or removed again.
class OperatorAdder
{
public:
    explicit OperatorAdder(RecordCursor& view) : m_view(view) {}

    // Moves to the last row and appends an empty one; an empty table gets the
    // new row all the same.
    Outcome begin();
    // Writes the name and PIN into the new row and saves it. A refusal (a
    // value wider than the table takes) keeps the row and its values.
    Outcome save(const QString& name, const QString& pin);
    // Removes the new row and moves to the first row.
    Outcome cancel();

private:
    RecordCursor& m_view;
};
