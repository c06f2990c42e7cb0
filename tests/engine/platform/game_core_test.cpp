// The engine core: creation order, screen switching, the suspended counter, the frame
// steps and input routing through the GUI windows to the focused screen.
#include "engine/platform/game_core.h"

#include <gtest/gtest.h>

#include "engine/gui/gui.h"
#include "engine/log/logger.h"
#include "engine/platform/fixed_step.h"
#include "engine/render/render.h"
#include "engine/script/script.h"
#include "engine/sound/sound_manager.h"
#include "engine/text/text_table.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

using test::RecordingWidget;

class GameCoreTest : public test::CoreTest {
protected:
    RecordingWidget* AddScreen(const std::string& name)
    {
        return new RecordingWidget(name, &calls);  // the core owns it
    }
    std::vector<std::string> calls;
};

// Answers every window event with a fixed result and records the codes it saw.
class RecordingFunction : public vrk::cWindowFunction {
public:
    RecordingFunction(std::vector<std::string>* seen, int32_t answer) : seen_(seen), answer_(answer) {}
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override
    {
        // The core's end comes after the test's own record is gone.
        if (code == vrk::kWndDestroying) return 0;
        seen_->push_back(window->GetName() + " " + std::to_string(code) + " " + std::to_string(first) +
                         " " + std::to_string(second));
        return answer_;
    }

private:
    std::vector<std::string>* seen_;
    int32_t answer_;
};

// Opens a recorded window on top; what the opening itself sent is forgotten.
vrk::cWindow* OpenWindow(vrk::cGUI& gui, const std::string& name, std::vector<std::string>* seen,
                         int32_t answer, bool active, bool modal)
{
    vrk::cWindow* window = gui.AddWindow(name, std::make_unique<RecordingFunction>(seen, answer));
    window->active = active;
    window->modal = modal;
    gui.ShowWindow(name);
    seen->clear();
    return window;
}

TEST_F(GameCoreTest, Construction_CreatesSingletonsAndLogsThePaths)
{
    EXPECT_EQ(vrk::GetGame(), game.get());
    EXPECT_NE(vrk::GetLogger(), nullptr);
    EXPECT_NE(vrk::GetRender(), nullptr);
    EXPECT_NE(vrk::GetLuaState(), nullptr);
    EXPECT_NE(vrk::GetSoundManager(), nullptr);
    EXPECT_EQ(game->gui->virtualWidth, 1024.0f);
    EXPECT_EQ(game->gui->virtualHeight, 768.0f);
    EXPECT_FLOAT_EQ(game->lastFrameTime, 0.01f);
    EXPECT_EQ(game->focused, nullptr);

    game.reset();
    EXPECT_EQ(vrk::GetGame(), nullptr);
    EXPECT_EQ(vrk::GetLogger(), nullptr);
    EXPECT_EQ(vrk::GetRender(), nullptr);
    EXPECT_EQ(vrk::GetLuaState(), nullptr);
    EXPECT_EQ(vrk::GetSoundManager(), nullptr);

    const std::string log = test::TempFolder::Read(appPath.LogFile());
    const size_t paths = log.find("System paths:");
    const size_t script = log.find("CreateScript: Ok");
    const size_t render = log.find("CreateRender");
    const size_t sound = log.find("CreateSoundManager");
    const size_t settings = log.find("settings.lua");
    const size_t destroyed = log.find("Destroyed.");
    const size_t scriptGone = log.find("DestroyScript");
    const size_t soundGone = log.find("DestroySoundManager");
    EXPECT_NE(log.find("{StaticPath} = "), std::string::npos);
    EXPECT_LT(paths, script);
    EXPECT_LT(script, render);
    EXPECT_LT(render, sound);
    EXPECT_LT(sound, settings);
    EXPECT_LT(settings, destroyed);
    EXPECT_LT(destroyed, scriptGone);
    EXPECT_LT(scriptGone, soundGone);
    EXPECT_NE(soundGone, std::string::npos);
    EXPECT_NE(log.find("</html>"), std::string::npos);  // the log was closed properly
}

TEST_F(GameCoreTest, Destruction_DropsLocaleTextsButKeepsTheDialogWordsForTheNextCore)
{
    vrk::TextTable()["GameTitle"] = "Kelvara";
    vrk::TextTable()["Yes"] = "Ja";
    game.reset();
    game = std::make_unique<vrk::cGame>(port::AudioOutputKind::kNull);

    EXPECT_EQ(vrk::FindText("GameTitle"), "");
    for (const char* word : {"Ok", "Cancel", "Yes", "No", "Ignore", "Abort", "Help", "Information",
                             "Warning", "Error", "Player"})
        EXPECT_EQ(vrk::FindText(word), word);
    EXPECT_EQ(vrk::TextTable().size(), 11u);
}

