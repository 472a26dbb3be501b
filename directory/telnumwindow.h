#pragma once

#include "busyindicator.h"
#include "closepolicy.h"
#include "roomdirectoryview.h"
#include "roomrecord.h"

#include <QWidget>

#include <functional>

class DataControl;
class MessageSink;
class QLineEdit;
class QPushButton;
class RoomGrid;
class RoomTableModel;

// tel_num: the room directory in a grid with its record view's bar and the
// Add, Update, Delete, Refresh and Close buttons. The grid and the record
// cursor are one: the grid's current row is always the cursor's.
class TelNumWindow : public QWidget
{
    Q_OBJECT

public:
    // Loading opens the cursor, which its owner keeps, on the directory
    // database of the location; a failure is shown as a data error. The cursor
    // must stay until released().
    TelNumWindow(RoomDirectoryView& cursor, const store::Location& location, MessageSink& messages,
                 QWidget* parent = nullptr);
    ~TelNumWindow() override;

    RoomDirectoryView& datPrimaryRS() { return m_cursor; }
    // The hidden fields Text1..Text4: the current row as the window shows it.
    RoomRecord boundFields() const;
    RoomGrid* grid() const { return m_grid; }
    RoomTableModel* model() const { return m_model; }
    // What the program asks of the window, so it need not reach into the grid.
    void focusGrid();
    // A note a row: a mark with the note as tooltip (see RoomTableModel).
    void setRowNotes(std::function<QString(int)> notes);
    void notesChanged();

    // Set once closed; a closed window is never shown again.
    bool isUnloaded() const { return m_unloaded; }
    // The program ends whatever this window says; closing then only tells
    // the operator what could not be saved.
    void setProgramEnding(bool ending) { m_programEnding = ending; }

    QSize sizeHint() const override;

    // Where the window says that another program holds the room file.
    void setWaitShown(BusyIndicator::Show show) { m_busy.setShow(std::move(show)); }
    // Where a remark on a read that worked goes (a status bar), never a box.
    void setNoteShown(BusyIndicator::Show show) { m_noteShown = std::move(show); }

    // As the Refresh button: reads the table again, after an import or a
    // restore; an unwritten edit is written first or refused, never dropped.
    void refresh() { refreshRooms(); }

signals:
    // The window goes: nothing reads the cursor any more, so its owner may
    // let it go while the window's wait indicator is still there.
    void released();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The constructor's steps: the grid, the data bar and the buttons under
    // it, and what the window does as the cursor moves.
    void buildGrid();
    void buildControls();
    void followCursorSignals();
    void addRoom();
    void updateRooms();
    void deleteRoom();
    void refreshRooms();
    void closeWindow();
    bool shown(const Outcome& outcome);
    void showDataError(const QString& description);
    QString staleAdvice();
    void followCursor();
    void showCurrentFields();
    int gridWantsRow(int row);
    QString unsavedRowLabel() const;
    bool hasPendingRow() const;

    MessageSink& m_messages;
    // Told of every wait of the cursor until released().
    BusyIndicator m_busy;
    BusyIndicator::Show m_noteShown;
    RoomDirectoryView& m_cursor;
    RoomTableModel* m_model = nullptr;
    RoomGrid* m_grid = nullptr;
    DataControl* m_bar = nullptr;
    QWidget* m_buttons = nullptr;
    QLineEdit* m_fields[4] = {};
    int m_gridHeight = 0;
    bool m_unloaded = false;
    bool m_programEnding = false;
    ClosePolicy m_closePolicy;
    bool m_refreshRefused = false;
};
