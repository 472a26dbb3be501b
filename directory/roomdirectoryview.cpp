#include "roomdirectoryview.h"

#include "database.h"

RoomDirectoryView::RoomDirectoryView(QObject* parent)
    : RecordCursor(schema::directoryTable(), parent)
{
    setObjectName(QStringLiteral("datPrimaryRS"));
}

void RoomDirectoryView::recordAs(const changerecord::Actor& who)
{
    setChangeRecorder(std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Rooms, who, layout().fieldNames()));
}

Outcome RoomDirectoryView::openIn(const store::Location& location)
{
    return open(location.database(schema::kDirectoryFile));
}

RoomRecord RoomDirectoryView::currentRoom() const
{
    return {field(kRoom), field(kTel1), field(kTel2), field(kTel3)};
}

Outcome RoomDirectoryView::updateAll()
{
    if (!isOpen()) {
        return Outcome::failure(
            tr("Nothing can be saved: the database file %1 is not open.")
                .arg(path().path().isEmpty() ? schema::kDirectoryFile : path().describe()));
    }
    return updateBatch();
}

Outcome RoomDirectoryView::moveToEnd()
{
    if (eof())
        return Outcome::success();
    // Moving on from the last row writes the row being left, like any move.
    if (currentIndex() < rowCount() - 1) {
        if (Outcome last = moveLast(); !last)
            return last;
        if (eof())
            return Outcome::success();
    }
    return moveNext();
}

bool RoomDirectoryView::operatorStep(Step step)
{
    // The bar's buttons stay on the first or last row instead of leaving the
    // rows; on an empty view they have nowhere to go.
    if (rowCount() == 0)
        return true;
    switch (step) {
    case Step::First:
        return raised(moveFirst());
    case Step::Previous:
        return raised(currentIndex() <= 0 ? moveFirst() : movePrevious());
    case Step::Next:
        return raised(currentIndex() >= rowCount() - 1 ? moveLast() : moveNext());
    case Step::Last:
        return raised(moveLast());
    }
    return true;
}

bool RoomDirectoryView::operatorMoveTo(int row)
{
    if (row >= rowCount())
        return raised(moveToEnd());
    return raised(moveTo(row));
}

bool RoomDirectoryView::operatorAddRow(int column, const QString& value)
{
    if (!raised(addNew()))
        return false;
    return raised(setField(column, value));
}

bool RoomDirectoryView::raised(const Outcome& outcome)
{
    if (!outcome)
        emit error(outcome.description());
    return outcome.ok();
}
