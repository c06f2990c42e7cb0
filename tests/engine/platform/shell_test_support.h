// The shell's tests: an engine core handed to the shell's state, the device layer on the
// recording backend, and a fresh message queue; everything put back afterwards.
#pragma once
#include <deque>

#include "engine/platform/shell_state.h"
#include "port/window/clock.h"
#include "tests/engine/platform/platform_test_support.h"

namespace test {

class ShellTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        vrk::ShellState& shell = vrk::Shell();
        shell.pump = port::MessagePump();
        shell.fullScreen = 0;
        shell.inactive = 0;
        shell.title = vrk::kGameTitle;
        shell.counterFrequency = 1000;
        shell.lastCounter = 0;
        shell.readCounter = [this] { return counter; };
        shell.core = std::move(game);
    }
    void TearDown() override
    {
        vrk::ShellState& shell = vrk::Shell();
        game = std::move(shell.core);
        shell.readCounter = &port::PerformanceCounter;
        shell.pump = port::MessagePump();
        shell.fullScreen = 0;
        shell.inactive = 0;
        DeviceTest::TearDown();
        shell.mainWindow.reset();
        shell.video.reset();
    }
    vrk::cGame& Core() { return *vrk::Shell().core; }
    // Every message waiting in the shell's queue, taken out.
    std::deque<port::WindowMessage> Pending()
    {
        std::deque<port::WindowMessage> all;
        port::WindowMessage message;
        while (vrk::Shell().pump.TakeNext(message)) all.push_back(message);
        return all;
    }

    std::uint64_t counter = 0;
};

}  // namespace test
