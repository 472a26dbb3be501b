#pragma once

#include <QItemSelectionModel>

#include <functional>

// Lets the grid's current row change only where the record view agrees to
// move: a row whose write is refused keeps the grid on it.
class RecordSelectionModel : public QItemSelectionModel
{
    Q_OBJECT

public:
    // Asked before the grid leaves its row; answers the row that is now
    // current in the view, or -1 when the move was refused.
    using MoveRequest = std::function<int(int row)>;

    RecordSelectionModel(QAbstractItemModel* model, MoveRequest moveTo, QObject* parent = nullptr);

    void setCurrentIndex(const QModelIndex& index,
                         QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection& selection,
                QItemSelectionModel::SelectionFlags command) override;
    using QItemSelectionModel::select;

private:
    MoveRequest m_moveTo;
    int m_row = -1;
};
