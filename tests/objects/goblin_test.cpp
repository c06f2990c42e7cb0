// Goblins on the stand-in level screen: the choice of a source, giving it up to a
// worker, the blows and their sounds, the work rate, the loot and the tree count,
// the walk home or off the level, the flight when beaten and the order test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "objects/base_enemy.h"
#include "objects/goblin.h"
#include "objects/source.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

class GoblinTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        test::RegisterTestSprite("nugget00", 6, 0.0f, 40.0f, 30.0f, 20.0f, 5.0f);
        test::RegisterTestSprite("tree00_0", 1, 0.0f, 110.0f, 130.0f, 55.0f, 10.0f);
        test::RegisterTestSprite("stump00", 2, 0.0f, 40.0f, 20.0f, 20.0f, 5.0f);
    }
    cSource* MakeSource(const std::string& type, const GridCell& cell, int32_t link = 0)
    {
        auto* source = dynamic_cast<cSource*>(level.CreateObject(kTypeSource, 0));
        if (source == nullptr) return nullptr;
        source->SetPositionV(level.CellToPoint(cell));
        source->SetLinkId(link);
        source->SetSprite(type);
        return source;
    }
    cGoblin* MakeGoblin(const std::string& sprite, const GridCell& cell, cGameObject* home = nullptr)
    {
        auto* goblin = dynamic_cast<cGoblin*>(level.CreateObject(kTypeGoblin, 0));
        if (goblin == nullptr) return nullptr;
        goblin->SetPositionV(level.CellToPoint(cell));
        goblin->SetSprite(sprite);
        goblin->SetHome(home);
        return goblin;
    }
    cBaseEnemy* MakeCamp(const GridCell& cell)
    {
        auto* camp = dynamic_cast<cBaseEnemy*>(level.CreateObject(kTypeBaseEnemy, 0));
        if (camp != nullptr) camp->SetPositionV(level.CellToPoint(cell));
        return camp;
    }
    static void Hit(cGoblin* goblin, float damage)
    {
        HitRecord hit{nullptr, damage};
        goblin->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    }
    // Ticks until the goblin picks at its target.
    int UntilPicking(cGoblin* goblin)
    {
        return TicksUntil([&] { return goblin->GetState() == cGoblin::kStatePicking; }, 3000);
    }
};

TEST_F(GoblinTest, Choose_NearestFreeReachableSourceOfItsKindAndLink)
{
    cGoblin* goblin = MakeGoblin("goblin_wood", {2, 8});
    ASSERT_NE(goblin, nullptr);
    EXPECT_EQ(goblin->GetMode(), cGoblin::kModeWood);
    EXPECT_FLOAT_EQ(goblin->GetHealth(), 10.0f);
    EXPECT_EQ(goblin->GetMarksOffset(), (vec2{12.0f, -5.0f}));
    goblin->SetLinkId(3);
    MakeSource("nugget00", {3, 8}, 3);                       // not a tree
    cSource* stump = MakeSource("tree00_0", {4, 8}, 3);      // exhausted
    stump->SetState(cSource::kStateExhausted);
    cSource* taken = MakeSource("tree00_0", {5, 8}, 3);      // another figure's target
    cHero* figure = AddHero(level.CellToPoint({10, 2}));
    figure->SetTarget(taken, 0);
    cSource* walledIn = MakeSource("tree00_0", {2, 5}, 3);   // no path
    for (int x = 1; x <= 3; ++x) {
        for (int y = 4; y <= 6; ++y) {
            if (x != 2 || y != 5) level.SetCellBlocked(x, y, true);
        }
    }
    MakeSource("tree00_0", {6, 8}, 4);                       // another link number
    cSource* far = MakeSource("tree00_0", {12, 8}, 3);
    cSource* chosen = MakeSource("tree00_0", {8, 8}, 3);
    (void)walledIn;
    (void)far;

    Ticks(1);
    EXPECT_EQ(goblin->GetTarget(), chosen);
    EXPECT_EQ(goblin->GetState(), kStateWalking);
    EXPECT_EQ(goblin->GetSetOutFlag(), 0);
    EXPECT_EQ(Sounds("bandit_scream0"), 1);
    EXPECT_EQ(goblin->GetAnimationKey().rfind("walk", 0), 0u);
    EXPECT_FLOAT_EQ(goblin->Mover().speed, cGoblin::kWalkSpeed);

    // A worker taking the source makes the goblin give it up and look again.
    auto* worker = new test::StandInFigure(&level);
    level.AddObject(worker, 0);
    worker->SetTarget(chosen, 0);
    Ticks(1);
    EXPECT_EQ(goblin->GetTarget(), far);
    EXPECT_EQ(Sounds("bandit_scream0"), 2);

    // With a hero the default verdict applies; without one every order is refused.
    EXPECT_EQ(goblin->GetOrderState(), kOrderAllowed);
    level.hero = nullptr;
    EXPECT_EQ(goblin->GetOrderState(), kOrderNeedsHero);
    goblin->SetInteractive(false);
    EXPECT_EQ(goblin->GetOrderState(), kOrderNeedsHero);
}

