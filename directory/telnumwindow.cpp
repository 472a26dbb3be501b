#include "telnumwindow.h"

#include "datacontrol.h"
#include "messagesink.h"
#include "recordselectionmodel.h"
#include "roomgrid.h"
#include "roomtablemodel.h"
#include "songtifont.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcutEvent>

namespace {

constexpr double kInnerWidth = 10020;
constexpr double kInnerHeight = 5790;
constexpr double kGridDesignHeight = 3495;
constexpr double kBarHeight = 330;
constexpr double kGap = 30;
constexpr double kStripHeight = 300;
constexpr double kRoomColumnWidth = 1094.74;
constexpr double kTelephoneColumnWidth = 1454.74;

// A button whose access key (Alt+R) clicks it at once, as the mouse does.
// Qt's own answer to the key is a click shown for 100 ms and made only then,
// so a key pressed meanwhile (a move in the grid) went first and met the
// refusal again.
class AccessKeyButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut && isEnabled() &&
            !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

} // namespace

TelNumWindow::TelNumWindow(RoomDirectoryView& cursor, const store::Location& location,
                           MessageSink& messages, QWidget* parent)
    : QWidget(parent), m_messages(messages), m_cursor(cursor)
{
    setObjectName(QStringLiteral("tel_num"));
    setWindowTitle(QStringLiteral("Room_tel"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_cursor.setBusyWatcher(&m_busy);

    buildGrid();
    buildControls();
    followCursorSignals();

    m_gridHeight = twips::toPixels(kGridDesignHeight);
    resize(twips::size(kInnerWidth, kInnerHeight));
    // The view does not raise its own open's failure: the window shows it.
    if (Outcome opened = m_cursor.openIn(location); !opened)
        showDataError(opened.description());
}

void TelNumWindow::buildGrid()
{
    m_model = new RoomTableModel(m_cursor, this);
    m_grid = new RoomGrid(this);
    m_grid->setFont(songtiFont(9));
    m_grid->horizontalHeader()->setFont(songtiFont(9));
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setModel(m_model);
    m_grid->setSelectionModel(new RecordSelectionModel(
        m_model, [this](int row) { return gridWantsRow(row); }, m_grid));
    m_grid->setColumnWidth(RoomDirectoryView::kRoom, twips::toPixels(kRoomColumnWidth));
    for (int c : {RoomDirectoryView::kTel1, RoomDirectoryView::kTel2, RoomDirectoryView::kTel3})
        m_grid->setColumnWidth(c, twips::toPixels(kTelephoneColumnWidth));
}

void TelNumWindow::buildControls()
{
    m_bar = new DataControl(this);
    m_bar->setFont(songtiFont(9));
    connect(m_bar, &DataControl::firstClicked, this,
            [this] { m_cursor.operatorStep(RoomDirectoryView::Step::First); });
    connect(m_bar, &DataControl::previousClicked, this,
            [this] { m_cursor.operatorStep(RoomDirectoryView::Step::Previous); });
    connect(m_bar, &DataControl::nextClicked, this,
            [this] { m_cursor.operatorStep(RoomDirectoryView::Step::Next); });
    connect(m_bar, &DataControl::lastClicked, this,
            [this] { m_cursor.operatorStep(RoomDirectoryView::Step::Last); });

    m_buttons = new QWidget(this);
    m_buttons->setObjectName(QStringLiteral("picButtons"));
    QWidget* previous = m_grid;
    auto button = [&](const char* name, const QString& text, double left,
                      void (TelNumWindow::*run)()) {
        auto* b = new AccessKeyButton(text, m_buttons);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(twips::rect(left, 0, 1095, kStripHeight));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, run);
        setTabOrder(previous, b);
        previous = b;
    };
    button("cmdAdd", tr("Add(&A)"), 0, &TelNumWindow::addRoom);
    button("cmdUpdate", tr("Update(&U)"), 1200, &TelNumWindow::updateRooms);
    button("cmdDelete", tr("Delete(&D)"), 2400, &TelNumWindow::deleteRoom);
    button("cmdRefresh", tr("Refresh(&R)"), 3600, &TelNumWindow::refreshRooms);
    button("cmdClose", tr("Close(&C)"), 4800, &TelNumWindow::closeWindow);

    for (int i = 0; i < 4; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        m_fields[i]->setFocusPolicy(Qt::NoFocus);
        m_fields[i]->hide();
    }
}

void TelNumWindow::followCursorSignals()
{
    connect(&m_cursor, &RecordCursor::error, this, &TelNumWindow::showDataError);
    connect(&m_cursor, &RecordCursor::note, this, [this](const QString& text) {
        if (m_noteShown)
            m_noteShown(text);
    });
    connect(&m_cursor, &RecordCursor::MoveComplete, this, [this] {
        //: The data bar's caption: %1 is the position of the current row
        m_bar->setCaption(tr("Record: %1").arg(m_cursor.absolutePosition()));
        m_grid->setPlaceholderText(m_cursor.isOpen()
                                       ? QString()
                                       //: %1 is the path of the room database file
                                       : tr("Nothing could be read from %1. Once the file is "
                                            "mended, press Refresh to read it.")
                                             .arg(m_cursor.path().describe()));
        showCurrentFields();
        followCursor();
    });
    connect(&m_cursor, &RecordCursor::rowChanged, this, [this](int row) {
        if (row == m_cursor.currentIndex())
            showCurrentFields();
    });
    // A value still in the grid's editor belongs to the row the view is leaving.
    connect(&m_cursor, &RecordCursor::WillMove, m_grid, &RoomGrid::commitEdit);
    connect(&m_cursor, &RecordCursor::WillChangeRecord, this, [this] {
        m_closePolicy.reset();
        m_refreshRefused = false;
    });
}

TelNumWindow::~TelNumWindow()
{
    // The grid must let go of the model before the view it reads goes.
    m_grid->setModel(nullptr);
    emit released();
}

RoomRecord TelNumWindow::boundFields() const
{
    return {m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(), m_fields[3]->text()};
}

void TelNumWindow::showCurrentFields()
{
    const QStringList values = m_cursor.currentValues();
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(values.value(i));
}

QSize TelNumWindow::sizeHint() const
{
    return twips::size(kInnerWidth, kInnerHeight);
}

void TelNumWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    const double gridTwips = h * twips::kPerPixel - kBarHeight - kGap - kStripHeight;
    // Too small a window keeps the grid as it was.
    if (gridTwips >= 0)
        m_gridHeight = twips::toPixels(gridTwips);
    const int strip = twips::toPixels(kStripHeight);
    const int bar = twips::toPixels(kBarHeight);
    m_grid->setGeometry(0, 0, w, m_gridHeight);
    m_buttons->setGeometry(0, h - strip, w, strip);
    m_bar->setGeometry(0, h - strip - bar, w, bar);
}

