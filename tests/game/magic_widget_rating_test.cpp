// The level screen's income, medals, scores and small services: the resource
// achievements of their levels, refunds that earn nothing, the medal edges and the
// direction sectors.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "framework/objects/resource_vector.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

ResourceVector Amounts(int32_t wood, int32_t food, int32_t money, int32_t mana)
{
    const std::vector<int32_t> values{wood, food, money, mana};
    return ResourceVector(values);
}

vec2 Direction(double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return vec2{static_cast<float>(std::cos(radians)), static_cast<float>(std::sin(radians))};
}

struct AchievementCase {
    const char* level;
    ResourceVector income;
    int additions;
    std::vector<std::string> unlocked;
};

TEST(MagicWidgetRating, AddResources_UnlocksEachSumAchievementOnlyOnItsLevel)
{
    const std::vector<AchievementCase> cases = {
        // 150 food twice on "018": the tomatoes at the second addition, and again at
        // every later one (the game unlocks once).
        {"018", Amounts(0, 150, 0, 0), 1, {}},
        {"018", Amounts(0, 150, 0, 0), 2, {"achieve_tomatoes"}},
        {"018", Amounts(0, 150, 0, 0), 3, {"achieve_tomatoes", "achieve_tomatoes"}},
        {"024", Amounts(0, 150, 0, 0), 2, {"achieve_wheat"}},
        {"024", Amounts(0, 299, 0, 0), 1, {}},
        {"005", Amounts(0, 0, 0, 300), 1, {"achieve_mana"}},
        {"005", Amounts(0, 500, 0, 299), 1, {}},
        {"001", Amounts(500, 500, 500, 500), 2, {}},
        {"0180", Amounts(0, 500, 0, 0), 1, {}},
    };
    for (const AchievementCase& entry : cases) {
        test::TestMagicWidget screen;
        screen.SetLevelName(entry.level);
        for (int i = 0; i < entry.additions; ++i) screen.AddResources(entry.income);
        EXPECT_EQ(screen.achievements, entry.unlocked) << entry.level << " x" << entry.additions;
    }
}

TEST(MagicWidgetRating, RefundRestoresTheStockButEarnsNothing)
{
    test::TestMagicWidget screen;
    screen.SetLevelName("018");
    screen.AddResources(Amounts(10, 150, 5, 20));
    ASSERT_EQ(screen.GetResourceTotal(), 185);
    const ResourceVector cost = Amounts(5, 100, 0, 10);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(screen.SpendResources(cost));
        screen.RefundResources(cost);
    }
    EXPECT_EQ(screen.Stock().amounts, (std::vector<int32_t>{10, 150, 5, 20}));
    EXPECT_EQ(screen.GetResourceTotal(), 185);
    EXPECT_EQ(screen.tomatoFoodSum, 150);
    EXPECT_EQ(screen.wheatFoodSum, 150);
    EXPECT_EQ(screen.manaSum, 20);
    EXPECT_TRUE(screen.achievements.empty());
    EXPECT_EQ(screen.GetScore(), 1850);
}

TEST(MagicWidgetRating, MedalAndScoreAtTheLimitsEdges)
{
    test::TestMagicWidget screen;
    screen.AddResources(Amounts(1, 2, 3, 4));
    struct Case {
        float limit;
        float time;
        int32_t medal;
        int32_t score;
    };
    const float tick = 1.0f / 30.0f;
    for (const Case& entry : {Case{0.0f, 5000.0f, 1, 100}, Case{-3.0f, 1.0f, 1, 100},
                              Case{90.0f, 60.0f, 4, 10100}, Case{90.0f, 60.0f + tick, 3, 1100},
                              Case{90.0f, 90.0f, 3, 1100}, Case{90.0f, 90.0f + tick, 2, 100}}) {
        screen.timeLimit = entry.limit;
        screen.levelTime = entry.time;
        EXPECT_EQ(screen.GetMedal(), entry.medal) << entry.limit << " " << entry.time;
        EXPECT_EQ(screen.GetScore(), entry.score) << entry.limit << " " << entry.time;
    }
}

TEST(MagicWidgetRating, DirectionSectorsAndClearingKeepTheAdvisor)
{
    test::TestMagicWidget screen;
    EXPECT_EQ(screen.GetDirectionIndex(Direction(29.9), 8), 0);
    EXPECT_EQ(screen.GetDirectionIndex(Direction(30.0), 8), 1);
    EXPECT_EQ(screen.GetDirectionIndex(Direction(299.0), 8), 3);
    EXPECT_EQ(screen.GetDirectionIndex(Direction(300.0), 8), 0);

    screen.chosenAdvisorId = 2;
    screen.AddResources(Amounts(1, 1, 1, 1));
    screen.ClearLevel();
    EXPECT_EQ(screen.chosenAdvisorId, 2);
    EXPECT_EQ(screen.GetResourceTotal(), 0);
    EXPECT_EQ(screen.GetMedal(), 1);
}

}  // namespace
