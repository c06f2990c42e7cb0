// The achievements screen: tiles linked to the player's progress, the new-star
// trails, the hover caption that marks an achievement as seen, and the glow.
#include "framework/widgets/achieve_base_widget.h"

#include <gtest/gtest.h>

#include "framework/objects/achieve.h"
#include "tests/framework/widgets/screen_fixtures.h"

namespace {

class AchieveBaseWidgetTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        for (const char* id : {"stone_barrier", "wood_barrier", "mana_well"})
            middle_.AddAchievement(std::string("achieve_") + id, std::string("achieve_") + id + "_d", 10);
        StartGame();
        SetText("achieve_stone_barrier_d", "Build a stone barrier");
        WriteScene(*middle_.GetLevelFiles().GetAchieveStream(), "achieve",
                   {{kTypeAchieve, "achieve_stone_barrier"}, {kTypeAchieve, "achieve_wood_barrier"},
                    {kTypeAchieve, "achieve_mana_well"}, {kTypeAchieve, "achieve_unknown"}});
    }
    cAchieve* Tile(const std::string& name)
    {
        ObjectList found;
        widget_.FindObjectsBySprite(found, name, -1);
        return found.empty() ? nullptr : dynamic_cast<cAchieve*>(found.front());
    }

    cAchieveBaseWidget widget_;
};

TEST_F(AchieveBaseWidgetTest, LinkObjects_UnlocksOnlyAtFullProgress)
{
    Player()->achievementProgress = {1.0f, 0.999f, 0.0f};
    widget_.OnFocus();
    EXPECT_TRUE(Tile("achieve_stone_barrier")->IsUnlocked());
    EXPECT_FALSE(Tile("achieve_wood_barrier")->IsUnlocked());
    EXPECT_FALSE(Tile("achieve_mana_well")->IsUnlocked());
    EXPECT_EQ(Tile("achieve_wood_barrier")->GetAchievementIndex(), 1);
}

TEST_F(AchieveBaseWidgetTest, UnknownTile_HasNoIndexNoCaptionAndLeavesTheProfile)
{
    Player()->achievementNewFlags = {1, 1, 1};
    widget_.OnFocus();
    cAchieve* tile = Tile("achieve_unknown");
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->GetAchievementIndex(), -1);
    tile->OnMessage(kMessageMouseEnter, 0);
    EXPECT_FALSE(tile->HasCaption());
    EXPECT_EQ(Player()->achievementNewFlags, (std::vector<uint32_t>{1, 1, 1}));
}

TEST_F(AchieveBaseWidgetTest, NewAchievement_StarsUntilHoveredAndNotOnTheNextVisit)
{
    Player()->achievementProgress = {1.0f, 1.0f, 0.0f};
    Player()->achievementNewFlags = {1, 0, 1};
    widget_.OnFocus();
    cAchieve* fresh = Tile("achieve_stone_barrier");
    EXPECT_TRUE(fresh->GetTrail(0).IsEmitting());
    EXPECT_TRUE(fresh->GetTrail(1).IsEmitting());
    EXPECT_FALSE(Tile("achieve_wood_barrier")->GetTrail(0).IsEmitting());
    // Locked achievements never sparkle, new or not.
    EXPECT_FALSE(Tile("achieve_mana_well")->GetTrail(0).IsEmitting());

    fresh->OnMessage(kMessageMouseEnter, 0);
    EXPECT_TRUE(fresh->HasCaption());
    EXPECT_EQ(Player()->achievementNewFlags[0], 0u);
    EXPECT_FALSE(fresh->GetTrail(0).IsEmitting());

    widget_.OnUnfocus();
    widget_.OnFocus();
    EXPECT_FALSE(Tile("achieve_stone_barrier")->GetTrail(0).IsEmitting());
}

TEST_F(AchieveBaseWidgetTest, Glow_ReachesItsLimitInTwoTicksAndFadesInFive)
{
    Player()->achievementProgress = {1.0f, 0.0f, 0.0f};
    widget_.OnFocus();
    cAchieve* tile = Tile("achieve_stone_barrier");
    tile->OnMessage(kMessageMouseEnter, 0);
    tile->Update();
    tile->Update();
    EXPECT_EQ(tile->GetHighlight(), cAchieve::kMaxHighlight);
    EXPECT_EQ(tile->GetGlowRate(), 0.0f);
    tile->OnMessage(kMessageMouseLeave, 0);
    EXPECT_FALSE(tile->HasCaption());
    for (int i = 0; i < 4; ++i) tile->Update();
    EXPECT_GT(tile->GetHighlight(), 0.0f);
    tile->Update();
    EXPECT_EQ(tile->GetHighlight(), 0.0f);

    // A locked tile does not glow.
    cAchieve* locked = Tile("achieve_wood_barrier");
    locked->OnMessage(kMessageMouseEnter, 0);
    EXPECT_EQ(locked->GetGlowRate(), 0.0f);
}

TEST_F(AchieveBaseWidgetTest, HitTest_StrictlyInsideTheFrame)
{
    widget_.OnFocus();
    cAchieve* tile = Tile("achieve_stone_barrier");
    tile->SetPosition(100.0f, 100.0f);
    EXPECT_EQ(tile->HitTest(vec2{100.0f, 100.0f}), 1);
    EXPECT_EQ(tile->HitTest(vec2{76.0f, 100.0f}), 0);  // on the edge
}

TEST_F(AchieveBaseWidgetTest, Orbit_TrailsCircleOnOppositeSides)
{
    widget_.OnFocus();
    cAchieve* tile = Tile("achieve_stone_barrier");
    for (int i = 0; i < 200; ++i) tile->Update();
    EXPECT_GE(tile->GetOrbitAngle(), 0.0f);
    EXPECT_LT(tile->GetOrbitAngle(), cAchieve::kFullTurn);
}

TEST_F(AchieveBaseWidgetTest, UnfocusKeepsTheSceneAndSaveWritesTheFile)
{
    widget_.OnFocus();
    Tile("achieve_mana_well")->SetPosition(7.0f, 9.0f);
    widget_.OnUnfocus();
    widget_.OnFocus();
    EXPECT_FLOAT_EQ(Tile("achieve_mana_well")->GetPosition().x, 7.0f);
    widget_.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(middle_.savedFiles, 1);
    widget_.ShowGui();
    EXPECT_EQ(middle_.windows.back().first, "achieve");
}

TEST(AchieveDataTest, CommittedSceneHoldsOnlyTheBackgroundSoTheScreenBuildsItsWall)
{
    RegisterFrameworkObjectTypes();
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(KELVARA_SOURCE_DIR "/data/level/achieve.lvl"), 0);
    cLevelFile level;
    ASSERT_TRUE(level.Load(stream));
    EXPECT_EQ(level.GetLevelName(), "achieve");
    ASSERT_EQ(level.Objects().size(), 1u);
    EXPECT_EQ(level.Objects().front()->GetTypeId(), kTypeBack);
    // Under the wall pieces, which the screen adds to layer 0 after it.
    EXPECT_EQ(level.Objects().front()->GetLayer(), 0);
}

}  // namespace
