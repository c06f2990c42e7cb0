// The game's own scene screens on the real data tree: each is the registered screen
// of its name, and a visit to the map and to the achievements wall loads, builds and
// draws its scene from the committed art without a warning, and the comics screen
// opens a window of its name only when a script registered one.
#include <gtest/gtest.h>

#include "engine/gui/gui.h"
#include "framework/objects/achieve.h"
#include "game/screens/achieve_widget.h"
#include "game/screens/comics_widget.h"
#include "game/screens/map_widget.h"
#include "game/screens/menu_widget.h"
#include "tests/game/support/game_tour.h"

namespace {

class ScreensTourTest : public test::GameTour {};

TEST_F(ScreensTourTest, MapAndAchievementsVisits_BuildTheirScenesFromTheDataWithoutWarning)
{
    StartGame();
    EXPECT_NE(Screen<cMenuWidget>("menu"), nullptr);
    EXPECT_NE(Screen<cMapWidget>("map"), nullptr);
    EXPECT_NE(Screen<cComicsWidget>("comics"), nullptr);
    EXPECT_EQ(app->GetComicsScreen(), Screen<cComicsWidget>("comics"));
    auto* wall = Screen<cAchieveWidget>("achieve");
    ASSERT_NE(wall, nullptr);
    lines.clear();

    app->ShowComics("map", "menu");
    ASSERT_EQ(Focused(), "map");
    Frames(test::kSceneTicks);
    app->ShowComics("achieve", "map");
    ASSERT_EQ(Focused(), "achieve");
    Frames(test::kSceneTicks);
    EXPECT_EQ(wall->GetMode(), kModePlay);
    ObjectList plaques;
    EXPECT_EQ(wall->FindObjectsOfKind(plaques, kTypeAchieve, -1), app->GetAchievementCount());
    ObjectList pieces;
    EXPECT_GT(wall->FindObjectsOfKind(pieces, kTypeDecor, 0), 0u);
    // The background lies under the wall, not over its lowest pieces.
    ObjectList backs;
    ASSERT_EQ(wall->FindObjectsOfKind(backs, kTypeBack, -1), 1u);
    EXPECT_EQ(wall->GetLayers()[0].front(), backs.front());
    EXPECT_TRUE(wall->GetFront().info.IsSprite());
    EXPECT_NE(wall->GetValueFont(), nullptr);
    app->ShowComics("menu", "achieve");
    Frames(test::kSceneTicks);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(ScreensTourTest, ComicsVisit_OpensTheComicsWindowOnlyOnceAScriptRegisteredOne)
{
    StartGame();
    app->ShowComics("map", "menu");
    Frames(test::kSceneTicks);
    lines.clear();
    app->ShowComics("comics1", "map");
    ASSERT_EQ(Focused(), "comics");
    Frames(test::kSceneTicks);
    EXPECT_FALSE(game->gui->IsWindowOpen("map"));
    EXPECT_TRUE(NoWarning()) << WarningText();

    game->gui->AddWindow("comics");
    app->ShowComics("map", "comics");
    Frames(test::kSceneTicks);
    app->ShowComics("comics1", "map");
    Frames(test::kSceneTicks);
    EXPECT_TRUE(game->gui->IsWindowOpen("comics"));
    EXPECT_FALSE(game->gui->IsWindowOpen("map"));
}

}  // namespace
