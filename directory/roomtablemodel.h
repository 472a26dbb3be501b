#pragma once

#include <QAbstractTableModel>

#include <functional>

class RoomDirectoryView;

// The grid's rows: every row of the cursor as the cursor holds it (no reading
// of its own), and below them the new-row line, where typing starts a room.
// A cursor that is not open shows no rows and no new-row line.
class RoomTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RoomTableModel(RoomDirectoryView& cursor, QObject* parent = nullptr);

    int newRowLine() const;
    // True while rows come or go: the grid then shifts its current row on
    // its own, which is no move of the operator's.
    bool isChanging() const { return m_changing; }
    // A note for a row ("not yet on the door unit"): its selector carries a
    // mark with the note as tooltip. Call notesChanged when the notes change.
    void setRowNotes(std::function<QString(int)> notes);
    void notesChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    // The row's notes, with the cursor's own when another PC changed it.
    QString noteFor(int row) const;
    RoomDirectoryView& m_cursor;
    bool m_resetting = false;
    bool m_changing = false;
    std::function<QString(int)> m_notes;
};
