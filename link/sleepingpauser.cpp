#include "sleepingpauser.h"

#include <QtGlobal>

#include <cerrno>
#include <sys/prctl.h>
#include <time.h>

void SleepingPauser::pause(int milliseconds)
{
    // The default 50 us slack, taken 200 times a batch, would be 10 ms late.
    // The slack belongs to a thread, so each pausing thread sets its own.
    thread_local const bool fineSlack = prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0;
    Q_UNUSED(fineSlack);
    if (milliseconds <= 0)
        return;
    timespec until{};
    clock_gettime(CLOCK_MONOTONIC, &until);
    until.tv_sec += milliseconds / 1000;
    until.tv_nsec += long(milliseconds % 1000) * 1'000'000;
    if (until.tv_nsec >= 1'000'000'000) {
        until.tv_nsec -= 1'000'000'000;
        ++until.tv_sec;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}
