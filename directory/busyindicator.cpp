#include "busyindicator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>

void BusyIndicator::waitBegins(const QString& path)
{
    m_waiting = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_show)
        //: %1 is the name of the database file
        m_show(QCoreApplication::translate(
                   "BusyIndicator", "%1 is held by another program: waiting for it to let go")
                   .arg(QFileInfo(path).fileName()));
    stillWaiting();
}

void BusyIndicator::stillWaiting()
{
    // Nothing the operator does may reach the connection that is waiting,
    // and no file change may start another read of it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers);
}

void BusyIndicator::waitEnds()
{
    m_waiting = false;
    QApplication::restoreOverrideCursor();
    if (m_show)
        m_show({});
}