TEST_F(GoblinTest, Picking_BlowsSoundAndShakeTheWorkRateRunsAndTheBagFills)
{
    struct Case {
        const char* level;
        const char* source;
        const char* sound;
        int expectedSounds;
    };
    for (const Case& c : {Case{"001", "tree00_0", "bar_tree", 1}, Case{"004", "tree00_0", "bar_tree", 0},
                          Case{"004", "nugget00", "bar_stone", 1}}) {
        SCOPED_TRACE(std::string(c.level) + " " + c.source);
        level.ClearLevel();
        level.InitLevel(c.level);
        lines.clear();
        EnemyTuningValues().goblinWorkRate = 0.2f;
        cBaseEnemy* camp = MakeCamp({2, 2});
        cSource* source = MakeSource(c.source, {6, 2});
        const bool tree = source->IsTree();
        cGoblin* goblin = MakeGoblin(tree ? "goblin_wood" : "goblin_money", {3, 2}, camp);
        ASSERT_GT(UntilPicking(goblin), 0);
        EXPECT_TRUE(source->IsHeldByGoblin());
        EXPECT_EQ(source->GetState(), kStateWorking);
        EXPECT_EQ(goblin->GetAnimationKey().rfind("pick", 0), 0u);

        // The pick animation has 8 frames at 10 a second: one blow in 0.8 s.
        Ticks(1);
        const float period = source->GetTimerPeriod();
        EXPECT_FLOAT_EQ(source->GetTimerRemaining(), period) << "the first tick starts the work";
        Ticks(24);
        EXPECT_EQ(Sounds(c.sound), c.expectedSounds);
        if (tree) {
            EXPECT_NE(source->GetShake().speed, 0.0f) << "the blow shakes the tree";
        }
        EXPECT_NEAR(source->GetTimerRemaining(), period - 24 * 0.2f / 30.0f, 1e-4f);

        EnemyTuningValues().goblinWorkRate = 0.04f;
        const float before = source->GetTimerRemaining();
        Ticks(30);
        EXPECT_NEAR(source->GetTimerRemaining(), before - 0.04f, 1e-4f);

        EnemyTuningValues().goblinWorkRate = 30.0f;
        ASSERT_GT(TicksUntil([&] { return goblin->GetTarget() == camp; }, 100), 0);
        EXPECT_EQ(goblin->GetBag().amounts, source->GetYield().amounts);
        EXPECT_FALSE(source->IsHeldByGoblin()) << "the source is the player's again";
        EXPECT_EQ(goblin->GetAnimationKey().rfind("bag", 0), 0u);
        EXPECT_FLOAT_EQ(goblin->Mover().speed, cGoblin::kBagSpeed);
        ASSERT_GT(TicksUntil([&] { return goblin->GetState() == kStateRemoved; }, 3000), 0)
            << "the goblin vanishes with the loot in its camp";
    }
}

TEST_F(GoblinTest, GoblinTrees_TheFifthOnLevel012UnlocksTheAchievementOnce)
{
    level.InitLevel("012");
    EnemyTuningValues().goblinWorkRate = 30.0f;
    cBaseEnemy* camp = MakeCamp({2, 2});
    level.goblinTrees = 3;
    for (int goblinIndex = 0; goblinIndex < 3; ++goblinIndex) {
        MakeSource("tree00_0", {6, 2 + 3 * goblinIndex});
        cGoblin* goblin = MakeGoblin("goblin_wood", {3, 2 + 3 * goblinIndex}, camp);
        ASSERT_GT(TicksUntil([&] { return goblin->GetTarget() == camp; }, 2000), 0);
        EXPECT_EQ(level.goblinTrees, 4 + goblinIndex);
        const size_t expected = level.goblinTrees >= cGoblin::kAchievementTrees ? 1u : 0u;
        ASSERT_EQ(level.achievements.size(), expected);
        if (expected == 1u) {
            EXPECT_EQ(level.achievements[0], "achieve_goblin");
        }
    }
}

TEST_F(GoblinTest, NothingToSteal_AFreshGoblinVanishesOneThatSetOutGoesHome)
{
    cBaseEnemy* camp = MakeCamp({2, 2});
    cGoblin* fresh = MakeGoblin("goblin_money", {5, 5}, camp);
    cGoblin* returning = MakeGoblin("goblin_money", {5, 7}, camp);
    returning->SetSetOutFlag(0);
    cGoblin* homeless = MakeGoblin("goblin_money", {5, 9});
    homeless->SetSetOutFlag(0);
    Ticks(1);
    EXPECT_EQ(fresh->GetState(), kStateRemoved);
    EXPECT_EQ(homeless->GetState(), kStateRemoved) << "without a camp there is no way home";
    EXPECT_EQ(returning->GetTarget(), camp);
    EXPECT_GT(TicksUntil([&] { return returning->GetState() == kStateRemoved; }, 3000), 0);
}

