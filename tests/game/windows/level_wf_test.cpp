// The HUD "level" over the running level "002", driven with window events: the
// stock refresh cadence, the time bar, day, night and the dial, the task rows and
// their tooltip, the buttons, and a HUD script without its main controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/text/text_table.h"
#include "game/windows/level_wf.h"
#include "game/windows/task_popup_wf.h"
#include "tests/game/support/level_tour.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int32_t kKeyEscape = 27;
// The main controls alone, with frames named as the task indexes 0, -1 and 7.
constexpr const char* kProbeScript = R"(function FillWindow(wnd)
  for _, name in ipairs({ "food", "wood", "money", "mana" }) do createLabelCtrl(wnd, name) end
  for _, name in ipairs({ "time", "daynight" }) do createProgressBarSysCtrl(wnd, name) end
  for _, name in ipairs({ "day", "night", "no_night" }) do createImageCtrl(wnd, name) end
  for _, name in ipairs({ "frame_task0", "frame_task-1", "frame_task7" }) do createFrameCtrl(wnd, name) end
end)";

class LevelWFTest : public test::LevelTour {
protected:
    void SetUp() override
    {
        LevelTour::SetUp();
        StartLevel();
        PressKey(kKeyEscape);
        Frames(3);
        hud = Handler<cLevelWF>("level");
        ASSERT_NE(hud, nullptr);
    }
    float Progress(const std::string& control) const
    {
        return dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("level", control))->GetProgress();
    }
    // count tasks of targets 10, 11, ..., the first done of them reached.
    void SetTasks(size_t count, size_t done)
    {
        const char* ids[] = {"Population_6", "Money_200", "Wood_100", "Food_100"};
        screen->Tasks().Clear();
        for (size_t i = 0; i < count; ++i) {
            screen->Tasks().Add(0, "", 10 + static_cast<uint32_t>(i), "task_money", ids[i]);
            screen->Tasks().records[i].current = i < done ? 20 : 4;
        }
        Send("level", kWndMessage);
    }
    void Hover(const std::string& window, const std::string& frame)
    {
        Send(window, vrk::kWndMouseEntered, 0, Window(window)->FindCtrl(frame));
    }

    cLevelWF* hud = nullptr;
    test::TempFolder folder;
};

TEST_F(LevelWFTest, Update_RefreshesStockTenTimesASecondAndTheBarsEachTime)
{
    Send("level", vrk::kWndUpdate, 100);
    screen->Stock().amounts = {7, 8, 9, 10};
    Send("level", vrk::kWndUpdate, 60);
    EXPECT_NE(Text("level", "food"), "8");
    Send("level", vrk::kWndUpdate, 60);
    EXPECT_EQ(Text("level", "food"), "8");
    EXPECT_EQ(Text("level", "mana"), "10");
    EXPECT_EQ(hud->GetRefreshElapsed(), 0.0f);

    const struct {
        float used, limit, bar;
    } times[] = {{50.0f, 200.0f, 0.75f}, {250.0f, 200.0f, 0.0f}, {50.0f, 0.0f, 1.0f}};
    for (const auto& time : times) {
        screen->levelTime = time.used;
        screen->timeLimit = time.limit;
        Send("level", vrk::kWndUpdate, 0);
        EXPECT_FLOAT_EQ(Progress("time"), time.bar) << time.used << " of " << time.limit;
    }

    // Day or night, the dial's share of it, and "no_night" with no cycle running,
    // also toward a target of 0.
    EXPECT_TRUE(dynamic_cast<vrk::cProgressBarSysCtrl*>(Control("level", "daynight"))->IsCircular());
    const struct {
        bool night;
        float current, target, dial;
        bool noNight;
    } phases[] = {
        {true, 30.0f, 120.0f, 0.25f, false}, {false, 0.0f, 0.0f, 0.0f, true}, {false, 5.0f, 0.0f, 0.0f, true}};
    for (const auto& phase : phases) {
        screen->night = phase.night;
        screen->dayNightPhase.current = phase.current;
        screen->dayNightPhase.target = phase.target;
        Send("level", vrk::kWndUpdate, 0);
        EXPECT_EQ(Shown("level", "night"), phase.night);
        EXPECT_EQ(Shown("level", "day"), !phase.night);
        EXPECT_EQ(Shown("level", "no_night"), phase.noNight);
        EXPECT_FLOAT_EQ(Progress("daynight"), phase.dial);
    }
}

