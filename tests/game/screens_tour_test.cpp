// The game's own scene screens on the real data tree: each is the registered screen
// of its name, and a visit to the map and to the achievements wall loads, builds and
// draws its scene from the committed art without a warning.
#include <gtest/gtest.h>

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

}  // namespace
