// The main window's message table, row by row, and the main loop around it.
#include "engine/platform/window_proc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine/gui/gui.h"
#include "engine/platform/host_services.h"
#include "engine/platform/main_loop.h"
#include "engine/render/render.h"
#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"
#include "port/window/clock.h"
#include "port/window/virtual_keys.h"
#include "tests/engine/platform/shell_test_support.h"

namespace {

using port::MessageKind;
using port::WindowMessage;

class WindowProcTest : public test::ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        screen = new test::RecordingWidget("level", &calls);
        Core().SetFocus("level");
        Core().Resize(1024, 768);
        calls.clear();
    }
    intptr_t Send(MessageKind kind, intptr_t param1 = 0, intptr_t param2 = 0)
    {
        return vrk::MainWindowProc(WindowMessage{kind, param1, param2});
    }

    std::vector<std::string> calls;
    test::RecordingWidget* screen = nullptr;
};

TEST_F(WindowProcTest, Close_PostsQuitWithCodeZero)
{
    EXPECT_EQ(Send(MessageKind::kClose), 0);
    const auto pending = Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0], (WindowMessage{MessageKind::kQuit, 0, 0}));
}

TEST_F(WindowProcTest, SizeRestored_ResizesAndAsksForAReset)
{
    Send(MessageKind::kSizeRestored, 800, 600);
    EXPECT_EQ(vrk::GetRender()->screenRect.width, 800);
    EXPECT_EQ(Core().gui->clientRect.height, 600);
    EXPECT_EQ(vrk::Devices().deviceLost, 1);
    EXPECT_EQ(vrk::Devices().resetWanted, 1);
}

TEST_F(WindowProcTest, SizeRestored_WithoutSizeOnlySetsTheDeviceFlags)
{
    Send(MessageKind::kSizeRestored, 0, 0);
    EXPECT_EQ(Core().gui->clientRect.width, 1024);
    EXPECT_EQ(vrk::Devices().deviceLost, 1);
    EXPECT_EQ(vrk::Devices().resetWanted, 1);
}

TEST_F(WindowProcTest, SizeMinimized_PostsDeactivation)
{
    Send(MessageKind::kSizeMinimized);
    const auto pending = Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].kind, MessageKind::kDeactivate);
}

TEST_F(WindowProcTest, SizeMaximized_InFullScreenIsARestore)
{
    vrk::Shell().fullScreen = 1;
    Send(MessageKind::kSizeMaximized, 1920, 1080);
    EXPECT_EQ(Core().gui->clientRect.width, 1920);
    EXPECT_EQ(vrk::Devices().resetWanted, 1);
    EXPECT_EQ(vrk::Shell().fullScreen, 1);
}

TEST_F(WindowProcTest, Activation_PausesAndResumesSoundAndTheClock)
{
    counter = 400;
    Send(MessageKind::kDeactivate);
    EXPECT_EQ(vrk::Shell().inactive, 1);
    EXPECT_TRUE(vrk::GetSoundManager()->paused);
    EXPECT_TRUE(vrk::GetSoundManager()->Audio().IsPaused());

    counter = 900;
    Send(MessageKind::kActivate);
    EXPECT_EQ(vrk::Shell().inactive, 0);
    EXPECT_FALSE(vrk::GetSoundManager()->paused);
    EXPECT_FALSE(vrk::GetSoundManager()->Audio().IsPaused());
    EXPECT_EQ(vrk::Shell().lastCounter, 900u);
}

TEST_F(WindowProcTest, DisplayChange_MarksTheDeviceLostWithoutForcingAReset)
{
    vrk::Devices().resetWanted = 1;
    Send(MessageKind::kDisplayChange);
    EXPECT_EQ(vrk::Devices().deviceLost, 1);
    EXPECT_EQ(vrk::Devices().resetWanted, 0);
}

TEST_F(WindowProcTest, InputRows_ReachTheFocusedScreen)
{
    Send(MessageKind::kKeyDown, port::vk::kEscape);
    Send(MessageKind::kChar, 'x');
    Send(MessageKind::kButtonDown, port::kMouseRight, port::PackPoint(10, 20));
    Send(MessageKind::kButtonUp, port::kMouseLeft, port::PackPoint(10, 20));
    Send(MessageKind::kMouseMove, 0, port::PackPoint(30, 40));
    EXPECT_EQ(calls, (std::vector<std::string>{"level event 1 27", "level event 3 120", "level event 4 2",
                                               "level event 5 0",
                                               "level event 6 " + std::to_string(40 * 65536 + 30)}));
}

TEST_F(WindowProcTest, F1_OpensTheAboutBoxAndNothingElseSeesIt)
{
    Send(MessageKind::kKeyDown, port::vk::kF1);
    EXPECT_TRUE(calls.empty());
}

