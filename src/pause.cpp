// SPDX-License-Identifier: ISC
#include "rerer.h"

#include <cerrno>
#include <ctime>

// Each pause ends a fixed time after the previous one was due to end, not
// after "now": the wake-up latency of one pause, or any lag up to catch_up,
// is taken out of the next, so a run lasts its designed time whatever the
// number of files. Only when the process fell further behind (it was
// stopped, say) does the schedule start again from now, so that the next
// pause is not cut short to catch up.
long long deadline(long long due, long long now, long microseconds)
{
    if (now - due > catch_up)
        due = now;
    return due + (microseconds * 1000LL);
}

// A signal that does not end the process does not cut a pause short.
void pause_for(long microseconds)
{
    static long long due;  // when the previous pause was due to end
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    due = deadline(due, (now.tv_sec * 1000000000LL) + now.tv_nsec, microseconds);
    const timespec until{static_cast<time_t>(due / 1000000000LL), static_cast<long>(due % 1000000000LL)};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}
