// The main-thread interval timer's arithmetic.
#include "port/window/interval_timer.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::uint64_t kInterval = 500;

TEST(IntervalTimer, Poll_FiresOncePerElapsedInterval)
{
    port::IntervalTimer timer;
    timer.Start(kInterval, 1000);
    EXPECT_FALSE(timer.Poll(1000));
    EXPECT_FALSE(timer.Poll(1499));
    EXPECT_TRUE(timer.Poll(1500));
    EXPECT_FALSE(timer.Poll(1500));
    EXPECT_FALSE(timer.Poll(1999));
    EXPECT_TRUE(timer.Poll(2000));
}

TEST(IntervalTimer, Poll_MissedIntervalsFireOnceAndKeepTheGrid)
{
    port::IntervalTimer timer;
    timer.Start(kInterval, 0);
    EXPECT_TRUE(timer.Poll(1720));   // three intervals passed: one firing
    EXPECT_FALSE(timer.Poll(1720));
    EXPECT_FALSE(timer.Poll(1999));
    EXPECT_TRUE(timer.Poll(2000));   // next firing on the start's grid, not at 2220
}

TEST(IntervalTimer, StoppedTimerNeverFires)
{
    port::IntervalTimer timer;
    EXPECT_FALSE(timer.Running());
    EXPECT_FALSE(timer.Poll(1'000'000));
    EXPECT_EQ(timer.TicksUntilDue(0), std::numeric_limits<std::uint64_t>::max());
    timer.Start(kInterval, 0);
    timer.Stop();
    EXPECT_FALSE(timer.Poll(kInterval * 4));
}

TEST(IntervalTimer, TicksUntilDue_CountsDownToZero)
{
    port::IntervalTimer timer;
    timer.Start(kInterval, 100);
    EXPECT_EQ(timer.TicksUntilDue(100), kInterval);
    EXPECT_EQ(timer.TicksUntilDue(350), 250u);
    EXPECT_EQ(timer.TicksUntilDue(600), 0u);
    EXPECT_EQ(timer.TicksUntilDue(5000), 0u);
}

}  // namespace
