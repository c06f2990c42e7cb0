// The pause over a level in the real game: the message box and the escape menu
// share the engine core's counter; while it is raised the level gets no tick, no
// update and no input, and a screen switch clears it.
#include <gtest/gtest.h>

#include "engine/platform/game_core.h"
#include "engine/platform/game_pause.h"
#include "framework/app/middle.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/menu_tour.h"

namespace {

class PauseTest : public test::MenuTour {
protected:
    void SetUp() override
    {
        MenuTour::SetUp();
        StartNamed();
        EnterLevel();
        level = Screen<cMagicWidget>("level");
        ASSERT_NE(level, nullptr);
    }
    void AskSomething() { app->MessageBox(kMessageButtonsYesNo | kMessageIconQuestion, "?", ""); }

    cMagicWidget* level = nullptr;
};

TEST_F(PauseTest, MessageBoxAndEscapeMenu_ShareOneCounter)
{
    // Two openings of the box without a close hold two pauses; its close gives
    // both back.
    AskSomething();
    AskSomething();
    Settle();
    EXPECT_EQ(game->suspended, 2);
    ClickControl("messagebox", "ok");
    EXPECT_FALSE(IsOpen("messagebox"));
    EXPECT_EQ(game->suspended, 0);

    // The escape menu over a box adds no pause; leaving it gives one back.
    AskSomething();
    Settle();
    game->gui->ShowWindow("escape");
    Settle();
    EXPECT_EQ(game->suspended, 1);
    ClickControl("escape", "btResume");
    EXPECT_EQ(game->suspended, 0);

    // The escape menu alone holds one, and each way out gives it back.
    Key(kKeyEscape);
    EXPECT_EQ(game->suspended, 1);
    PressMouse(1, 10, 10);
    Settle();
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 0);

    // Opened again while it still fades out, the menu pauses again.
    Key(kKeyEscape);
    PostClick(game->gui->FindWindow("escape"), "btResume");
    Frame();
    ASSERT_TRUE(IsOpen("escape"));
    ASSERT_EQ(game->suspended, 0);
    app->ShowWindow("escape", 2);
    Settle();
    EXPECT_TRUE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 1);
}

TEST_F(PauseTest, WhilePaused_TheLevelGetsNoTickUpdateOrInput)
{
    const float time = level->GetLevelTime();
    const float zoom = level->GetZoom();
    level->SetTargetZoom(zoom * 2.0f);
    vrk::HoldPause();
    Frames(30);
    EXPECT_EQ(level->GetLevelTime(), time);
    EXPECT_EQ(level->GetZoom(), zoom);
    // Esc would open the escape menu if it reached the level.
    Key(kKeyEscape);
    EXPECT_FALSE(IsOpen("escape"));

    vrk::ReleasePauses(1);
    Frames(30);
    EXPECT_GT(level->GetLevelTime(), time);
    EXPECT_NE(level->GetZoom(), zoom);
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("escape"));
}

TEST_F(PauseTest, ScreenSwitch_ClearsThePause)
{
    AskSomething();
    AskSomething();
    EXPECT_EQ(game->suspended, 2);
    app->ShowComics("map", "level");
    EXPECT_EQ(game->suspended, 0);
    EXPECT_EQ(Focused(), "map");
}

}  // namespace
