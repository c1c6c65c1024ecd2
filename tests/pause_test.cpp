// SPDX-License-Identifier: ISC
// The pacing schedule: its arithmetic from given clock readings, and the real
// pauses side by side with plain relative sleeps.
#include "rerer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(Pause, DeadlinesKeepToOneSchedule)
{
    const long long ms = 1000000;  // nanoseconds
    const long long t = 7000 * ms;
    // The first pause of a process starts from now.
    EXPECT_EQ(deadline(0, t, 1000000), t + (1000 * ms));
    // Each later one ends a fixed time after the previous one was due,
    // however late that one woke or the process went on.
    EXPECT_EQ(deadline(t, t + 80000, 500000), t + (500 * ms));
    EXPECT_EQ(deadline(t, t + (20 * ms), 200000), t + (200 * ms));
    EXPECT_EQ(deadline(t, t + (50 * ms), 100000), t + (100 * ms));
    // A lag over 50 ms starts the schedule again from now.
    EXPECT_EQ(deadline(t, t + (50 * ms) + 1, 100000), t + (150 * ms) + 1);
    EXPECT_EQ(deadline(t, t + (600 * ms), 400000), t + (1000 * ms));
    // A run of 1 s, 0.5 s and 0.2 s, each wake-up 3 ms late, ends on time.
    long long due = deadline(0, t, 1000000);
    due = deadline(due, due + (3 * ms), 500000);
    EXPECT_EQ(deadline(due, due + (3 * ms), 200000), t + (1700 * ms));
}

// Milliseconds that 200 calls of SLEEP take beyond their 200 ms.
template <typename F> static double overshoot(F sleep)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 200; i++)
        sleep();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() - 200;
}

TEST(Pause, DoesNotDriftLikeRelativeSleeps)
{
    // Every relative sleep wakes a little late and the lateness adds up;
    // on one schedule only the last shows. A busy machine can stall either
    // run, so the best of a few attempts counts.
    bool drift_free = false;
    std::string seen;  // milliseconds over, of each attempt
    for (int attempt = 0; attempt < 5 && !drift_free; attempt++) {
        // More than 50 ms after the last pause, so the schedule restarts from now.
        const double relative = overshoot([] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
        const double scheduled = overshoot([] { pause_for(1000); });
        EXPECT_GE(scheduled, 0.0) << "a pause was shorter than designed";
        drift_free = scheduled < relative / 2;
        seen += ' ';
        seen += std::to_string(scheduled) + " vs " + std::to_string(relative);
    }
    EXPECT_TRUE(drift_free) << "scheduled vs relative:" << seen;
}