TEST_F(GameCoreTest, Construction_RunsTheSettingsScript)
{
    game.reset();
    test::TempFolder::Read(appPath.LogFile());
    const std::string folder = appPath.LogFile().substr(0, appPath.LogFile().rfind('/'));
    std::filesystem::create_directories(folder + "/conf");
    {
        std::FILE* file = std::fopen((folder + "/conf/settings.lua").c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs("runWindowed = true\n", file);
        std::fclose(file);
    }
    game = std::make_unique<vrk::cGame>(port::AudioOutputKind::kNull);
    EXPECT_TRUE(vrk::GetRunWindowed());
}

TEST_F(GameCoreTest, SetFocus_SwitchesByNameAndCallsUnfocusThenFocus)
{
    AddScreen("menu");
    AddScreen("map");
    game->SetFocus("menu");
    game->SetFocus("map");
    EXPECT_EQ(game->focused->GetName(), "map");
    EXPECT_EQ(calls, (std::vector<std::string>{"menu focus", "menu unfocus", "map focus"}));
    EXPECT_TRUE(Logged("Set focus to widget with name 'map'."));
}

TEST_F(GameCoreTest, SetFocus_TheFocusedNameAgainChangesNothing)
{
    AddScreen("menu");
    game->SetFocus("menu");
    calls.clear();
    game->suspended = 2;
    game->SetFocus("menu");
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(game->suspended, 2);
    EXPECT_TRUE(Logged("Widget with name 'menu' is focused already."));
}

TEST_F(GameCoreTest, SetFocus_UnknownNameLeavesNoScreenFocused)
{
    AddScreen("menu");
    game->SetFocus("menu");
    game->SetFocus("nowhere");
    EXPECT_EQ(game->focused, nullptr);
    EXPECT_EQ(calls.back(), "menu unfocus");
    EXPECT_TRUE(Logged("Widget with name 'nowhere' not found."));
}

TEST_F(GameCoreTest, SetFocus_FirstOfTwoEqualNamesWinsAndSuspendIsCleared)
{
    RecordingWidget* first = AddScreen("level");
    AddScreen("level");
    game->suspended = 1;
    game->SetFocus("level");
    EXPECT_EQ(game->focused, first);
    EXPECT_EQ(game->suspended, 0);
}

TEST_F(GameCoreTest, UpdateFrame_TicksOnceAtMostPerFrame)
{
    AddScreen("level");
    game->SetFocus("level");
    calls.clear();
    game->UpdateFrame(0.1f);
    EXPECT_EQ(calls, (std::vector<std::string>{"level tick", "level update"}));
    EXPECT_LT(game->fixedStepAccumulator, vrk::kFixedTick);
    EXPECT_FLOAT_EQ(game->lastFrameTime, 0.1f);
    calls.clear();
    game->UpdateFrame(0.0f);
    EXPECT_EQ(calls, (std::vector<std::string>{"level update"}));
}

TEST_F(GameCoreTest, Suspended_ScreenGetsNothingWhileWindowsStillDo)
{
    std::vector<std::string> seen;
    OpenWindow(*game->gui, "hud", &seen, 0, true, false);
    RecordingWidget* screen = AddScreen("level");
    screen->answer = 1;
    game->SetFocus("level");
    calls.clear();
    game->suspended = 1;

    game->UpdateFrame(0.05f);  // posts the window's update event
    game->UpdateFrame(0.05f);  // delivers it
    EXPECT_EQ(game->OnKeyDown(65), 0);
    EXPECT_EQ(game->OnMouseMove(10, 10), 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(seen.size(), 3u);  // update, key, move

    game->suspended = 0;
    EXPECT_EQ(game->OnKeyDown(65), 1);
    EXPECT_EQ(calls.back(), "level event 1 65");
}

TEST_F(GameCoreTest, Input_ConsumingWindowKeepsItFromTheScreen)
{
    std::vector<std::string> seen;
    OpenWindow(*game->gui, "dialog", &seen, 1, true, false);
    AddScreen("level");
    game->SetFocus("level");
    calls.clear();
    EXPECT_EQ(game->OnChar('a'), 1);
    EXPECT_EQ(game->OnMouseDown(0, 5, 5), 1);
    EXPECT_TRUE(calls.empty());
}

TEST_F(GameCoreTest, Input_ScreenGetsKindAndParameter)
{
    RecordingWidget* screen = AddScreen("level");
    game->SetFocus("level");
    game->Resize(1024, 768);
    calls.clear();
    screen->answer = 7;  // any non-zero answer counts as consumed
    EXPECT_EQ(game->OnKeyDown(0x1B), 1);
    EXPECT_EQ(game->OnChar(0x263A), 1);
    EXPECT_EQ(game->OnMouseDown(2, 1, 1), 1);
    EXPECT_EQ(game->OnMouseUp(1, 1, 1), 1);
    EXPECT_EQ(game->OnMouseMove(300, 200), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"level event 1 27", "level event 3 9786", "level event 4 2",
                                               "level event 5 1",
                                               "level event 6 " + std::to_string(200 * 65536 + 300)}));
    screen->answer = 0;
    EXPECT_EQ(game->OnKeyDown(0x1B), 0);
}

