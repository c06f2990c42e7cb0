// The talk window over the level "002" (the wife's line, then the hero's), driven
// with window events: each line fades in over a third of a second, the window
// closes two updates after the request, and input with no level screen in focus
// is left alone.
#include <gtest/gtest.h>

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
        talk = Handler<cTalkWF>("talk");
        ASSERT_NE(talk, nullptr);
        ASSERT_TRUE(IsOpen("talk"));
    }
    cTalkWF* talk = nullptr;
};

TEST_F(TalkWFTest, Lines_FadeInAndTheWindowClosesTwoUpdatesAfterTheTalkEnds)
{
    Send("talk", vrk::kWndUpdate, 400);
    EXPECT_FLOAT_EQ(talk->GetLineOpacity(), 1.0f);
    EXPECT_EQ(Send("talk", vrk::kWndKeyDown, kKeySpace), 1);
    EXPECT_EQ(Text("talk", "right_text"), vrk::FindText("Talk002_1"));
    EXPECT_EQ(talk->GetLineOpacity(), 0.0f);
    EXPECT_EQ(Send("talk", vrk::kWndUpdate, 100), 0);
    EXPECT_NEAR(talk->GetLineOpacity(), 0.3f, 1e-6f);
    Send("talk", vrk::kWndUpdate, 250);
    EXPECT_FLOAT_EQ(talk->GetLineOpacity(), 1.0f);
    EXPECT_EQ(Send("talk", vrk::kWndDraw), 0);

    EXPECT_EQ(Send("talk", vrk::kWndLeftDown, 0, vrk::PackGuiPoint(500, 400)), 1);
    EXPECT_FALSE(screen->IsPaused());
    EXPECT_TRUE(IsOpen("level"));
    // Input while it closes belongs to what follows the talk.
    EXPECT_NE(Send("talk", vrk::kWndKeyDown, kKeyEscape), 1);
    Send("talk", vrk::kWndUpdate, 33);
    EXPECT_TRUE(IsOpen("talk"));
    Send("talk", vrk::kWndUpdate, 33);
    EXPECT_FALSE(IsOpen("talk"));
    // Opened again, it starts transparent with no close pending.
    game->gui->ShowWindow("talk");
    EXPECT_EQ(talk->GetLineOpacity(), 0.0f);
    EXPECT_EQ(talk->GetCloseCountdown(), 0);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(TalkWFTest, WithoutALevelScreenInFocus_InputIsLeftAlone)
{
    app->ShowComics("map", "level");
    ASSERT_EQ(Focused(), "map");
    game->gui->ShowWindow("talk");
    EXPECT_NE(Send("talk", vrk::kWndKeyDown, kKeySpace), 1);
    EXPECT_NE(Send("talk", vrk::kWndKeyDown, kKeyEscape), 1);
    EXPECT_NE(Send("talk", vrk::kWndLeftDown, 0, vrk::PackGuiPoint(500, 400)), 1);
    EXPECT_EQ(screen->GetTalkIndex(), 1);
    EXPECT_FALSE(IsOpen("level"));
}

}  // namespace
