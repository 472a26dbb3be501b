#include "downloadprogress.h"

#include "directorydownload.h"
#include "messagesink.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

DownloadProgress::DownloadProgress(int baud, QWidget* parent)
    : QProgressDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_baud(baud)
{
    setObjectName(QStringLiteral("downloadProgress"));
    setWindowTitle(kApplicationTitle);
    setWindowModality(Qt::ApplicationModal);
    setCancelButton(nullptr);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumDuration(0);
    setMinimumWidth(360);
    // The pauses between batches run timers, so the time left counts down.
    m_tick = new QTimer(this);
    m_tick->setInterval(250);
    connect(m_tick, &QTimer::timeout, this, &DownloadProgress::showText);
    m_tick->start();
}

void DownloadProgress::setRooms(int sent, int total)
{
    m_sent = sent;
    m_total = total;
    m_leftMs = DirectoryDownload::millisecondsLeft(sent, total, m_baud);
    m_since.start();
    setMaximum(qMax(total, 1));
    showText();
    setValue(sent);
}

void DownloadProgress::showText()
{
    const qint64 left = qMax<qint64>(0, m_leftMs - (m_since.isValid() ? m_since.elapsed() : 0));
    //: %1 rooms sent of %2, %3 seconds left
    setLabelText(tr("Sending the room directory to the door unit.\n"
                    "%1 of %2 rooms sent, about %3 s left.")
                     .arg(m_sent)
                     .arg(m_total)
                     .arg((left + 999) / 1000));
}

// Nothing may end the download half-way: the frame's close and Esc are ignored.
void DownloadProgress::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void DownloadProgress::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QProgressDialog::keyPressEvent(event);
}
