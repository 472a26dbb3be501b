#include "sleepingpauser.h"

#include <QtGlobal>

#include <cerrno>
#include <sys/prctl.h>

namespace {

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

timespec fromNanoseconds(qint64 ns)
{
    return {time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
}

} // namespace

void SleepingPauser::pause(int milliseconds)
{
    // The default 50 us timer slack is lateness on every wake-up; the slack
    // belongs to a thread, so each pausing thread sets its own.
    thread_local const bool fineSlack = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    Q_UNUSED(fineSlack);

    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const qint64 nowNs = nanoseconds(now);
    const qint64 lastEndNs = m_haveLastEnd ? nanoseconds(m_lastEnd) : -1;
    const qint64 endNs = startNs(lastEndNs, nowNs) + qint64(qMax(milliseconds, 0)) * 1'000'000;
    m_lastEnd = fromNanoseconds(endNs);
    m_haveLastEnd = true;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &m_lastEnd, nullptr) == EINTR) {
    }
}
