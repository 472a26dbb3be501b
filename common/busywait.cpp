#include "busywait.h"

#include <QThread>

#include <sqlite3.h>

void BusyWait::install(sqlite3* handle, const QString& path)
{
    m_path = path;
    if (handle)
        sqlite3_busy_handler(handle, &BusyWait::retry, this);
}

int BusyWait::retry(void* self, int count)
{
    auto* wait = static_cast<BusyWait*>(self);
    // Each statement that finds the file held waits up to the limit anew.
    if (count == 0) {
        wait->m_clock.start();
        if (!wait->m_waiting && wait->m_watcher)
            wait->m_watcher->waitBegins(wait->m_path);
        wait->m_waiting = true;
    }
    if (wait->m_clock.elapsed() >= wait->m_limitMs)
        return 0;
    if (wait->m_watcher)
        wait->m_watcher->stillWaiting();
    QThread::msleep(kStepMs);
    return 1;
}

void BusyWait::finished()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    if (m_watcher)
        m_watcher->waitEnds();
}
