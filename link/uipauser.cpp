#include "uipauser.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace {

// A pause that starts this soon after the previous one ended continues it.
constexpr qint64 kJoinNs = 5'000'000;

} // namespace

void UiPauser::pause(int milliseconds)
{
    if (!m_clock.isValid())
        m_clock.start();
    const qint64 now = m_clock.nsecsElapsed();
    // Back-to-back pauses (the batch pause is 200 of 10 ms) are laid end to
    // end, so the event loop's lateness in waking up does not add up.
    const bool continues = m_lastEndNs >= 0 && now - m_lastEndNs < kJoinNs;
    const qint64 start = continues ? m_lastEndNs : now;
    m_lastEndNs = start + qint64(qMax(milliseconds, 0)) * 1'000'000;

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
