#include "sleepingpauser.h"

#include <QtGlobal>

#include <cerrno>
#include <sys/prctl.h>

namespace {

// A pause that starts this soon after the previous one should have ended
// continues it.
constexpr qint64 kJoinNs = 5'000'000;

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
    const qint64 lastEndNs = nanoseconds(m_lastEnd);
    const bool continues = m_haveLastEnd && nowNs >= lastEndNs && nowNs - lastEndNs < kJoinNs;
    const qint64 endNs =
        (continues ? lastEndNs : nowNs) + qint64(qMax(milliseconds, 0)) * 1'000'000;
    m_lastEnd = fromNanoseconds(endNs);
    m_haveLastEnd = true;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &m_lastEnd, nullptr) == EINTR) {
    }
}
