// The menu windows' flows in the real game, by clicks and keys on the windows the
// scripts build: the first player's name and the greeting, the way from the menu to
// a level and back through the escape menu, the first chapter's comics, leaving the
// game, where the options go back to, and each window's keys.
#include <gtest/gtest.h>

#include "engine/gui/edit_ctrl.h"
#include "engine/platform/game_core.h"
#include "engine/text/text_table.h"
#include "framework/app/player_base.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/menu_tour.h"

namespace {

class MenuFlowsTest : public test::MenuTour {};

TEST_F(MenuFlowsTest, FirstRun_AsksForTheNameAndGreetsThePlayerOnEveryActivation)
{
    StartFirstRun();
    ASSERT_TRUE(IsOpen("profile_new"));
    EXPECT_FALSE(IsOpen("menu"));
    EXPECT_EQ(Text("profile_new", "name"), vrk::FindText("Player"));

    EnterName("profile_new", "  Ann ");
    ASSERT_TRUE(IsOpen("menu"));
    EXPECT_FALSE(IsOpen("profile_new"));
    // The nameless first profile took the name: no second profile.
    EXPECT_EQ(app->GetActivePlayer()->GetName(), "Ann");
    EXPECT_EQ(app->GetPlayerList().GetPlayers().size(), 1u);
    EXPECT_EQ(Text("menu", "lbProfile"), "Welcome, Ann!");

    // The next activation formats the greeting from its key again, not from the
    // greeting shown.
    ClickControl("menu", "btOptions");
    ClickControl("options", "btBack");
    ASSERT_TRUE(IsOpen("menu"));
    EXPECT_EQ(Text("menu", "lbProfile"), "Welcome, Ann!");
    EXPECT_EQ(vrk::TextTable().count("Welcome, Ann!"), 0u);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(MenuFlowsTest, EscapeMenu_ResumesRestartsAndEndsToTheMap)
{
    StartNamed();
    EnterLevel();
    auto* level = Screen<cMagicWidget>("level");
    ASSERT_NE(level, nullptr);
    ASSERT_EQ(level->GetLevelName(), "tour_test");

    Key(kKeyEscape);
    ASSERT_TRUE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 1);
    ClickControl("escape", "btResume");
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_TRUE(IsOpen("level"));
    EXPECT_EQ(game->suspended, 0);

    // A restart loads the level anew: the time played starts again.
    Frames(60);
    const float played = level->GetLevelTime();
    ASSERT_GT(played, 0.0f);
    Key(kKeyEscape);
    ClickControl("escape", "btRestart");
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 0);
    EXPECT_LT(level->GetLevelTime(), played);
    EXPECT_EQ(Focused(), "level");

    Key(kKeyEscape);
    ClickControl("escape", "btEnd");
    EXPECT_EQ(Focused(), "map");
    EXPECT_TRUE(IsOpen("map"));
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 0);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(MenuFlowsTest, FirstRunName_TypedOverTheSelectedSuggestionReplacesIt)
{
    StartFirstRun();
    ASSERT_TRUE(IsOpen("profile_new"));
    const auto* name = Control<vrk::cEditCtrl>("profile_new", "name");
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->IsAllSelected());
    Type("Vera");
    EXPECT_EQ(Text("profile_new", "name"), "Vera");
    Key(kKeyEnter);
    ASSERT_TRUE(IsOpen("menu"));
    EXPECT_EQ(app->GetActivePlayer()->GetName(), "Vera");

    // A further profile's name window suggests its name selected again.
    ClickControl("menu", "btProfile");
    ClickControl("profile_select", "btAdd");
    ASSERT_TRUE(IsOpen("profile_add"));
    EXPECT_EQ(Text("profile_add", "name"), vrk::FindText("Player"));
    Type("Bo");
    EXPECT_EQ(Text("profile_add", "name"), "Bo");
}