int TelNumWindow::gridWantsRow(int row)
{
    const int newLine = m_model->newRowLine();
    // Rows coming or going shift the grid; the view's own move puts it right.
    if (m_model->isChanging())
        return -1;
    if (m_cursor.hasCurrent() && row == m_cursor.currentIndex())
        return row;
    if (row >= newLine && (m_cursor.eof() || !m_cursor.isOpen()))
        return m_model->newRowLine();
    if (!m_cursor.operatorMoveTo(row))
        return -1;
    return m_cursor.hasCurrent() ? m_cursor.currentIndex() : m_model->newRowLine();
}

void TelNumWindow::followCursor()
{
    QItemSelectionModel* selection = m_grid->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (m_cursor.hasCurrent()) {
        if (current.row() != m_cursor.currentIndex()) {
            const QModelIndex target =
                m_model->index(m_cursor.currentIndex(), std::max(0, current.column()));
            selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
            m_grid->scrollTo(target);
        }
        return;
    }
    // After the last row: the grid may stand on its new-row line; otherwise no
    // row of the grid is current.
    if (current.isValid() && current.row() != m_model->newRowLine()) {
        selection->clearSelection();
        selection->clearCurrentIndex();
    }
    // With no rooms the new-row line is the first row, where typing starts.
    if (m_cursor.isOpen() && m_cursor.rowCount() == 0 && !selection->currentIndex().isValid())
        selection->setCurrentIndex(m_model->index(m_model->newRowLine(), 0),
                                   QItemSelectionModel::ClearAndSelect);
}

bool TelNumWindow::shown(const Outcome& outcome)
{
    if (!outcome)
        m_messages.show(outcome.description() + staleAdvice(), kApplicationTitle,
                        MessageSink::Icon::None);
    return outcome.ok();
}

