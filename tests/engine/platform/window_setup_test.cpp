// Window and device creation, the mode switches and the device rebuild, on SDL's
// offscreen driver with the recording drawing backend.
#include "engine/platform/window_setup.h"

#include <gtest/gtest.h>

#include "engine/platform/host_services.h"
#include "engine/platform/window_proc.h"
#include "engine/render/render.h"
#include "tests/engine/platform/shell_test_support.h"
#include "tests/port/window/offscreen_video.h"

namespace {

using port::MessageKind;

class WindowSetupTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
        vrk::Shell().video = std::make_unique<port::VideoSystem>();
        ASSERT_TRUE(vrk::Shell().video->Start()) << vrk::Shell().video->Error();
        ASSERT_TRUE(vrk::DX8Create());
    }
    void TearDown() override
    {
        if (vrk::Shell().mainWindow) vrk::DestroyMainWindow();
        ShellTest::TearDown();
    }
    bool HasQuit(int code)
    {
        for (const port::WindowMessage& message : Pending())
            if (message.kind == MessageKind::kQuit && message.param1 == code) return true;
        return false;
    }

    test::ScopedEnvironment noFailure_{"KELVARA_PORT_FAIL", nullptr};
};

TEST_F(WindowSetupTest, Create_LogsTheStepsInOrderAndGivesTheRendererItsDevice)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    ASSERT_NE(vrk::Shell().mainWindow, nullptr);
    EXPECT_FALSE(vrk::Shell().mainWindow->FullScreen());
    const int started = IndexOf("CreateWindow Started...");
    const int created = IndexOf("CreateWindowEx... Ok", started);
    const int shown = IndexOf("Resizing and Updating Window... Ok", created);
    const int attempt = IndexOf("Attempt #0 to create Direct3D device", shown);
    const int viewport = IndexOf("Change viewport. Ok", attempt);
    const int defaults = IndexOf("Set hardware defaults - ok", viewport);
    EXPECT_GE(started, 0);
    EXPECT_GT(created, started);
    EXPECT_GT(shown, created);
    EXPECT_GT(attempt, shown);
    EXPECT_GT(viewport, attempt);
    EXPECT_GT(defaults, viewport);
    EXPECT_EQ(vrk::GetRender()->device, vrk::Devices().device.get());
}

TEST_F(WindowSetupTest, Destroy_FreesDeviceAndWindowAndKeepsAPendingQuit)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    vrk::Shell().pump.Post(port::WindowMessage{MessageKind::kChar, 'a', 0});
    vrk::Shell().pump.PostQuit(0);
    vrk::DestroyMainWindow();
    EXPECT_EQ(vrk::Shell().mainWindow, nullptr);
    EXPECT_EQ(vrk::Devices().device, nullptr);
    EXPECT_EQ(vrk::GetRender()->device, nullptr);
    EXPECT_EQ(vrk::GetRender()->screenRect.width, 0);
    const int freed = IndexOf("Render is Free");
    const int destroyed = IndexOf("DestroyWindow... Ok", freed);
    const int cleared = IndexOf("Clear message's queue... Ok", destroyed);
    EXPECT_GE(freed, 0);
    EXPECT_GT(destroyed, freed);
    EXPECT_GT(cleared, destroyed);
    const auto pending = Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].kind, MessageKind::kQuit);
}

TEST_F(WindowSetupTest, Create_WindowFailureLogsAndFails)
{
    test::ScopedEnvironment fail("KELVARA_PORT_FAIL", "window");
    EXPECT_EQ(vrk::CreateMainWindow(0), 0);
    EXPECT_TRUE(Logged("CreateWindowEx failed!"));
    EXPECT_EQ(vrk::Shell().mainWindow, nullptr);
}

TEST_F(WindowSetupTest, Create_DeviceFailureFailsAfterTheWindow)
{
    Recorder().config.failingBehaviours = port::kCreateHardwareVertexProcessing |
                                          port::kCreateMixedVertexProcessing |
                                          port::kCreateSoftwareVertexProcessing;
    EXPECT_EQ(vrk::CreateMainWindow(0), 0);
    EXPECT_TRUE(Logged("Was not able to create Direct3D8 device"));
    EXPECT_FALSE(Logged("Change viewport. Ok"));
}

TEST_F(WindowSetupTest, Maximize_WhileWindowedSwitchesToFullScreen)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    lines.clear();
    vrk::MainWindowProc(port::WindowMessage{MessageKind::kSizeMaximized, 1024, 768});
    EXPECT_EQ(vrk::Shell().fullScreen, 1);
    ASSERT_NE(vrk::Shell().mainWindow, nullptr);
    EXPECT_TRUE(vrk::Shell().mainWindow->FullScreen());
    EXPECT_LT(IndexOf("Render is Free"), IndexOf("CreateWindow Started..."));
    EXPECT_EQ(vrk::Devices().presentParameters.windowed, 0u);
}

TEST_F(WindowSetupTest, SetFullScreen_SameModeChangesNothingOtherModeRebuilds)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    lines.clear();
    vrk::SetFullScreen(0);
    EXPECT_TRUE(lines.empty());
    vrk::SetFullScreen(1);
    EXPECT_EQ(vrk::Shell().fullScreen, 1);
    EXPECT_TRUE(Logged("DestroyWindow... Ok"));
    EXPECT_TRUE(Logged("CreateWindowEx... Ok"));
    vrk::SetFullScreen(0);
    EXPECT_EQ(vrk::Shell().fullScreen, 0);
    EXPECT_FALSE(vrk::Shell().mainWindow->FullScreen());
}

TEST_F(WindowSetupTest, SetFullScreen_FailedRecreationAsksForARebuild)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    test::ScopedEnvironment fail("KELVARA_PORT_FAIL", "window");
    vrk::SetFullScreen(1);
    const auto pending = Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].kind, MessageKind::kRebuildDevice);
}

TEST_F(WindowSetupTest, Rebuild_RecreatesInterfaceWindowAndDevice)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    Pending();
    vrk::MainWindowProc(port::WindowMessage{MessageKind::kRebuildDevice, 0, 0});
    EXPECT_EQ(library.unloads, 1);
    EXPECT_EQ(library.loads, 2);
    EXPECT_NE(vrk::Shell().mainWindow, nullptr);
    EXPECT_NE(vrk::Devices().device, nullptr);
    EXPECT_FALSE(HasQuit(3));
}

TEST_F(WindowSetupTest, Rebuild_FailingAgainEndsTheGameWithCode3)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    test::ScopedEnvironment fail("KELVARA_PORT_FAIL", "window");
    vrk::MainWindowProc(port::WindowMessage{MessageKind::kRebuildDevice, 0, 0});
    EXPECT_EQ(vrk::Shell().mainWindow, nullptr);
    EXPECT_TRUE(HasQuit(3));
}

TEST_F(WindowSetupTest, HostTitle_ReachesTheWindow)
{
    ASSERT_EQ(vrk::CreateMainWindow(0), 1);
    vrk::HostCommand("title=Kelvara 2 - Level 4");
    EXPECT_EQ(vrk::Shell().title, "Kelvara 2 - Level 4");
}

}  // namespace