TEST_F(GameCoreTest, MouseUp_WalksWindowsTopDownWithTheButtonsCodes)
{
    std::vector<std::string> seen;
    OpenWindow(*game->gui, "bottom", &seen, 0, true, false);
    OpenWindow(*game->gui, "top", &seen, 0, true, false);
    game->Resize(1024, 768);
    EXPECT_EQ(game->OnMouseUp(0, 0, 768), 0);
    EXPECT_EQ(game->OnMouseUp(1, 0, 768), 0);
    EXPECT_EQ(game->OnMouseUp(2, 1024, 0), 0);
    // (1024, 0) in window pixels is the GUI's top right: y 768 -> 768 * 65536 + 1024.
    const std::string topRight = std::to_string(768 * 65536 + 1024);
    EXPECT_EQ(seen, (std::vector<std::string>{"top 7 0 0", "bottom 7 0 0", "top 18 0 0", "bottom 18 0 0",
                                              "top 0 0 " + topRight, "bottom 0 0 " + topRight}));
}

TEST_F(GameCoreTest, MouseUp_ModalWindowEndsTheWalkEvenWhenInactive)
{
    std::vector<std::string> seen;
    OpenWindow(*game->gui, "below", &seen, 0, true, false);
    OpenWindow(*game->gui, "modal", &seen, 0, true, true);
    OpenWindow(*game->gui, "inactive", &seen, 1, false, false);
    AddScreen("level");
    game->SetFocus("level");
    calls.clear();
    EXPECT_EQ(game->OnMouseUp(0, 10, 10), 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].substr(0, 8), "modal 7 ");
    EXPECT_TRUE(calls.empty());
}

TEST_F(GameCoreTest, MouseUp_WindowAnsweringOneConsumes)
{
    std::vector<std::string> seen;
    OpenWindow(*game->gui, "below", &seen, 0, true, false);
    OpenWindow(*game->gui, "button", &seen, 1, true, false);
    EXPECT_EQ(game->OnMouseUp(0, 10, 10), 1);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(GameCoreTest, Resize_SetsViewportAndGuiRectangleKeepingHeightAboveZero)
{
    game->Resize(800, 0);
    EXPECT_EQ(vrk::GetRender()->screenRect.width, 800);
    EXPECT_EQ(vrk::GetRender()->screenRect.height, 1);
    EXPECT_EQ(game->gui->clientRect.width, 800);
    EXPECT_EQ(game->gui->clientRect.height, 0);
}

TEST_F(GameCoreTest, DrawFrame_CountsFramesAndDrawsTheFocusedScreen)
{
    std::vector<std::string> seen;
    OpenWindow(*game->gui, "hud", &seen, 0, false, false);
    game->DrawFrame();  // no screen: only the clear colour
    EXPECT_EQ(vrk::GetRender()->clearColor, 0x00FF3F3Fu);
    EXPECT_TRUE(seen.empty());
    new vrk::cWidget("plain");
    game->SetFocus("plain");
    game->DrawFrame();  // the base draws the GUI windows, active or not
    EXPECT_EQ(seen, (std::vector<std::string>{"hud 1 0 0"}));
    EXPECT_EQ(game->frameCount, 2);
}

TEST_F(GameCoreTest, Widgets_AreDeletedWithTheCore)
{
    struct Counted : vrk::cWidget {
        explicit Counted(int* alive) : vrk::cWidget("counted"), alive_(alive) { ++*alive_; }
        ~Counted() override { --*alive_; }
        int* alive_;
    };
    int alive = 0;
    new Counted(&alive);
    new Counted(&alive);
    EXPECT_EQ(game->Widgets().size(), 2u);
    game.reset();
    EXPECT_EQ(alive, 0);
}

}  // namespace
