#include "recordselectionmodel.h"

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