TEST_F(MenuFlowsTest, FirstRunName_EnterAloneKeepsTheSuggestion)
{
    StartFirstRun();
    ASSERT_TRUE(IsOpen("profile_new"));
    Key(kKeyEnter);
    ASSERT_TRUE(IsOpen("menu"));
    EXPECT_EQ(app->GetActivePlayer()->GetName(), vrk::FindText("Player"));
}

TEST_F(MenuFlowsTest, MapPlay_OnTheFirstLevelShowsTheFirstChaptersComics)
{
    StartNamed();
    app->GetActivePlayer()->SetCurrentLevel(0);
    ClickControl("menu", "btStart");
    ClickControl("map", "play");
    EXPECT_EQ(Focused(), "comics");
}

TEST_F(MenuFlowsTest, Exit_YesQuitsAndNoBringsTheMenuBack)
{
    StartNamed();
    ClickControl("menu", "btExit");
    ASSERT_TRUE(IsOpen("messagebox"));
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ConfirmExitGame"));
    ClickControl("messagebox", "cancel");
    EXPECT_FALSE(QuitPosted());
    EXPECT_TRUE(IsOpen("menu"));

    ClickControl("menu", "btExit");
    ClickControl("messagebox", "ok");
    EXPECT_TRUE(QuitPosted());
}

TEST_F(MenuFlowsTest, OptionsBack_GoesWhereTheOptionsWereOpenedFrom)
{
    StartNamed();
    ClickControl("menu", "btOptions");
    ASSERT_TRUE(IsOpen("options"));
    EXPECT_FALSE(IsOpen("menu"));
    ClickControl("options", "btBack");
    EXPECT_TRUE(IsOpen("menu"));
    EXPECT_FALSE(IsOpen("options"));
    // From the escape menu (context 2) the menus tour goes there and back.
    // Opened with no context, "btBack" has nowhere to go.
    app->ShowWindow("options", 0);
    Settle();
    ClickControl("options", "btBack");
    EXPECT_TRUE(IsOpen("options"));
    EXPECT_EQ(game->gui->OpenWindows().size(), 1u);
}

TEST_F(MenuFlowsTest, Keys_PressEachWindowsButtons)
{
    StartFirstRun();
    // The first name cannot be skipped.
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("profile_new"));
    Key(kKeyEnter);
    ASSERT_TRUE(IsOpen("menu"));
    EXPECT_EQ(app->GetActivePlayer()->GetName(), vrk::FindText("Player"));
    PutTourLevelAt(1);

    Key(kKeyEnter);
    EXPECT_EQ(Focused(), "map");
    Key(kKeyEscape);
    EXPECT_EQ(Focused(), "menu");
    Key(kKeySpace);
    EXPECT_EQ(Focused(), "map");
    Key(kKeySpace);
    ASSERT_EQ(Focused(), "level");
    Frames(test::kSceneTicks);
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("escape"));
    Key(kKeyEscape);
    EXPECT_FALSE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 0);

    app->ShowComics("achieve", "level");
    Settle();
    for (const int32_t key : {kKeyEnter, kKeyEscape, kKeySpace}) {
        Key(key);
        EXPECT_EQ(Focused(), "menu") << key;
        app->ShowComics("achieve", "menu");
        Settle();
    }
    app->ShowComics("menu", "achieve");
    Settle();

    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("messagebox"));
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("menu"));
    EXPECT_FALSE(QuitPosted());

    app->ShowWindow("options", 1);
    Settle();
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("menu"));

    app->ShowWindow("profile_select", 1);
    Settle();
    Key(kKeyEnter);
    EXPECT_TRUE(IsOpen("menu"));
    app->ShowWindow("profile_select", 1);
    Settle();
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("menu"));

    app->ShowWindow("profile_add", 1);
    Settle();
    Key(kKeyEscape);
    EXPECT_TRUE(IsOpen("profile_select"));
    app->ShowWindow("profile_add", 1);
    Settle();
    // The suggestion is selected: the typed name replaces it.
    Type("2");
    Key(kKeyEnter);
    EXPECT_TRUE(IsOpen("profile_select"));
    EXPECT_EQ(app->GetActivePlayer()->GetName(), "2");
}

}  // namespace