TEST_F(GoblinTest, Picking_ATargetThatHasGoneIsDroppedForAnotherChoice)
{
    cBaseEnemy* camp = MakeCamp({2, 2});
    cSource* first = MakeSource("nugget00", {5, 2});
    cSource* second = MakeSource("nugget00", {12, 2});
    cGoblin* goblin = MakeGoblin("goblin_money", {3, 2}, camp);
    ASSERT_GT(UntilPicking(goblin), 0);
    ASSERT_EQ(goblin->GetTarget(), first);
    level.RemoveObject(first);
    Ticks(1);
    EXPECT_EQ(goblin->GetTarget(), second) << "removed in this very tick, the source has gone all the same";
    EXPECT_EQ(goblin->GetState(), kStateWalking);
}

// A goblin beaten or called away while picking leaves the source whole: ready
// (state 1) with its full work and price for the player's next order, and free for
// the next goblin.
TEST_F(GoblinTest, Interrupted_LeavesItsSourceWholeAndPricedAgain)
{
    cBaseEnemy* camp = MakeCamp({2, 2});
    cSource* nugget = MakeSource("nugget00", {6, 2});
    const ResourceVector price = nugget->GetCost();
    ASSERT_FALSE(price.IsZero());
    cGoblin* beaten = MakeGoblin("goblin_money", {3, 2}, camp);
    ASSERT_GT(UntilPicking(beaten), 0);
    Ticks(20);
    ASSERT_LT(nugget->GetTimerRemaining(), nugget->GetTimerPeriod());
    ASSERT_TRUE(nugget->GetCost().IsZero()) << "while worked it is paid";
    Hit(beaten, 10.0f);
    ASSERT_EQ(beaten->GetTarget(), camp);
    EXPECT_EQ(nugget->GetState(), kStateWorkDone);
    EXPECT_FLOAT_EQ(nugget->GetTimerRemaining(), 0.0f);
    EXPECT_EQ(nugget->GetCost().amounts, price.amounts);
    EXPECT_FALSE(nugget->IsHeldByGoblin());

    // The next goblin picks it from the start; beaten on a level without a camp it
    // leaves the level, letting go of the source all the same.
    cGoblin* homeless = MakeGoblin("goblin_money", {9, 2});
    ASSERT_GT(UntilPicking(homeless), 0);
    ASSERT_EQ(homeless->GetTarget(), nugget);
    Ticks(2);
    EXPECT_GT(nugget->GetTimerRemaining(), nugget->GetTimerPeriod() - 0.1f) << "one tick of work so far";
    Hit(homeless, 10.0f);
    Ticks(1);
    EXPECT_EQ(homeless->GetState(), kStateRemoved);
    EXPECT_EQ(nugget->GetState(), kStateWorkDone);
    EXPECT_EQ(nugget->GetCost().amounts, price.amounts);

    // A worker on the source keeps it as it is: the work is his to finish.
    cGoblin* robber = MakeGoblin("goblin_money", {3, 4}, camp);
    ASSERT_GT(UntilPicking(robber), 0);
    auto* worker = new test::StandInFigure(&level);
    level.AddObject(worker, 0);
    worker->SetTarget(nugget, 0);
    Ticks(1);
    EXPECT_NE(robber->GetTarget(), nugget);
    EXPECT_EQ(nugget->GetState(), kStateWorking);
}

TEST_F(GoblinTest, Beaten_RunsHomeInFearWithOneOfThreeScreams)
{
    cBaseEnemy* camp = MakeCamp({2, 2});
    MakeSource("nugget00", {12, 2});
    cGoblin* goblin = MakeGoblin("goblin_money", {8, 8}, camp);
    cHero* hero = AddHero(level.CellToPoint({10, 8}));
    Ticks(1);
    hero->SetTarget(goblin, 0);
    goblin->OnMessage(kEventShot, reinterpret_cast<uintptr_t>(hero));
    EXPECT_EQ(goblin->GetState(), cEnemy::kStateHeld);
    EXPECT_EQ(goblin->GetAnimationKey(), "protect0") << "turned toward the hero on its right";
    Hit(goblin, 5.0f);
    EXPECT_EQ(goblin->GetState(), cEnemy::kStateHeld);
    Hit(goblin, 5.0f);
    EXPECT_TRUE(goblin->IsDead());
    EXPECT_EQ(goblin->GetTarget(), camp);
    EXPECT_EQ(goblin->GetState(), kStateWalking);
    EXPECT_EQ(goblin->GetAnimationKey().rfind("fear", 0), 0u);
    EXPECT_FLOAT_EQ(goblin->Mover().speed, cGoblin::kFearSpeed);
    EXPECT_EQ(Sounds("bandit_scream0") + Sounds("bandit_scream1") + Sounds("bandit_scream2"), 2)
        << "one on setting out, one when beaten";
}

}  // namespace
