// The pump's frame-rate timer driven by an injected counter, and the quit signals.
#include "port/window/message_pump.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <csignal>

#include "port/window/quit_signal.h"
#include "port/window/video_system.h"

namespace {

constexpr std::uint64_t kTicksPerSecond = 1000;  // the fake counter counts milliseconds
constexpr std::uint32_t kFpsInterval = 500;

// Takes every waiting message and counts the timer ones (other tests of this program
// may leave SDL running, whose real events are not part of these cases).
int TimerMessages(port::MessagePump& pump)
{
    int count = 0;
    port::WindowMessage message;
    while (pump.TakeNext(message))
        count += message.kind == port::MessageKind::kTimer ? 1 : 0;
    return count;
}

class MessagePumpTimer : public testing::Test {
protected:
    std::uint64_t now_ = 10'000;
    port::MessagePump pump_{[this] { return now_; }, kTicksPerSecond};
};

TEST_F(MessagePumpTimer, FiresEveryIntervalOfTheCounter)
{
    pump_.StartTimer(kFpsInterval);
    EXPECT_EQ(TimerMessages(pump_), 0);
    now_ += kFpsInterval - 1;
    EXPECT_EQ(TimerMessages(pump_), 0);
    now_ += 1;
    EXPECT_EQ(TimerMessages(pump_), 1);
    now_ += kFpsInterval;
    EXPECT_EQ(TimerMessages(pump_), 1);
}

TEST_F(MessagePumpTimer, LongStallGivesOneTimerMessage)
{
    pump_.StartTimer(kFpsInterval);
    now_ += kFpsInterval * 7;
    EXPECT_EQ(TimerMessages(pump_), 1);
}

TEST_F(MessagePumpTimer, TimerWaitsBehindPostedMessages)
{
    pump_.StartTimer(kFpsInterval);
    now_ += kFpsInterval;
    pump_.Post(port::WindowMessage{port::MessageKind::kRebuildDevice, 0, 0});
    port::WindowMessage message;
    ASSERT_TRUE(pump_.TakeNext(message));
    EXPECT_EQ(message.kind, port::MessageKind::kRebuildDevice);
    EXPECT_EQ(TimerMessages(pump_), 1);
}

TEST_F(MessagePumpTimer, StoppedTimerIsSilent)
{
    pump_.StartTimer(kFpsInterval);
    pump_.StopTimer();
    now_ += kFpsInterval * 3;
    EXPECT_EQ(TimerMessages(pump_), 0);
}

TEST_F(MessagePumpTimer, WaitReturnsWhenTimerFallsDue)
{
    // Each read of this counter moves time on, so the wait ends without a real sleep
    // being needed for the test's outcome.
    std::uint64_t ticking = 0;
    port::MessagePump pump([&ticking] { return ticking += 100; }, kTicksPerSecond);
    pump.StartTimer(kFpsInterval);
    port::WindowMessage message;
    do {
        message = pump.WaitNext();
    } while (message.kind != port::MessageKind::kTimer);
    EXPECT_EQ(message.kind, port::MessageKind::kTimer);
}

TEST(MessagePump, WaitNextReturnsPostedQuit)
{
    port::MessagePump pump;
    pump.PostQuit(3);
    const port::WindowMessage message = pump.WaitNext();
    EXPECT_EQ(message.kind, port::MessageKind::kQuit);
    EXPECT_EQ(message.param1, 3);
}

// Once the video system runs, SIGTERM and SIGINT reach the game's own handlers (which
// a running script also sees) and each becomes one quit message, however often the
// pump is asked. (A second signal before a clear ends the process: quit_signal_test.)
TEST(MessagePump, QuitSignalsBecomeOneQuitMessage)
{
    ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
    port::VideoSystem video;
    ASSERT_TRUE(video.Start()) << video.Error();
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        port::MessagePump pump([] { return std::uint64_t{0}; }, kTicksPerSecond);
        std::raise(signalNumber);
        const bool requested = port::QuitRequested();
        int quits = 0;
        port::WindowMessage message;
        while (pump.TakeNext(message))
            quits += message.kind == port::MessageKind::kQuit ? 1 : 0;
        while (pump.TakeNext(message))
            quits += message.kind == port::MessageKind::kQuit ? 1 : 0;
        port::ClearQuitRequest();
        EXPECT_TRUE(requested);
        EXPECT_EQ(quits, 1);
    }
}

TEST(MessagePump, WaitNextWithNothingToWaitForReturnsNone)
{
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0)
        GTEST_SKIP() << "SDL left running by another test; a real event could still come";
    port::MessagePump pump([] { return std::uint64_t{0}; }, kTicksPerSecond);
    EXPECT_EQ(pump.WaitNext().kind, port::MessageKind::kNone);
}

}  // namespace
