// The shipped data tree (data/) run inside the game: the start from splash to the
// main menu, the scene screens (each also in the level editor and back) and every
// registered window, with the log checked for names the data lacks. Keeps the data
// and the code that looks names up in step.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gui/find_control.h"
#include "engine/gui/gui.h"
#include "engine/gui/label_ctrl.h"
#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "framework/app/garden.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/editor_keys.h"
#include "tests/framework/app/tour_test_support.h"

namespace {

using DataTreeTest = test::GameTourTest;
using test::kSceneTicks;

struct WindowControls {
    const char* window;
    std::vector<const char*> controls;
};

// The controls the game looks up in each window, by window name.
const std::vector<WindowControls>& ExpectedControls()
{
    static const std::vector<WindowControls> table = {
        {"editor", {"first", "second"}},
        {"freeze", {"freeze0", "freeze9", "hide0", "hide9", "close", "freeze-", "freeze+", "hide-", "hide+"}},
        {"object", {"name", "tag", "data"}},
        {"name", {"name"}},
        {"messagebox", {"title", "text", "image", "icon", "ok", "cancel"}},
        {"menu", {"btStart", "btAchieves", "btOstrand", "btProfile", "btOptions", "btExit", "lbProfile"}},
        {"options", {"slSound", "slMusic", "cbWindowed", "cbHints", "btBack", "btLang"}},
        {"map", {"play", "back"}},
        {"profile_add", {"name", "ok", "cancel"}},
        {"profile_new", {"name", "ok"}},
        {"profile_select", {"lstProfile", "slProfile", "btAdd", "btDelete", "btOk"}},
        {"escape", {"btResume", "btRestart", "btEnd", "btOptions"}},
        {"level",
         {"food", "wood", "money", "mana", "time", "spin", "daynight", "day", "night", "no_night", "menu",
          "frame_task0", "label_task00", "label_task01", "image_task0", "frame_task2", "label_task20", "label_task21",
          "image_task2"}},
        {"hint", {"text", "frame"}},
        {"achieve", {"back", "leaderboard", "score"}},
        {"talk", {"left_frame", "right_frame", "left_text", "right_text", "left_face", "right_face"}},
        {"finish", {"vars", "vals", "score", "cup", "close"}},
        {"level_achieve", {"image", "name"}},
        {"level_task", {"text"}},
        {"game_over", {"restart", "map", "text"}},
        {"train", {"frame", "arrow", "text"}},
        {"loading", {"image", "progress", "label"}},
    };
    return table;
}

TEST_F(DataTreeTest, Start_ReachesTheMenuWithEveryNameTheCodeLooksUp)
{
    Start();
    EXPECT_EQ(Focused(), "menu");
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

TEST_F(DataTreeTest, Windows_HoldTheControlsTheGameLooksUp)
{
    Start();
    for (const WindowControls& entry : ExpectedControls()) {
        for (const char* control : entry.controls)
            EXPECT_NE(vrk::FindControl(entry.window, control), nullptr) << entry.window << " / " << control;
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

TEST_F(DataTreeTest, LoadingLabel_HasItsFontBeforeItsWindowIsBuilt)
{
    Start();
    // The loading window is built right after the skin, before any locale loads the
    // fonts: the skin's description must have loaded them.
    const auto* label = dynamic_cast<vrk::cLabelCtrl*>(vrk::FindControl("loading", "label"));
    ASSERT_NE(label, nullptr);
    EXPECT_NE(label->GetFont(), nullptr);
    const auto* greeting = dynamic_cast<vrk::cLabelCtrl*>(vrk::FindControl("menu", "lbProfile"));
    ASSERT_NE(greeting, nullptr);
    EXPECT_NE(greeting->GetFont(), nullptr);
}

TEST_F(DataTreeTest, Tour_VisitsTheScreensAndOpensEveryWindowWithoutMissingNames)
{
    Start();
    const struct {
        const char* target;
        const char* from;
        const char* screen;
    } visits[] = {
        {"map", "menu", "map"},
        {"achieve", "map", "achieve"},
        {"comics0", "achieve", "comics"},
        {"comics3", "comics", "comics"},
        {"menu", "comics", "menu"},
    };
    for (const auto& visit : visits) {
        app->ShowComics(visit.target, visit.from);
        EXPECT_EQ(Focused(), visit.screen) << visit.target;
        Run(kSceneTicks);
    }
    for (const WindowControls& entry : ExpectedControls()) {
        app->ShowWindow(entry.window, 0);
        Run(2);
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

TEST_F(DataTreeTest, Editor_EachSceneScreenSwitchesToTheEditorAndBackWithoutMissingNames)
{
    Start();
    // Tab opens the editor only for a developer; cheats.lua leaves the flag off.
    app->developerFlag = 1;
    const struct {
        const char* target;
        const char* from;
        const char* screen;
    } visits[] = {
        {"menu", "comics", "menu"},
        {"map", "menu", "map"},
        {"achieve", "map", "achieve"},
        {"comics0", "achieve", "comics"},
    };
    for (const auto& visit : visits) {
        if (Focused() != visit.screen) app->ShowComics(visit.target, visit.from);
        ASSERT_EQ(Focused(), visit.screen) << visit.target;
        auto* screen = dynamic_cast<cBaseWidget*>(game->focused);
        ASSERT_NE(screen, nullptr) << visit.screen;
        for (int i = 0; i < kSceneTicks && screen->GetMode() != kModePlay; ++i) Step();
        ASSERT_EQ(screen->GetMode(), kModePlay) << visit.screen;

        screen->OnEvent(vrk::kWidgetKeyDown, cBaseWidget::kTabKey);
        EXPECT_EQ(screen->GetMode(), kModeEditor) << visit.screen;
        Run(2);
        screen->OnEvent(vrk::kWidgetKeyDown, editor_key::kTab);
        EXPECT_EQ(screen->GetMode(), kModePlay) << visit.screen;
        Run(2);
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
