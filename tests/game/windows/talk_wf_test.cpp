// The talk window over the table level "002" (the wife's line, then the hero's),
// driven by the player's keys and clicks and by window events: each line fades in
// over a third of a second, the last click and Esc end the talk, the window closes
// two updates after the request, and input with no level screen in focus is left
// alone.
#include <gtest/gtest.h>

#include <string>

#include "engine/gui/ctrl.h"
#include "engine/text/text_table.h"
#include "game/windows/talk_wf.h"
#include "tests/game/support/level_tour.h"

namespace {

constexpr int32_t kKeyEscape = 27;
constexpr int32_t kKeySpace = 32;

class TalkWFTest : public test::LevelTour {
protected:
    void SetUp() override
    {
        LevelTour::SetUp();
        StartLevel();
        if (HasFatalFailure()) return;
        talk = Handler<cTalkWF>("talk");
        ASSERT_NE(talk, nullptr);
        ASSERT_TRUE(IsOpen("talk"));
        ASSERT_EQ(screen->GetTalkIndex(), 1);
    }

    cTalkWF* talk = nullptr;
};

TEST_F(TalkWFTest, Lines_FadeInAndTheLastClickEndsTheTalk)
{
    Send("talk", vrk::kWndUpdate, 400);
    EXPECT_FLOAT_EQ(talk->GetLineOpacity(), 1.0f);
    // Space shows the hero's line, which fades in anew: a third of a second.
    EXPECT_EQ(Send("talk", vrk::kWndKeyDown, kKeySpace), 1);
    EXPECT_EQ(screen->GetTalkIndex(), 2);
    EXPECT_EQ(Text("talk", "right_text"), vrk::FindText("Talk002_1"));
    EXPECT_EQ(talk->GetLineOpacity(), 0.0f);
    EXPECT_EQ(Send("talk", vrk::kWndUpdate, 100), 0);
    EXPECT_NEAR(talk->GetLineOpacity(), 0.3f, 1e-6f);

    EXPECT_EQ(Send("talk", vrk::kWndDraw), 0);

    Send("talk", vrk::kWndUpdate, 250);
    EXPECT_FLOAT_EQ(talk->GetLineOpacity(), 1.0f);
    EXPECT_TRUE(screen->IsPaused());
    // The press on the last line ends the talk and is the talk's alone.
    EXPECT_EQ(Send("talk", vrk::kWndLeftDown, 0, vrk::PackGuiPoint(500, 400)), 1);
    EXPECT_FALSE(screen->IsPaused());
    EXPECT_TRUE(IsOpen("level"));
    EXPECT_EQ(talk->GetCloseCountdown(), cTalkWF::kCloseUpdates);
    // Input while it closes belongs to what follows the talk.
    EXPECT_NE(Send("talk", vrk::kWndKeyDown, kKeySpace), 1);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(TalkWFTest, Esc_EndsTheWholeTalkAndTheWindowClosesTwoUpdatesLater)
{
    EXPECT_EQ(Send("talk", vrk::kWndKeyDown, kKeyEscape), 1);
    EXPECT_EQ(screen->GetTalkIndex(), 1);
    EXPECT_FALSE(screen->IsPaused());
    EXPECT_TRUE(IsOpen("level"));
    ASSERT_TRUE(IsOpen("talk"));
    Send("talk", vrk::kWndUpdate, 33);
    EXPECT_TRUE(IsOpen("talk"));
    Send("talk", vrk::kWndUpdate, 33);
    EXPECT_FALSE(IsOpen("talk"));
    EXPECT_FALSE(IsOpen("escape"));

    // Opened again, it starts transparent with no close pending.
    game->gui->ShowWindow("talk");
    EXPECT_EQ(talk->GetLineOpacity(), 0.0f);
    EXPECT_EQ(talk->GetCloseCountdown(), 0);
}

TEST_F(TalkWFTest, WithoutALevelScreenInFocus_InputIsLeftAlone)
{
    app->ShowComics("map", "level");
    ASSERT_EQ(Focused(), "map");
    game->gui->ShowWindow("talk");
    const int32_t index = screen->GetTalkIndex();
    EXPECT_NE(Send("talk", vrk::kWndKeyDown, kKeySpace), 1);
    EXPECT_NE(Send("talk", vrk::kWndKeyDown, kKeyEscape), 1);
    EXPECT_NE(Send("talk", vrk::kWndLeftDown, 0, vrk::PackGuiPoint(500, 400)), 1);
    EXPECT_EQ(screen->GetTalkIndex(), index);
    EXPECT_FALSE(IsOpen("level"));
    EXPECT_EQ(Focused(), "map");
}

}  // namespace
