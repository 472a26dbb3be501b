#pragma once

#include <QDialog>

class ImportPreview;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

// The rows of a room file before anything is written: each coloured by its
// verdict with the reason, the counts at the top, and Import only when no
// row has an error. Accepted, it hands back whether to replace the directory.
class ImportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    ImportPreviewDialog(ImportPreview& preview, const QString& fileName, QWidget* parent = nullptr);

    bool replaceDirectory() const;

private:
    void showCounts();
    void fitRows();

    ImportPreview& m_preview;
    QLabel* m_counts = nullptr;
    QTableView* m_table = nullptr;
    QCheckBox* m_replace = nullptr;
    QLabel* m_blocked = nullptr;
    QPushButton* m_import = nullptr;
};
