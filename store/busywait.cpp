#include "busywait.h"

#include "engine/databaseengine.h"

#include <QThread>

void BusyWait::install(const QSqlDatabase& db, const QString& path)
{
    m_path = path;
    engine::takeOverWaits(db, *this);
}

bool BusyWait::retry(int count)
{
    BusyWait* wait = this;
    // Each statement that finds the file held waits up to the limit anew.
    if (count == 0) {
        wait->m_clock.start();
        if (!wait->m_waiting && wait->m_watcher)
            wait->m_watcher->waitBegins(wait->m_path);
        wait->m_waiting = true;
    }
    if (wait->m_clock.elapsed() >= wait->m_limitMs)
        return false;
    if (wait->m_watcher)
        wait->m_watcher->stillWaiting();
    QThread::msleep(kStepMs);
    return true;
}

void BusyWait::finished()
{
    if (!m_waiting)
        return;
    m_waiting = false;
    if (m_watcher)
        m_watcher->waitEnds();
}
