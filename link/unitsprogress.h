#pragma once

#include "unitsdownload.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

// The download to every door unit: one line a unit with the rooms sent and
// the time left, then how it ended. It cannot be closed while units are
// still sending, since stopping half-way leaves part of a directory.
class UnitsProgress : public QDialog
{
    Q_OBJECT

public:
    UnitsProgress(const QList<DoorUnit>& units, QWidget* parent = nullptr);

    void showLines(const QList<UnitsDownload::Line>& lines, bool finished);
    // "Main gate (COM1): 35 of 100 rooms sent, about 26 s left"
    static QString lineText(const UnitsDownload::Line& line);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<QLabel*> m_lines;
    QPushButton* m_close = nullptr;
    bool m_finished = false;
};
