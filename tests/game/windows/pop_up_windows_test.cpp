// The level's small windows in the started game, driven with window events: the
// achievement pop-up's five seconds, the task tooltip's fade without the zoom, and
// the game-over window's buttons and keys.
#include <gtest/gtest.h>

#include <string>

#include "engine/gui/ctrl.h"
#include "engine/render/render.h"
#include "engine/sound/sound_manager.h"
#include "game/windows/achieve_popup_wf.h"
#include "game/windows/game_over_wf.h"
#include "game/windows/task_popup_wf.h"
#include "tests/game/support/level_tour.h"

namespace {

constexpr int32_t kKeyEnter = 13;
constexpr int32_t kKeyEscape = 27;
constexpr int32_t kKeySpace = 32;

// Records the world transform in force while the window's controls draw.
class DrawProbe : public vrk::cCtrl {
public:
    using vrk::cCtrl::cCtrl;
    void Draw() override { world = vrk::GetRender()->world; }
    vrk::Matrix4 world;
};

class PopUpWindowsTest : public test::LevelTour {};

TEST_F(PopUpWindowsTest, AchievePopup_ClosesFiveSecondsAfterOpeningOrAtOnceOnALongUpdate)
{
    StartGame();
    // The missing play levels are no concern here.
    lines.clear();
    auto* popup = Handler<cAchievePopupWF>("level_achieve");
    ASSERT_NE(popup, nullptr);
    app->PopupAchieve("achieve_wood", "achieve_wood");
    ASSERT_TRUE(IsOpen("level_achieve"));
    EXPECT_FLOAT_EQ(popup->GetCountdown(), cAchievePopupWF::kShownSeconds);
    Send("level_achieve", vrk::kWndUpdate, 3000);
    // A new achievement restarts the time.
    app->PopupAchieve("achieve_wood", "achieve_wood");
    EXPECT_FLOAT_EQ(popup->GetCountdown(), cAchievePopupWF::kShownSeconds);
    Send("level_achieve", vrk::kWndUpdate, 4900);
    EXPECT_EQ(popup->GetFadeTarget(), 1.0f);
    Send("level_achieve", vrk::kWndUpdate, 100);
    EXPECT_EQ(popup->GetFadeTarget(), 0.0f);
    Frames(20);
    EXPECT_FALSE(IsOpen("level_achieve"));

    app->PopupAchieve("achieve_wood", "achieve_wood");
    Send("level_achieve", vrk::kWndUpdate, 5001);
    EXPECT_EQ(popup->GetFadeTarget(), 0.0f);
    Frames(20);
    EXPECT_FALSE(IsOpen("level_achieve"));
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(PopUpWindowsTest, TaskTooltip_FadesWithoutTheZoom)
{
    StartGame();
    vrk::cRender* render = vrk::GetRender();
    ASSERT_NE(render, nullptr);
    auto* tooltip = Handler<cTaskPopupWF>("level_task");
    ASSERT_NE(tooltip, nullptr);
    auto* probe = new DrawProbe(Window("level_task"), "probe");
    game->gui->ShowWindow("level_task");
    Send("level_task", vrk::kWndUpdate, 250);
    ASSERT_FLOAT_EQ(tooltip->GetOpacity(), 0.5f);
    EXPECT_EQ(Send("level_task", vrk::kWndDraw), 0);
    EXPECT_FLOAT_EQ(probe->world.At(0, 0), 1.0f);
    EXPECT_FLOAT_EQ(probe->world.At(3, 0), 0.0f);
    // Closing fades it out the same way.
    game->gui->AskCloseWindow("level_task");
    Send("level_task", vrk::kWndUpdate, 200);
    EXPECT_NEAR(tooltip->GetOpacity(), 0.1f, 1e-6f);
    Send("level_task", vrk::kWndUpdate, 100);
    EXPECT_FALSE(IsOpen("level_task"));
}

TEST_F(PopUpWindowsTest, GameOver_KeysPressItsButtonsAndOtherControlsAreNotItsOwn)
{
    StartLevel();
    PressKey(kKeyEscape);
    Frames(3);
    ASSERT_NE(Handler<cGameOverWF>("game_over"), nullptr);
    app->ShowWindow("game_over", 0);
    ASSERT_TRUE(IsOpen("game_over"));
    // A press elsewhere in the window goes to the default handling; it is no answer.
    EXPECT_NE(Press("game_over", "text"), 1);
    EXPECT_TRUE(IsOpen("game_over"));
    // Space restarts: the window goes at once, without a fade.
    Send("game_over", vrk::kWndKeyDown, kKeySpace);
    Frame();
    EXPECT_FALSE(IsOpen("game_over"));
    Frames(test::kSceneTicks);
    EXPECT_TRUE(IsOpen("talk"));
    EXPECT_EQ(Focused(), "level");

    app->ShowWindow("game_over", 0);
    Send("game_over", vrk::kWndKeyDown, kKeyEnter);
    Frame();
    EXPECT_FALSE(IsOpen("game_over"));
    Frames(test::kSceneTicks);

    app->ShowWindow("game_over", 0);
    EXPECT_EQ(Press("game_over", "map"), 1);
    EXPECT_EQ(Focused(), "map");
}

TEST_F(PopUpWindowsTest, StartedGame_HasTheWindowsSoundsAndFaces)
{
    StartGame();
    vrk::cSoundManager* sounds = vrk::GetSoundManager();
    ASSERT_NE(sounds, nullptr);
    EXPECT_NE(sounds->FindSoundBuffer("level_success"), 0);
    for (const char* face : {"speech_hero_face", "speech_wife_face", "speech_trader_face", "speech_gravik_face"})
        EXPECT_TRUE(app->GetSpriteInfoEx(face).IsSprite()) << face;
    EXPECT_TRUE(app->GetSpriteInfoEx("spin").IsSprite());
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
