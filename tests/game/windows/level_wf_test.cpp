// The HUD "level" over the running table level "002", driven with window events
// through the GUI manager's window: the stock refresh cadence, the time bar, day,
// night and the dial, the task rows and their tooltip, the menu button, and a HUD
// script that lacks its main controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/text/text_table.h"
#include "game/windows/level_wf.h"
#include "game/windows/task_popup_wf.h"
#include "objects/level_contract.h"
#include "tests/game/support/level_tour.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int32_t kKeyEscape = 27;

// A HUD of the main controls alone, with task frames whose names read as the
// indexes 0, -1 and 7.
constexpr const char* kProbeScript = R"(
function FillWindow(wnd)
  for _, name in ipairs({ "food", "wood", "money", "mana" }) do createLabelCtrl(wnd, name) end
  createProgressBarSysCtrl(wnd, "time")
  createProgressBarSysCtrl(wnd, "daynight")
  for _, name in ipairs({ "day", "night", "no_night" }) do createImageCtrl(wnd, name) end
  for _, name in ipairs({ "frame_task0", "frame_task-1", "frame_task7", "frames" }) do createFrameCtrl(wnd, name) end
end
)";
constexpr const char* kBrokenScript = R"(
function FillWindow(wnd)
  createLabelCtrl(wnd, "food")
  createButtonSysCtrl(wnd, "menu")
end
)";
constexpr const char* kTooltipWithoutText = "function FillWindow(wnd) createFrameCtrl(wnd, 'frame') end";

class LevelWFTest : public test::LevelTour {
protected:
    // The level in play with its HUD open and the talk gone.
    void SetUp() override
    {
        LevelTour::SetUp();
        StartLevel();
        if (HasFatalFailure()) return;
        PressKey(kKeyEscape);
        Frames(3);
        ASSERT_TRUE(IsOpen("level"));
        hud = Handler<cLevelWF>("level");
        ASSERT_NE(hud, nullptr);
    }

    bool Shown(const std::string& window, const std::string& control) const
    {
        const vrk::cCtrl* found = Control(window, control);
        return found != nullptr && found->HasFlag(vrk::kCtrlShown);
    }
    float Progress(const std::string& control) const
    {
        const auto* bar = dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("level", control));
        return bar != nullptr ? bar->GetProgress() : -1.0f;
    }
    void SetTasks(size_t count, size_t done)
    {
        const char* icons[] = {"task_worker", "task_money", "task_wood", "task_food"};
        const char* ids[] = {"Population_6", "Money_200", "Wood_100", "Food_100"};
        screen->Tasks().Clear();
        for (size_t i = 0; i < count; ++i) {
            screen->Tasks().Add(0, "probe", 10 + static_cast<uint32_t>(i), icons[i], ids[i]);
            screen->Tasks().records[i].current = i < done ? 20 : 4;
        }
        Send("level", kWndMessage);
    }
    int32_t FrameIndex(const std::string& window, const std::string& name) const
    {
        return Window(window)->FindCtrl(name);
    }
    void LetWindowsFade() { Frames(20); }

    cLevelWF* hud = nullptr;
    test::TempFolder folder;
};

TEST_F(LevelWFTest, Update_RefreshesStockTenTimesASecondAndTheBarsEveryTime)
{
    Send("level", vrk::kWndUpdate, 100);
    EXPECT_EQ(hud->GetRefreshElapsed(), 0.0f);
    screen->Stock().amounts = {7, 8, 9, 10};
    Send("level", vrk::kWndUpdate, 60);
    EXPECT_NE(Text("level", "food"), "8");
    Send("level", vrk::kWndUpdate, 60);
    EXPECT_EQ(Text("level", "wood"), "7");
    EXPECT_EQ(Text("level", "food"), "8");
    EXPECT_EQ(Text("level", "money"), "9");
    EXPECT_EQ(Text("level", "mana"), "10");
    EXPECT_EQ(hud->GetRefreshElapsed(), 0.0f);

    // The time bar: 1 - T / L, empty past the limit, full without one.
    screen->timeLimit = 200.0f;
    screen->levelTime = 50.0f;
    Send("level", vrk::kWndUpdate, 0);
    EXPECT_FLOAT_EQ(Progress("time"), 0.75f);
    screen->levelTime = 250.0f;
    Send("level", vrk::kWndUpdate, 0);
    EXPECT_FLOAT_EQ(Progress("time"), 0.0f);
    screen->timeLimit = 0.0f;
    Send("level", vrk::kWndUpdate, 0);
    EXPECT_FLOAT_EQ(Progress("time"), 1.0f);

    // Day, night and the circular dial; no cycle shows "no_night" at 0.
    EXPECT_TRUE(dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("level", "daynight"))->IsCircular());
    screen->night = true;
    screen->dayNightPhase.current = 30.0f;
    screen->dayNightPhase.target = 120.0f;
    Send("level", vrk::kWndUpdate, 0);
    EXPECT_TRUE(Shown("level", "night"));
    EXPECT_FALSE(Shown("level", "day"));
    EXPECT_FALSE(Shown("level", "no_night"));
    EXPECT_FLOAT_EQ(Progress("daynight"), 0.25f);
    screen->night = false;
    screen->dayNightPhase.current = screen->dayNightPhase.target = 0.0f;
    Send("level", vrk::kWndUpdate, 0);
    EXPECT_TRUE(Shown("level", "day"));
    EXPECT_FALSE(Shown("level", "night"));
    EXPECT_TRUE(Shown("level", "no_night"));
    EXPECT_FLOAT_EQ(Progress("daynight"), 0.0f);
    // A phase on its way to a target of 0 divides by nothing.
    screen->dayNightPhase.current = 5.0f;
    Send("level", vrk::kWndUpdate, 0);
    EXPECT_TRUE(Shown("level", "no_night"));
    EXPECT_FLOAT_EQ(Progress("daynight"), 0.0f);
}

