// The level's small windows in the started game, driven with window events: the
// achievement pop-up's five seconds, the task tooltip's fade without the zoom, the
// game-over window's buttons and keys, and the data they show.
#include <gtest/gtest.h>

#include <memory>

#include "engine/gui/ctrl.h"
#include "engine/render/render.h"
#include "engine/sound/sound_manager.h"
#include "game/windows/achieve_popup_wf.h"
#include "game/windows/game_over_wf.h"
#include "game/windows/task_popup_wf.h"
#include "tests/game/support/level_tour.h"
#include "tests/support/temp_folder.h"

namespace {

// Records the world transform in force while the window's controls draw.
class ZoomProbe : public vrk::cCtrl {
public:
    using vrk::cCtrl::cCtrl;
    void Draw() override { zoom = vrk::GetRender()->world.At(0, 0); }
    float zoom = 0.0f;
};

using PopUpWindowsTest = test::LevelTour;

TEST_F(PopUpWindowsTest, AchievePopupAndTooltip_CloseThemselvesAndFadeAsTheyShould)
{
    StartGame();
    // The missing play levels are no concern here.
    lines.clear();
    auto* popup = Handler<cAchievePopupWF>("level_achieve");
    ASSERT_NE(popup, nullptr);
    // Shown again, the pop-up stays its five seconds from then, fades and closes.
    const auto showAgainAndClose = [&] {
        ASSERT_TRUE(IsOpen("level_achieve"));
        app->PopupAchieve("achieve_wood", "achieve_wood");
        EXPECT_FLOAT_EQ(popup->GetCountdown(), cAchievePopupWF::kShownSeconds);
        EXPECT_EQ(popup->GetFadeTarget(), 1.0f);
        Send("level_achieve", vrk::kWndUpdate, 4900);
        EXPECT_EQ(popup->GetFadeTarget(), 1.0f);
        Send("level_achieve", vrk::kWndUpdate, 100);
        EXPECT_EQ(popup->GetFadeTarget(), 0.0f);
        Frames(20);
        EXPECT_FALSE(IsOpen("level_achieve"));
    };
    app->PopupAchieve("achieve_wood", "achieve_wood");
    Send("level_achieve", vrk::kWndUpdate, 3000);
    showAgainAndClose();
    // Also during its fade-out.
    app->PopupAchieve("achieve_wood", "achieve_wood");
    Send("level_achieve", vrk::kWndUpdate, 4950);
    Send("level_achieve", vrk::kWndUpdate, 100);
    ASSERT_LT(popup->GetOpacity(), 1.0f);
    showAgainAndClose();
    app->PopupAchieve("achieve_wood", "achieve_wood");
    Send("level_achieve", vrk::kWndUpdate, 5001);
    EXPECT_EQ(popup->GetFadeTarget(), 0.0f);

    ASSERT_NE(vrk::GetRender(), nullptr);
    auto* tooltip = Handler<cTaskPopupWF>("level_task");
    auto* probe = new ZoomProbe(Window("level_task"), "probe");
    game->gui->ShowWindow("level_task");
    Send("level_task", vrk::kWndUpdate, 250);
    ASSERT_FLOAT_EQ(tooltip->GetOpacity(), 0.5f);
    EXPECT_EQ(Send("level_task", vrk::kWndDraw), 0);
    EXPECT_FLOAT_EQ(probe->zoom, 1.0f);
    game->gui->AskCloseWindow("level_task");
    Send("level_task", vrk::kWndUpdate, 200);
    EXPECT_NEAR(tooltip->GetOpacity(), 0.1f, 1e-6f);
    Send("level_task", vrk::kWndUpdate, 100);
    EXPECT_FALSE(IsOpen("level_task"));

    // What these windows show is in the data tree.
    EXPECT_NE(vrk::GetSoundManager()->FindSoundBuffer("level_success"), 0);
    for (const char* sprite : {"speech_hero_face", "speech_wife_face", "speech_trader_face", "speech_gravik_face",
                               "spin"}) {
        EXPECT_TRUE(app->GetSpriteInfoEx(sprite).IsSprite()) << sprite;
    }
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(PopUpWindowsTest, GameOver_EnterAndSpaceRestartEscGoesToTheMap)
{
    StartLevel();
    PressKey(27);
    Frames(3);
    app->ShowWindow("game_over", 0);
    // A press elsewhere in the window is no answer of its own.
    EXPECT_NE(Press("game_over", "text"), 1);
    for (const int32_t key : {' ', '\r'}) {
        ASSERT_TRUE(IsOpen("game_over")) << key;
        PressKey(key);
        Frame();
        EXPECT_FALSE(IsOpen("game_over")) << key;
        Frames(test::kSceneTicks);
        EXPECT_TRUE(IsOpen("talk")) << key;
        app->ShowWindow("game_over", 0);
    }
    PressKey(27);
    Frame();
    EXPECT_EQ(Focused(), "map");
}

TEST_F(PopUpWindowsTest, GameOverScriptWithoutTextOrMap_OpensOnALossAndItsKeysPressOnlyWhatIsThere)
{
    StartLevel();
    PressKey(27);
    Frames(3);
    test::TempFolder folder;
    const std::string script = "function FillWindow(w) setWndModal(w, true) setWndActive(w, true) createButtonSysCtrl(w, 'restart') end";
    app->FillWindow("game_over", folder.Write("game_over.lua", script), std::make_unique<cGameOverWF>());
    lines.clear();

    // The loss opens the window without its reason, with a warning.
    screen->gameOverText = "lost";
    screen->PostEvent(kEventLevelEnd, 0);
    Frames(2);
    ASSERT_TRUE(IsOpen("game_over"));
    ASSERT_EQ(Warnings().size(), 1u) << WarningText();
    EXPECT_NE(Warnings()[0].find("control 'text' not found in window 'game_over'"), std::string::npos);

    // Esc asks for the missing "map": that is no press of another control.
    PressKey(27);
    Frames(2);
    EXPECT_EQ(Focused(), "level");
    EXPECT_TRUE(IsOpen("game_over"));
    // Enter restarts through the button that is there.
    PressKey('\r');
    Frame();
    EXPECT_FALSE(IsOpen("game_over"));
    EXPECT_EQ(Focused(), "level");
}

}  // namespace
