#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>

class QTimer;

// The directory download's progress: rooms sent of the total and the time
// left. Modal and without a cancel button, since stopping half-way would leave
// the door unit with part of a directory.
class DownloadProgress : public QProgressDialog
{
    Q_OBJECT

public:
    explicit DownloadProgress(int baud, QWidget* parent = nullptr);

    void setRooms(int sent, int total);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showText();

    int m_baud;
    int m_sent = 0;
    int m_total = 0;
    int m_leftMs = 0;
    QElapsedTimer m_since;
    QTimer* m_tick = nullptr;
};