TEST_F(LevelWFTest, TaskRows_ShowAtMostThreeTasksAndEmptyTheRest)
{
    SetTasks(1, 0);
    EXPECT_EQ(Text("level", "label_task00"), "x10");
    EXPECT_EQ(Text("level", "label_task01"),
              vrk::FormatStdString(vrk::FindText("TaskRemain"), vrk::FormatArg::FromInt(6)));
    EXPECT_TRUE(Shown("level", "image_task0"));
    for (const char* hidden : {"image_task1", "image_task2"}) EXPECT_FALSE(Shown("level", hidden)) << hidden;
    EXPECT_EQ(Text("level", "label_task10"), "");
    EXPECT_EQ(Text("level", "label_task21"), "");

    SetTasks(2, 2);
    EXPECT_EQ(Text("level", "label_task10"), "^00FF00FFx11^^");
    EXPECT_EQ(Text("level", "label_task11"), "^00FF00FF" + vrk::FindText("TaskDone") + "^^");
    EXPECT_FALSE(Shown("level", "image_task2"));

    SetTasks(3, 1);
    EXPECT_TRUE(Shown("level", "image_task2"));
    EXPECT_EQ(Text("level", "label_task20"), "x12");

    SetTasks(4, 0);
    EXPECT_EQ(Text("level", "label_task20"), "x12");
    EXPECT_EQ(Control("level", "label_task30"), nullptr);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(LevelWFTest, Tooltip_OpensOnAKnownTaskAndClosesOtherwise)
{
    SetTasks(2, 0);
    const int32_t row0 = FrameIndex("level", "frame_task0");
    Send("level", vrk::kWndMouseEntered, 0, row0);
    ASSERT_TRUE(IsOpen("level_task"));
    EXPECT_EQ(Text("level_task", "text"), vrk::FindText("Population_6"));
    EXPECT_TRUE(IsOpen("level"));
    Send("level", vrk::kWndMouseLeft, 0, row0);
    LetWindowsFade();
    EXPECT_FALSE(IsOpen("level_task"));

    // The real pointer over the second row, then away from the rows.
    const vrk::GuiRect rect = Control("level", "frame_task1")->GetRect();
    const auto x = static_cast<int32_t>(rect.x + rect.width / 2);
    const auto y = kWindowHeight - static_cast<int32_t>(rect.y + rect.height / 2);
    MoveMouse(x, y);
    Frame();
    ASSERT_TRUE(IsOpen("level_task"));
    EXPECT_EQ(Text("level_task", "text"), vrk::FindText("Money_200"));
    MoveMouse(100, 300);
    LetWindowsFade();
    EXPECT_FALSE(IsOpen("level_task"));

    // Beyond the tasks, a negative index and a tooltip without its label close it.
    app->FillWindow("level_probe", folder.Write("level_probe.lua", kProbeScript), std::make_unique<cLevelWF>());
    game->gui->ShowWindow("level_probe");
    for (const char* name : {"frame_task7", "frame_task-1"}) {
        Send("level", vrk::kWndMouseEntered, 0, row0);
        ASSERT_TRUE(IsOpen("level_task"));
        Send("level_probe", vrk::kWndMouseEntered, 0, FrameIndex("level_probe", name));
        LetWindowsFade();
        EXPECT_FALSE(IsOpen("level_task")) << name;
    }
    // A control that only starts like a task frame, or none at all, is no row.
    Send("level", vrk::kWndMouseEntered, 0, row0);
    Send("level_probe", vrk::kWndMouseEntered, 0, FrameIndex("level_probe", "frames"));
    Send("level_probe", vrk::kWndMouseEntered, 0, 999);
    LetWindowsFade();
    EXPECT_TRUE(IsOpen("level_task"));
    EXPECT_TRUE(NoWarning()) << WarningText();

    app->FillWindow("level_task", folder.Write("level_task.lua", kTooltipWithoutText), std::make_unique<cTaskPopupWF>());
    Send("level_probe", vrk::kWndMouseEntered, 0, FrameIndex("level_probe", "frame_task0"));
    EXPECT_FALSE(IsOpen("level_task"));
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_NE(Warnings()[0].find("control 'text' not found in window 'level_task'"), std::string::npos);
}

TEST_F(LevelWFTest, Buttons_MenuOpensTheEscapeMenuAndEveryPressIsConsumed)
{
    EXPECT_EQ(Press("level", "food"), 1);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(Press("level", "menu"), 1);
    EXPECT_TRUE(IsOpen("escape"));
    EXPECT_EQ(app->GetWindowContext(), 2);
}

TEST_F(LevelWFTest, MissingMainControls_FailTheHudAndOnlyEscClosesIt)
{
    app->FillWindow("level_broken", folder.Write("level_broken.lua", kBrokenScript), std::make_unique<cLevelWF>());
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_NE(Warnings()[0].find("[level_broken] Some controls not found"), std::string::npos);
    auto* broken = Handler<cLevelWF>("level_broken");
    ASSERT_NE(broken, nullptr);
    EXPECT_TRUE(broken->IsFailed());
    game->gui->ShowWindow("level_broken");
    screen->Stock().amounts = {1, 2, 3, 4};
    Send("level_broken", vrk::kWndUpdate, 500);
    EXPECT_EQ(Text("level_broken", "food"), "");
    EXPECT_NE(Press("level_broken", "menu"), 1);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(Send("level_broken", vrk::kWndKeyDown, kKeyEscape), 1);
    LetWindowsFade();
    EXPECT_FALSE(IsOpen("level_broken"));
}

}  // namespace