TEST_F(LevelWFTest, TaskRowsAndTooltip_ShowAtMostThreeAndCloseForAnyOtherIndex)
{
    SetTasks(1, 0);
    EXPECT_EQ(Text("level", "label_task00"), "x10");
    EXPECT_EQ(Text("level", "label_task01"),
              vrk::FormatStdString(vrk::FindText("TaskRemain"), vrk::FormatArg::FromInt(6)));
    EXPECT_FALSE(Shown("level", "image_task1"));
    EXPECT_EQ(Text("level", "label_task21"), "");
    SetTasks(2, 2);
    EXPECT_EQ(Text("level", "label_task10"), "^00FF00FFx11^^");
    EXPECT_EQ(Text("level", "label_task11"), "^00FF00FF" + vrk::FindText("TaskDone") + "^^");
    EXPECT_FALSE(Shown("level", "image_task2"));
    SetTasks(4, 0);
    EXPECT_TRUE(Shown("level", "image_task2"));
    EXPECT_EQ(Text("level", "label_task20"), "x12");

    SetTasks(2, 0);
    Hover("level", "frame_task1");
    ASSERT_TRUE(IsOpen("level_task"));
    EXPECT_EQ(Text("level_task", "text"), vrk::FindText("Money_200"));
    Send("level", vrk::kWndMouseLeft, 0, Window("level")->FindCtrl("frame_task1"));
    Frames(20);
    EXPECT_FALSE(IsOpen("level_task"));
    // Beyond the tasks and a negative index close it; no control changes nothing.
    app->FillWindow("level_probe", folder.Write("probe.lua", kProbeScript), std::make_unique<cLevelWF>());
    for (const char* frame : {"frame_task7", "frame_task-1"}) {
        Hover("level", "frame_task0");
        Hover("level_probe", frame);
        Send("level_probe", vrk::kWndMouseEntered, 0, 999);
        Frames(20);
        EXPECT_FALSE(IsOpen("level_task")) << frame;
    }
    EXPECT_TRUE(NoWarning()) << WarningText();
    // A tooltip without its label is closed, with the look-up's warning.
    const std::string withoutLabel = folder.Write("task.lua", "function FillWindow(w) end");
    app->FillWindow("level_task", withoutLabel, std::make_unique<cTaskPopupWF>());
    Hover("level_probe", "frame_task0");
    EXPECT_FALSE(IsOpen("level_task"));
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_NE(Warnings()[0].find("control 'text' not found in window 'level_task'"), std::string::npos);
}

TEST_F(LevelWFTest, UnusedTaskRowsGoWholeAndTheDialKeepsItsStateThroughEachChange)
{
    const auto rowShown = [this](int row) {
        const std::string index = std::to_string(row);
        return std::vector<bool>{Shown("level", "frame_task" + index), Shown("level", "image_task" + index),
                                 Shown("level", "label_task" + index + "0"), Shown("level", "label_task" + index + "1")};
    };
    const std::vector<bool> whole(4, true);
    const std::vector<bool> gone(4, false);
    SetTasks(1, 0);
    EXPECT_EQ(rowShown(0), whole);
    EXPECT_EQ(rowShown(1), gone);
    EXPECT_EQ(rowShown(2), gone);
    SetTasks(3, 1);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(rowShown(row), whole) << row;

    // Two seconds of day and one of night, played frame by frame: "no_night" never
    // shows between a day and a night.
    screen->SetDayNightLengths(2.0f, 1.0f);
    Frames(2);
    ASSERT_FALSE(Shown("level", "no_night"));
    int changes = 0;
    bool wasNight = screen->night;
    for (int frame = 0; frame < 30 * 7; ++frame) {
        Frame();
        if (screen->night != wasNight) ++changes;
        wasNight = screen->night;
        ASSERT_FALSE(Shown("level", "no_night")) << "frame " << frame;
    }
    EXPECT_GE(changes, 4);
}

TEST_F(LevelWFTest, Buttons_MenuOpensTheEscapeMenuEveryPressIsConsumedAndABrokenHudOnlyCloses)
{
    EXPECT_EQ(Press("level", "food"), 1);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(Press("level", "menu"), 1);
    EXPECT_TRUE(IsOpen("escape"));
    EXPECT_EQ(app->GetWindowContext(), 2);

    const std::string broken = "function FillWindow(w) createLabelCtrl(w, 'food') createButtonSysCtrl(w, 'menu') end";
    app->FillWindow("hud", folder.Write("hud.lua", broken), std::make_unique<cLevelWF>());
    EXPECT_TRUE(Handler<cLevelWF>("hud")->IsFailed());
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_NE(Warnings()[0].find("[hud] Some controls not found"), std::string::npos);
    game->gui->ShowWindow("hud");
    Send("hud", vrk::kWndUpdate, 500);
    EXPECT_EQ(Text("hud", "food"), "");
    EXPECT_NE(Press("hud", "menu"), 1);
    EXPECT_EQ(Send("hud", vrk::kWndKeyDown, kKeyEscape), 1);
    Frames(20);
    EXPECT_FALSE(IsOpen("hud"));
}

}  // namespace