TEST_F(WindowProcTest, Input_WithoutCoreIsDropped)
{
    auto core = std::move(vrk::Shell().core);
    Send(MessageKind::kKeyDown, 'A');
    Send(MessageKind::kSizeRestored, 640, 480);
    vrk::Shell().core = std::move(core);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(Core().gui->clientRect.width, 1024);
}

TEST_F(WindowProcTest, Timer_FramesPerSecondIsTwiceTheFramesCounted)
{
    Core().frameCount = 31;
    Send(MessageKind::kTimer);
    EXPECT_EQ(Core().fps, 62);
    EXPECT_EQ(Core().frameCount, 0);
}

TEST_F(WindowProcTest, MainLoop_HandlesMessagesBeforeTheFrameAndEndsOnQuit)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    int exitCode = -1;
    vrk::Shell().pump.Post(WindowMessage{MessageKind::kChar, 'q', 0});
    vrk::Shell().pump.PostQuit(3);
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kMessage);
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kQuit);
    EXPECT_EQ(exitCode, 3);
    EXPECT_EQ(calls, (std::vector<std::string>{"level event 3 113"}));
}

TEST_F(WindowProcTest, MainLoop_DrawsAndUpdatesWithTheMeasuredTime)
{
    ASSERT_TRUE(vrk::DX8Create());
    ASSERT_EQ(vrk::DX8CreateDevice(), 1);
    Recorder().Clear();
    int exitCode = 0;
    counter = 100;
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kFrame);
    EXPECT_FLOAT_EQ(Core().lastFrameTime, 0.1f);
    EXPECT_EQ(Core().frameCount, 1);
    EXPECT_EQ(Recorder().Count("BeginScene"), 1u);
    EXPECT_EQ(Recorder().Count("Present"), 1u);
    EXPECT_EQ(calls, (std::vector<std::string>{"level tick", "level update"}));
}

TEST_F(WindowProcTest, MainLoop_UpdatesEvenWhenTheDeviceCannotDraw)
{
    int exitCode = 0;  // no device: Begin fails
    counter = 20;
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kFrame);
    EXPECT_EQ(Core().frameCount, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"level update"}));
}

TEST_F(WindowProcTest, MainLoop_InactiveWaitsAndTheFirstFrameCountsFromActivation)
{
    int exitCode = 0;
    Send(MessageKind::kDeactivate);
    counter = 5000;
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kWaited);
    EXPECT_TRUE(calls.empty());

    counter = 9000;
    vrk::Shell().pump.Post(WindowMessage{MessageKind::kActivate, 0, 0});
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kMessage);
    counter = 9020;
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kFrame);
    EXPECT_FLOAT_EQ(Core().lastFrameTime, 0.02f);
}

TEST_F(WindowProcTest, MainLoop_KeepRunningByteKeepsFramesGoingWhileInactive)
{
    int exitCode = 0;
    Send(MessageKind::kDeactivate);
    Core().keepRunning = 1;
    counter = 50;
    EXPECT_EQ(vrk::MainLoopStep(exitCode), vrk::LoopStep::kFrame);
    EXPECT_EQ(calls, (std::vector<std::string>{"level tick", "level update"}));
}

TEST_F(WindowProcTest, HostCommand_ExitQuitsOnlyForTheWholeText)
{
    vrk::HostCommand("exit=1");
    EXPECT_TRUE(Pending().empty());
    EXPECT_EQ(vrk::HostCommand("exit"), 0);
    const auto pending = Pending();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].kind, MessageKind::kQuit);
}

TEST_F(WindowProcTest, HostCommand_TitleTakesTheTextAfterTheFirstEquals)
{
    vrk::HostCommand("title=Level = 3");
    EXPECT_EQ(vrk::Shell().title, "Level = 3");
    vrk::HostCommand("titles=ignored");
    EXPECT_EQ(vrk::Shell().title, "Level = 3");
    EXPECT_EQ(vrk::HostCommand(nullptr), 0);
}

TEST_F(WindowProcTest, HostCommand_TitleIsCutTo255Units)
{
    vrk::HostCommand(("title=" + std::string(300, 'k')).c_str());
    EXPECT_EQ(vrk::Shell().title, std::string(255, 'k'));
    // 254 units and a character that needs a surrogate pair: the pair is not split.
    vrk::HostCommand(("title=" + std::string(254, 'k') + "\xF0\x9F\x98\x80").c_str());
    EXPECT_EQ(vrk::Shell().title, std::string(254, 'k'));
}

TEST_F(WindowProcTest, HostCommand_OnGameStartUsesTheGameTitleText)
{
    vrk::TextTable()["GameTitle"] = "Kelvara 2: Deluxe";
    vrk::HostCommand("OnGameStart");
    EXPECT_EQ(vrk::Shell().title, "Kelvara 2: Deluxe");
}

TEST(HostServices, UserLanguageIsNeverEmpty)
{
    const char* language = vrk::GetUserLanguage();
    ASSERT_NE(language, nullptr);
    EXPECT_GT(std::strlen(language), 0u);
}

}  // namespace
