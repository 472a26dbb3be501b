#include "recordcursor.h"

#include <QCoreApplication>

// Moving the current row: the moves a window offers, and what each may not do.

Outcome RecordCursor::moveFirst()
{
    return move(Move::First, 0);
}

Outcome RecordCursor::moveNext()
{
    return move(Move::Next, 0);
}

Outcome RecordCursor::movePrevious()
{
    return move(Move::Previous, 0);
}

Outcome RecordCursor::moveLast()
{
    return move(Move::Last, 0);
}

Outcome RecordCursor::moveTo(int index)
{
    return move(Move::To, index);
}

Outcome RecordCursor::move(Move kind, int index)
{
    emit WillMove();
    const bool leavingDropped = hasCurrent() && m_rows[m_current].dropsWhenLeft();
    const int live = rowCount() - (leavingDropped ? 1 : 0);
    if (Outcome possible = canMove(kind, index, live); !possible)
        return possible;
    if (kind == Move::To && index == m_current) {
        emit MoveComplete();
        return Outcome::success();
    }

    const int from = m_current;
    const Expected<bool> left = leaveCurrent();
    if (!left)
        return left.outcome();
    m_current = moveTarget(kind, index, from, *left);
    emit MoveComplete();
    return Outcome::success();
}

Outcome RecordCursor::canMove(Move kind, int index, int live) const
{
    switch (kind) {
    case Move::First:
    case Move::Last:
        if (live == 0)
            return Outcome::failure(
                (kind == Move::First
                     ? QCoreApplication::translate(
                           "RecordCursor", "There is no first row: the table %1 holds no rows.")
                     : QCoreApplication::translate(
                           "RecordCursor", "There is no last row: the table %1 holds no rows."))
                    .arg(layout().table));
        break;
    case Move::Next:
        if (eof())
            return Outcome::failure(
                m_rows.empty()
                    ? QCoreApplication::translate(
                          "RecordCursor", "There is no next row: the table %1 holds no rows.")
                          .arg(layout().table)
                    : QCoreApplication::translate("RecordCursor",
                                                  "There is no next row: the cursor already "
                                                  "stands after the last row."));
        break;
    case Move::Previous:
        if (bof())
            return Outcome::failure(
                m_rows.empty()
                    ? QCoreApplication::translate("RecordCursor",
                                                  "There is no previous row: the table %1 holds "
                                                  "no rows.")
                          .arg(layout().table)
                    : QCoreApplication::translate("RecordCursor",
                                                  "There is no previous row: the cursor already "
                                                  "stands before the first row."));
        break;
    case Move::To:
        if (index < 0 || index >= rowCount())
            return Outcome::failure(
                QCoreApplication::translate("RecordCursor", "There is no row %1 in the table %2.")
                    .arg(index + 1)
                    .arg(layout().table));
        break;
    }
    return Outcome::success();
}

int RecordCursor::moveTarget(Move kind, int index, int from, bool dropped) const
{
    int target = 0;
    switch (kind) {
    case Move::First:
        target = 0;
        break;
    case Move::Last:
        target = rowCount() - 1;
        break;
    case Move::Next:
        target = dropped ? from : from + 1;
        break;
    case Move::Previous:
        target = from - 1;
        break;
    case Move::To:
        target = dropped && index > from ? index - 1 : index;
        break;
    }
    return target;
}
