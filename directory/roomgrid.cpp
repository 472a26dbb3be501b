#include "roomgrid.h"

#include <QHeaderView>
#include <QPainter>

RecordSelectionModel::RecordSelectionModel(QAbstractItemModel* model, MoveRequest moveTo,
                                           QObject* parent)
    : QItemSelectionModel(model, parent), m_moveTo(std::move(moveTo))
{
}

void RecordSelectionModel::setCurrentIndex(const QModelIndex& index,
                                           QItemSelectionModel::SelectionFlags command)
{
    if (!index.isValid()) {
        m_row = -1;
        QItemSelectionModel::setCurrentIndex(index, command);
        return;
    }
    const int row = m_moveTo(index.row());
    if (row < 0)
        return;
    // Rows above may have gone (a deleted row is dropped when it is left), so
    // the view's answer is the row to stand on.
    m_row = row;
    QItemSelectionModel::setCurrentIndex(model()->index(row, index.column()), command);
}

void RecordSelectionModel::select(const QItemSelection& selection,
                                  QItemSelectionModel::SelectionFlags command)
{
    // A click on a row the view refused to move to must not select it either.
    for (const QModelIndex& index : selection.indexes()) {
        if (index.row() != m_row)
            return;
    }
    QItemSelectionModel::select(selection, command);
}

QWidget* RoomCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    m_editor = editor;
    return editor;
}

void RoomCellDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const
{
    if (m_editor == editor)
        m_editor = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

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
    if (m_placeholder.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     m_placeholder);
}
