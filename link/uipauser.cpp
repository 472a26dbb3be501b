#include "uipauser.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>

void UiPauser::pause(int milliseconds)
{
    if (!m_clock.isValid())
        m_clock.start();
    const qint64 now = m_clock.nsecsElapsed();
    m_lastEndNs = startNs(m_lastEndNs, now) + qint64(qMax(milliseconds, 0)) * 1'000'000;

    // A timer counts whole milliseconds and may wake a little before the end:
    // wait again until the end has really come, so no pause is ever short.
    for (qint64 leftNs = m_lastEndNs - now; leftNs > 0;
         leftNs = m_lastEndNs - m_clock.nsecsElapsed()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(int(std::ceil(double(leftNs) / 1e6)));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
}
