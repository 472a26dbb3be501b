#pragma once

#include "recordcursor.h"
#include "roomrecord.h"

// datPrimaryRS: the one cursor over Room_tel (Room, TEL1, TEL2, TEL3) in
// table order. The directory window shows and edits it; the download walks it.
class RoomDirectoryView : public RecordCursor
{
    Q_OBJECT

public:
    enum Column { kRoom, kTel1, kTel2, kTel3 };

    explicit RoomDirectoryView(QObject* parent = nullptr);

    // Opens Room_tel in the directory database of the application directory.
    // A failure leaves the view empty.
    Outcome openIn(const store::Location& location);
    // Every write, and every row Refresh finds another program changed, is
    // recorded in the room file's change record as who's.
    void recordAs(const changerecord::Actor& who);

    // The current row; empty fields when no row is current.
    RoomRecord currentRoom() const;

    // Every write the view still holds; fails when the view is not open, as
    // there is then nothing it could write to.
    Outcome updateAll();

    // Leaves the current row for the place after the last row, where the
    // grid's new-row line stands.
    Outcome moveToEnd();

    // What the operator does in the grid and on the navigation bar. No
    // operation of the program is running then, so a refusal is raised as
    // error() as well as returned.
    enum class Step { First, Previous, Next, Last };
    bool operatorStep(Step step);
    // Row index, or rowCount() for the new-row line.
    bool operatorMoveTo(int row);
    // Starts a new row with one typed value.
    bool operatorAddRow(int column, const QString& value);

private:
    bool raised(const Outcome& outcome);
};
