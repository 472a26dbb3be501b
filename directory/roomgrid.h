#pragma once

#include <QItemSelectionModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

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

// Knows the editor that is open, so its text can be handed over on demand.
class RoomCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    QWidget* openEditor() const { return m_editor; }

private:
    mutable QPointer<QWidget> m_editor;
};

// grdDataGrid: the directory's cells, edited in place.
class RoomGrid : public QTableView
{
    Q_OBJECT

public:
    explicit RoomGrid(QWidget* parent = nullptr);

    // Hands a value still being typed to the model and closes the editor.
    void commitEdit();

    // Drawn across the grid while it is set, so that a directory that could
    // not be read never passes for an empty one.
    void setPlaceholderText(const QString& text);
    const QString& placeholderText() const { return m_placeholder; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    RoomCellDelegate* m_delegate = nullptr;
    bool m_committing = false;
    QString m_placeholder;
};
