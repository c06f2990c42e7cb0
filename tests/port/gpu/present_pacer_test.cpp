// The present pacer on a counted clock: where it sleeps to, and from when it counts.
#include "port/gpu/present_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using port::PresentPacer;
using Clock = PresentPacer::Clock;
using std::chrono::milliseconds;

struct CountedClock {
    Clock::time_point now{};
    std::vector<Clock::time_point> sleptUntil;

    PresentPacer MakePacer() {
        return PresentPacer([this] { return now; },
                            [this](Clock::time_point until) {
                                sleptUntil.push_back(until);
                                if (until > now) now = until;
                            });
    }
};

TEST(PresentPacerTest, WaitsOnePeriodAfterThePreviousPresentAndNeverForALateOne) {
    CountedClock clock;
    PresentPacer pacer = clock.MakePacer();
    pacer.SetRefreshRate(50);
    ASSERT_EQ(pacer.Period(), milliseconds(20));

    pacer.WaitForNextPresent();  // the first present does not wait
    EXPECT_TRUE(clock.sleptUntil.empty());

    clock.now += milliseconds(5);  // a quick frame: waits for the rest of the period
    pacer.WaitForNextPresent();
    ASSERT_EQ(clock.sleptUntil.size(), 1u);
    EXPECT_EQ(clock.sleptUntil.back(), Clock::time_point{} + milliseconds(20));

    clock.now += milliseconds(35);  // a slow frame is shown at once, counted from its own start
    pacer.WaitForNextPresent();
    EXPECT_EQ(clock.sleptUntil.size(), 1u);
    clock.now += milliseconds(1);
    pacer.WaitForNextPresent();
    ASSERT_EQ(clock.sleptUntil.size(), 2u);
    EXPECT_EQ(clock.sleptUntil.back(), Clock::time_point{} + milliseconds(75));

    pacer.Restart();  // a new surface starts without waiting
    pacer.WaitForNextPresent();
    EXPECT_EQ(clock.sleptUntil.size(), 2u);
}

TEST(PresentPacerTest, UnknownRefreshRatePacesAtSixtyHertz) {
    CountedClock clock;
    PresentPacer pacer = clock.MakePacer();
    pacer.SetRefreshRate(0);
    EXPECT_EQ(pacer.Period(), std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / 60);
    pacer.SetRefreshRate(-3);
    EXPECT_EQ(pacer.Period(), std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / 60);
    pacer.SetRefreshRate(144);
    EXPECT_EQ(pacer.Period(), std::chrono::duration_cast<Clock::duration>(std::chrono::seconds(1)) / 144);
}

}  // namespace
