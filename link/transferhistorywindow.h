#pragma once

#include "location.h"
#include "transferlog.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

// Tools → Transfer history…: every transfer newest first and, for a
// download, the rooms as they went out, optionally against the directory now.
class TransferHistoryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TransferHistoryWindow(store::Database databasePath, QWidget* parent = nullptr);

    // Reads the records again, keeping the selected one where it still is.
    void reload();

    QTableWidget* records() const { return m_records; }
    QTableWidget* rooms() const { return m_rooms; }
    QCheckBox* differences() const { return m_differences; }
    // Shown only when the building has more than one door unit.
    QComboBox* unitFilter() const { return m_unit; }

private:
    static QStringList recordHeaders();
    static QString removedUnit(const QString& name);
    void showRooms();

    store::Database m_path;
    QList<TransferRecord> m_list;
    QTableWidget* m_records = nullptr;
    QTableWidget* m_rooms = nullptr;
    QCheckBox* m_differences = nullptr;
    QLabel* m_note = nullptr;
    QComboBox* m_unit = nullptr;
};
