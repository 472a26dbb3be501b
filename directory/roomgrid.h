#pragma once

#include <QTableView>

class RoomCellDelegate;

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

signals:
    // Once, after the rows were first painted.
    void shown();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    RoomCellDelegate* m_delegate = nullptr;
    bool m_committing = false;
    QString m_placeholder;
    bool m_painted = false;
};
