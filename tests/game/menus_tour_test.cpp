// A player's first run of the real game, headless, by clicks and keys only: the
// first name, the greeting menu, the map, the first chapter's comics and a level,
// the escape menu with its options, back to the map, the achievements wall, the
// menu and out of the game, with no warning on the way.
#include <gtest/gtest.h>

#include "engine/platform/game_core.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/menu_tour.h"

namespace {

class MenusTourTest : public test::MenuTour {};

TEST_F(MenusTourTest, FirstRun_FromTheNameThroughALevelToTheExit)
{
    StartFirstRun();
    ASSERT_TRUE(IsOpen("profile_new"));
    EnterName("profile_new", "Ann");
    ASSERT_TRUE(IsOpen("menu"));
    EXPECT_EQ(Text("menu", "lbProfile"), "Welcome, Ann!");
    // The first level is the small test level; the first chapter's comics come
    // before it.
    PutTourLevelAt(0);

    ClickControl("menu", "btStart");
    ASSERT_EQ(Focused(), "map");
    Frames(test::kSceneTicks);
    ClickControl("map", "play");
    ASSERT_EQ(Focused(), "comics");
    Frames(test::kSceneTicks);
    EXPECT_FALSE(IsOpen("map"));
    for (int page = 0; page < 3; ++page) Key(kKeySpace);
    ASSERT_EQ(Focused(), "comics");
    Key(kKeySpace);
    ASSERT_EQ(Focused(), "level");
    Frames(test::kSceneTicks);
    auto* level = Screen<cMagicWidget>("level");
    ASSERT_NE(level, nullptr);
    EXPECT_EQ(level->GetLevelName(), "tour_test");
    EXPECT_TRUE(IsOpen("level"));

    Key(kKeyEscape);
    ASSERT_TRUE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 1);
    ClickControl("escape", "btOptions");
    ASSERT_TRUE(IsOpen("options"));
    ClickControl("options", "btBack");
    ASSERT_TRUE(IsOpen("escape"));
    EXPECT_EQ(game->suspended, 1);
    ClickControl("escape", "btEnd");
    ASSERT_EQ(Focused(), "map");
    EXPECT_EQ(game->suspended, 0);
    Frames(test::kSceneTicks);

    ClickControl("map", "back");
    ASSERT_EQ(Focused(), "menu");
    ClickControl("menu", "btAchieves");
    ASSERT_EQ(Focused(), "achieve");
    Frames(test::kSceneTicks);
    ClickControl("achieve", "back");
    ASSERT_EQ(Focused(), "menu");
    EXPECT_EQ(Text("menu", "lbProfile"), "Welcome, Ann!");

    ClickControl("menu", "btExit");
    ASSERT_TRUE(IsOpen("messagebox"));
    ClickControl("messagebox", "ok");
    EXPECT_TRUE(QuitPosted());
    EXPECT_TRUE(NoWarning()) << WarningText();
}

}  // namespace
