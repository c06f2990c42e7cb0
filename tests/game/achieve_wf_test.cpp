// The achievements window in the real game: the score counts the achievements the
// player holds in full, and "back" leads to the menu.
#include "game/menus/achieve_wf.h"

#include <gtest/gtest.h>

#include "framework/app/player_base.h"
#include "tests/game/support/menu_tour.h"

namespace {

class AchieveWfTest : public test::MenuTour {};

TEST_F(AchieveWfTest, Score_SumsTheAchievementsHeldInFull)
{
    StartNamed();
    cPlayerBase* player = app->GetActivePlayer();
    const std::vector<AchievementDef>& definitions = app->GetAchievements();
    ASSERT_GE(definitions.size(), 3u);
    ASSERT_GE(player->achievementProgress.size(), 3u);
    player->achievementProgress[0] = 1.0f;
    player->achievementProgress[1] = 0.99f;
    player->achievementProgress[2] = 1.0f;
    // A profile stored with fewer achievements than the game has now.
    player->achievementProgress.resize(3);
    const uint32_t expected = definitions[0].value + definitions[2].value;
    ASSERT_GT(definitions[1].value, 0u);

    ClickControl("menu", "btAchieves");
    ASSERT_EQ(Focused(), "achieve");
    EXPECT_EQ(cAchieveWF::GetScore(), static_cast<int32_t>(expected));
    EXPECT_EQ(Text("achieve", "score"), vrk::FindText("[AchieveScore]") + ": " + std::to_string(expected));

    ClickControl("achieve", "back");
    EXPECT_EQ(Focused(), "menu");
    EXPECT_TRUE(IsOpen("menu"));
    EXPECT_TRUE(NoWarning()) << WarningText();
}

}  // namespace
