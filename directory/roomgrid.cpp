#include "roomgrid.h"

#include "roomcelldelegate.h"

#include <QHeaderView>
#include <QPainter>

RoomGrid::RoomGrid(QWidget* parent) : QTableView(parent), m_delegate(new RoomCellDelegate(this))
{
    setObjectName(QStringLiteral("grdDataGrid"));
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setWordWrap(false);
    // Rows all have one height, so the grid never measures 100,000 of them.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
}

void RoomGrid::commitEdit()
{
    QWidget* editor = m_delegate->openEditor();
    if (!editor || m_committing)
        return;
    m_committing = true;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_committing = false;
}

bool RoomGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // Only the current row takes typing: a row the view refused to move to
    // must not open an editor whose value could never reach it.
    if (index.isValid() && index.row() != currentIndex().row())
        return false;
    return QTableView::edit(index, trigger, event);
}

// A table view given the focus without a current cell makes the first cell
// current, which would move the view off its place after the last row (where
// a download leaves it). Only the operator's own moves choose a row here.
void RoomGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    setAttribute(Qt::WA_InputMethodEnabled, currentIndex().isValid());
    viewport()->update();
}

void RoomGrid::setPlaceholderText(const QString& text)
{
    if (m_placeholder == text)
        return;
    m_placeholder = text;
    viewport()->update();
}

void RoomGrid::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        // Told after this paint has reached the screen.
        QMetaObject::invokeMethod(this, &RoomGrid::shown, Qt::QueuedConnection);
    }
    if (m_placeholder.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     m_placeholder);
}
