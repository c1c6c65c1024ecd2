// SPDX-License-Identifier: ISC
// The real pauses, in-process: they keep to one schedule.
#include "rerer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

// Milliseconds that F takes.
template <typename F> static double took(F f)
{
    const auto start = Clock::now();
    f();
    return Ms(Clock::now() - start).count();
}

TEST(Pause, KeepsToOneSchedule)
{
    // Each sleep wakes a little late; only the last lateness may show.
    const double many = took([] {
        for (int i = 0; i < 200; i++)
            pause_for(1000);
    });
    EXPECT_GE(many, 200.0);
    EXPECT_LT(many, 203.0);

    // A lag under 50 ms is taken out of the next pause, a longer one is not.
    pause_for(1000);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_LT(took([] { pause_for(100000); }), 90.0);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_GE(took([] { pause_for(100000); }), 100.0);
}
