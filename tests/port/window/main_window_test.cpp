// Window and OpenGL context creation without a display, and the start-up failure hook.
#include "port/window/main_window.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include "port/window/clock.h"
#include "port/window/display.h"
#include "port/window/input_state.h"
#include "port/window/fault_injection.h"
#include "port/window/message_box.h"
#include "port/window/message_pump.h"
#include "tests/port/window/offscreen_video.h"

namespace {

using MainWindowTest = test::OffscreenVideoTest;

port::WindowParams HiddenWindow(int width, int height)
{
    port::WindowParams params;
    params.title = "Kelvara 2";
    params.clientWidth = width;
    params.clientHeight = height;
    params.visible = false;
    return params;
}

TEST_F(MainWindowTest, Create_GivesCurrentGl21Context)
{
    std::string error;
    auto window = port::MainWindow::Create(HiddenWindow(640, 480), &error);
    ASSERT_NE(window, nullptr) << error;
    ASSERT_TRUE(window->MakeCurrent());
    using GetStringFunction = const unsigned char* (*)(unsigned);
    constexpr unsigned kGlVersion = 0x1F02;
    auto getString = reinterpret_cast<GetStringFunction>(SDL_GL_GetProcAddress("glGetString"));
    ASSERT_NE(getString, nullptr);
    const char* version = reinterpret_cast<const char*>(getString(kGlVersion));
    ASSERT_NE(version, nullptr);
    int major = 0;
    int minor = 0;
    ASSERT_EQ(std::sscanf(version, "%d.%d", &major, &minor), 2) << version;
    EXPECT_TRUE(major > 2 || (major == 2 && minor >= 1)) << version;

    int width = 0;
    int height = 0;
    window->ClientSize(width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    window->DrawableSize(width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    window->SwapBuffers();
}

TEST_F(MainWindowTest, Create_QueuesClientSizeBeforeAnyInput)
{
    port::MessagePump pump;
    pump.DiscardPending();
    auto window = port::MainWindow::Create(HiddenWindow(800, 600), nullptr);
    ASSERT_NE(window, nullptr);
    port::WindowMessage message;
    ASSERT_TRUE(pump.TakeNext(message));
    EXPECT_EQ(message.kind, port::MessageKind::kSizeRestored);
    EXPECT_EQ(message.param1, 800);
    EXPECT_EQ(message.param2, 600);
}

TEST_F(MainWindowTest, Create_KeepsClientSizeWithinLimits)
{
    auto small = port::MainWindow::Create(HiddenWindow(100, 50), nullptr);
    ASSERT_NE(small, nullptr);
    int width = 0;
    int height = 0;
    small->ClientSize(width, height);
    EXPECT_EQ(width, port::kMinClientWidth);
    EXPECT_EQ(height, port::kMinClientHeight);
}

TEST_F(MainWindowTest, Recreate_DropsMessagesOfTheOldWindow)
{
    port::MessagePump pump;
    auto window = port::MainWindow::Create(HiddenWindow(640, 480), nullptr);
    ASSERT_NE(window, nullptr);
    window.reset();  // its size message is still queued in SDL
    window = port::MainWindow::Create(HiddenWindow(512, 384), nullptr);
    ASSERT_NE(window, nullptr);
    port::WindowMessage message;
    ASSERT_TRUE(pump.TakeNext(message));
    EXPECT_EQ(message.kind, port::MessageKind::kSizeRestored);
    EXPECT_EQ(message.param1, 512);
}

TEST_F(MainWindowTest, SetSwapInterval_AcceptsImmediatePresent)
{
    auto window = port::MainWindow::Create(HiddenWindow(640, 480), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->SetSwapInterval(0));
}

TEST_F(MainWindowTest, Display_ReportsDesktopAndUsableArea)
{
    port::DesktopDisplayMode mode;
    ASSERT_TRUE(port::DesktopMode(mode));
    EXPECT_GT(mode.width, 0);
    EXPECT_GT(mode.height, 0);
    port::DisplayRect bounds;
    ASSERT_TRUE(port::UsableBounds(bounds));
    EXPECT_GT(bounds.width, 0);
    EXPECT_LE(bounds.width, mode.width);
    EXPECT_LE(bounds.height, mode.height);
}

TEST_F(MainWindowTest, CreateFullScreen_CoversTheDesktop)
{
    port::WindowParams params = HiddenWindow(640, 480);
    params.fullScreen = true;
    auto window = port::MainWindow::Create(params, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->FullScreen());
    port::DesktopDisplayMode mode;
    ASSERT_TRUE(port::DesktopMode(mode));
    int width = 0;
    int height = 0;
    window->ClientSize(width, height);
    EXPECT_EQ(width, mode.width);
    EXPECT_EQ(height, mode.height);
}

TEST_F(MainWindowTest, TerminationSignalArrivesAsQuit)
{
    port::MessagePump pump;
    pump.DiscardPending();
    std::raise(SIGTERM);
    port::WindowMessage message;
    ASSERT_TRUE(pump.TakeNext(message));
    EXPECT_EQ(message.kind, port::MessageKind::kQuit);
}

TEST_F(MainWindowTest, InputQueries_AnswerWithoutInput)
{
    EXPECT_FALSE(port::IsKeyDown('A'));
    EXPECT_FALSE(port::IsKeyDown(0xA2));
    EXPECT_FALSE(port::IsKeyDown(0x01));
    int x = 5;
    int y = 5;
    EXPECT_FALSE(port::CursorClientPosition(nullptr, x, y));
    EXPECT_EQ(x, 0);
    auto window = port::MainWindow::Create(HiddenWindow(640, 480), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(port::CursorClientPosition(window.get(), x, y));
    port::ShowSystemCursor(false);
    port::ShowSystemCursor(true);
}

TEST(Clock, CounterRunsForwardAtItsFrequency)
{
    EXPECT_GT(port::PerformanceFrequency(), 0u);
    const std::uint64_t first = port::PerformanceCounter();
    EXPECT_GE(port::PerformanceCounter(), first);
}

TEST_F(MainWindowTest, ShowMessageBox_HeadlessReturnsAtOnce)
{
    testing::internal::CaptureStderr();
    EXPECT_FALSE(port::ShowMessageBox("Kelvara 2", "About text"));
    const std::string output = testing::internal::GetCapturedStderr();
    EXPECT_NE(output.find("About text"), std::string::npos);
}

// The failure hook lets the shell's exit codes be tested on the real binary.
struct FailureRow {
    const char* step;
    bool videoStarts;
    bool glLoads;
    bool windowCreated;
};

class FailureInjection : public testing::TestWithParam<FailureRow> {};

TEST_P(FailureInjection, FailsExactlyTheNamedStep)
{
    ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
    test::ScopedEnvironment fail("KELVARA_PORT_FAIL", GetParam().step);
    port::VideoSystem video;
    EXPECT_EQ(video.Start(), GetParam().videoStarts);
    if (!GetParam().videoStarts) {
        EXPECT_FALSE(video.Error().empty());
        return;
    }
    EXPECT_EQ(video.LoadGlLibrary(), GetParam().glLoads);
    if (!GetParam().glLoads)
        return;
    std::string error;
    auto window = port::MainWindow::Create(HiddenWindow(640, 480), &error);
    EXPECT_EQ(window != nullptr, GetParam().windowCreated);
    EXPECT_EQ(error.empty(), GetParam().windowCreated);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailureInjection,
                         testing::Values(FailureRow{port::kFailVideo, false, false, false},
                                         FailureRow{port::kFailGl, true, false, false},
                                         FailureRow{port::kFailWindow, true, true, false},
                                         FailureRow{"other", true, true, true}));

TEST(FaultInjection, MatchesWholeNameOnly)
{
    test::ScopedEnvironment fail("KELVARA_PORT_FAIL", "videos");
    EXPECT_FALSE(port::FailureInjected(port::kFailVideo));
    test::ScopedEnvironment exact("KELVARA_PORT_FAIL", "video");
    EXPECT_TRUE(port::FailureInjected(port::kFailVideo));
    EXPECT_FALSE(port::FailureInjected(port::kFailGl));
}

}  // namespace