void TelNumWindow::showDataError(const QString& description)
{
    //: The database's own description follows directly, with no blank
    m_messages.show(tr("Data error event hit err:") + description + staleAdvice(),
                    kApplicationTitle, MessageSink::Icon::None);
}

// A row another program changed can never be written: the one way on is to
// read the table again, so the next Refresh drops the change without asking.
QString TelNumWindow::staleAdvice()
{
    if (!m_cursor.refusedAsStale())
        return {};
    if (!hasPendingRow())
        return tr("\nPress Refresh to read the table as it is now.");
    m_refreshRefused = true;
    return tr("\nPress Refresh to drop your change and read the table as it is now.");
}

void TelNumWindow::addRoom()
{
    m_grid->commitEdit();
    if (!shown(m_cursor.moveLast()))
        return;
    m_grid->setFocus();
    // The cell cursor goes down from the last row onto the new-row line.
    const int column = std::max(0, m_grid->currentIndex().column());
    m_grid->setCurrentIndex(m_model->index(m_model->newRowLine(), column));
}

void TelNumWindow::updateRooms()
{
    m_grid->commitEdit();
    shown(m_cursor.updateAll());
}

void TelNumWindow::deleteRoom()
{
    m_grid->commitEdit();
    if (!shown(m_cursor.deleteCurrent()))
        return;
    if (!shown(m_cursor.moveNext()))
        return;
    if (m_cursor.eof())
        shown(m_cursor.moveLast());
}

void TelNumWindow::refreshRooms()
{
    m_grid->commitEdit();
    // A change refused once is dropped by a second Refresh with nothing typed
    // in between: a row another program changed can never be written, and
    // the operator must still be able to read the table as it is now.
    if (m_refreshRefused && m_cursor.isOpen()) {
        m_refreshRefused = false;
        m_cursor.cancelBatch();
    }
    const bool pending = m_cursor.isOpen() && hasPendingRow();
    const Outcome refreshed = m_cursor.refresh();
    if (!refreshed && pending && hasPendingRow()) {
        m_refreshRefused = true;
        m_messages.show(refreshed.description() +
                            tr("\nPress Refresh again to discard the change and read "
                               "the table as it is now."),
                        kApplicationTitle, MessageSink::Icon::None);
        return;
    }
    shown(refreshed);
}

bool TelNumWindow::hasPendingRow() const
{
    for (int row = 0; row < m_cursor.rowCount(); ++row) {
        if (m_cursor.isPending(row))
            return true;
    }
    return false;
}

void TelNumWindow::closeWindow()
{
    // The frame in the main window closes with the window.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

QString TelNumWindow::unsavedRowLabel() const
{
    for (int row = 0; row < m_cursor.rowCount(); ++row) {
        if (m_cursor.isPending(row)) {
            //: %1 is the row's number in the grid, %2 the room typed in it
            const QString label = m_cursor.isNew(row) ? tr("The new row %1 (Room \"%2\")")
                                                      : tr("Row %1 (Room \"%2\")");
            return label.arg(row + 1).arg(m_cursor.value(row, RoomDirectoryView::kRoom));
        }
    }
    return tr("A row");
}

void TelNumWindow::closeEvent(QCloseEvent* event)
{
    // A close while a write waits for the file would write in the middle of it.
    if (m_busy.waiting()) {
        event->ignore();
        return;
    }
    m_grid->commitEdit();
    const QString label = unsavedRowLabel();
    const Outcome closed = m_cursor.close();
    if (!closed) {
        const QString what =
            //: %1 names the row (as "Row 3 (Room \"101\")"), %2 says why
            tr("%1 was not saved:\n%2").arg(label, closed.description());
        if (m_programEnding) {
            m_messages.show(what + tr("\nThe program ends without it."), kApplicationTitle,
                            MessageSink::Icon::None);
        } else if (m_closePolicy.refuse()) {
            m_messages.show(what + ClosePolicy::stayOpenText(), kApplicationTitle,
                            MessageSink::Icon::None);
            event->ignore();
            return;
        }
    }
    m_unloaded = true;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    event->accept();
}

void TelNumWindow::focusGrid()
{
    m_grid->setFocus(Qt::OtherFocusReason);
}

void TelNumWindow::setRowNotes(std::function<QString(int)> notes)
{
    m_model->setRowNotes(std::move(notes));
}

void TelNumWindow::notesChanged()
{
    m_model->notesChanged();
}
