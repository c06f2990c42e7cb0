// The walking enemies' base on the stand-in level screen: hits and the hold, the
// hero's hold, the walk home into a camp, the health bar, the hero's marker and the
// hit test.
#include <gtest/gtest.h>

#include "objects/base_enemy.h"
#include "objects/enemy.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

class EnemyBaseTest : public test::EnemyTest {
protected:
    cEnemy* MakeEnemy(float health)
    {
        auto* enemy = new cEnemy(&level);
        level.AddObject(enemy, 0);
        enemy->SetPosition(300.0f, 300.0f);
        enemy->SetTimerPeriod(health);
        enemy->AddAnimation("walk0", "goblin_walk0");
        enemy->PlayAnimation("walk0", kPlayLoopForward);
        return enemy;
    }
    static int32_t Hit(cEnemy* enemy, float damage)
    {
        HitRecord hit{nullptr, damage};
        return enemy->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    }
    static void Engage(cEnemy* enemy, cObject* sender) { enemy->OnMessage(kEventShot, reinterpret_cast<uintptr_t>(sender)); }
};

TEST_F(EnemyBaseTest, Hits_RestartTheHoldAddUpAndStopAtTheHealth)
{
    cEnemy* enemy = MakeEnemy(10.0f);
    EXPECT_EQ(enemy->GetLayer(), cEnemy::kEnemyLayer);
    EXPECT_EQ(enemy->GetFreePlaces(), 100);
    Ticks(1);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateChoose);

    // An engagement holds the enemy for as long as no hit starts the timer.
    Engage(enemy, nullptr);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateHeld);
    Ticks(300);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateHeld);

    EXPECT_EQ(Hit(enemy, 3.0f), 0);
    Ticks(60);
    EXPECT_EQ(Hit(enemy, 3.0f), 0);
    EXPECT_FLOAT_EQ(enemy->GetDamage(), 6.0f);
    EXPECT_FLOAT_EQ(enemy->GetHoldTimer().elapsed, 0.0f) << "the second hit restarts the hold";
    EXPECT_FLOAT_EQ(enemy->GetHoldTimer().duration, cEnemy::kHoldSeconds);
    const int ticks = TicksUntil([&] { return enemy->GetState() != cEnemy::kStateHeld; });
    // Float steps of 1/30 reach 4.0 on the 121st tick after the hit.
    EXPECT_EQ(ticks, 121);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateChoose);

    EXPECT_FALSE(enemy->IsDead());
    EXPECT_EQ(Hit(enemy, 5.0f), 1) << "the deciding hit is consumed";
    EXPECT_FLOAT_EQ(enemy->GetDamage(), 10.0f);
    EXPECT_TRUE(enemy->IsDead());
}

TEST_F(EnemyBaseTest, HeldByTheHero_FreeTheMomentHeTurnsElsewhere)
{
    cEnemy* enemy = MakeEnemy(10.0f);
    cEnemy* other = MakeEnemy(10.0f);
    test::StandInHero* hero = AddHero({100.0f, 100.0f});
    hero->SetTarget(enemy, 0);
    Ticks(1);
    Engage(enemy, hero);
    Hit(enemy, 5.0f);
    Ticks(30);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateHeld);
    hero->SetTarget(other, 0);
    Ticks(1);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateChoose);
}

TEST_F(EnemyBaseTest, ArrivingAtItsCamp_RemovesTheWalker)
{
    cEnemy* enemy = MakeEnemy(10.0f);
    auto* camp = dynamic_cast<cBaseEnemy*>(level.CreateObject(kTypeBaseEnemy, 0));
    ASSERT_NE(camp, nullptr);
    camp->SetPosition(305.0f, 300.0f);
    Ticks(1);
    ASSERT_TRUE(level.SendWorker(enemy, camp, 0));
    EXPECT_GT(TicksUntil([&] { return enemy->GetState() == kStateRemoved; }, 200), 0);
    EXPECT_FALSE(IsOnLevel(enemy));

    // A walk that ends without a target leaves the enemy choosing.
    cEnemy* walker = MakeEnemy(10.0f);
    Ticks(1);
    walker->WalkPath({walker->GetPosition(), walker->GetPosition() + vec2{3.0f, 0.0f}}, nullptr, 0);
    EXPECT_GT(TicksUntil([&] { return walker->GetState() == cEnemy::kStateChoose; }, 200), 0);
    EXPECT_FALSE(IsRemoved(walker));
}

TEST_F(EnemyBaseTest, BarMarkerAndHitTest_FollowDamageHoldAndTheHero)
{
    cEnemy* enemy = MakeEnemy(10.0f);
    Ticks(1);
    EXPECT_FALSE(enemy->ShowsHealthBar());
    Engage(enemy, nullptr);
    EXPECT_TRUE(enemy->ShowsHealthBar()) << "held, not yet hurt";
    enemy->SetState(cEnemy::kStateChoose);
    Hit(enemy, 4.0f);
    EXPECT_TRUE(enemy->ShowsHealthBar()) << "hurt";
    Hit(enemy, 6.0f);
    EXPECT_FALSE(enemy->ShowsHealthBar()) << "dead";

    // Never hurt and without a health, it shows no bar even while held.
    cEnemy* noHealth = MakeEnemy(0.0f);
    Engage(noHealth, nullptr);
    EXPECT_FALSE(noHealth->ShowsHealthBar());
    EXPECT_TRUE(noHealth->IsDead());

    cEnemy* target = MakeEnemy(10.0f);
    Ticks(1);
    const vec2 inside = target->GetPosition() + vec2{0.0f, -20.0f};
    EXPECT_EQ(target->HitTest(inside), 1);
    EXPECT_EQ(target->HitTest(target->GetPosition() + vec2{0.0f, -48.0f}), 0) << "the frame's edge is outside";
    EXPECT_FALSE(target->ShowsTargetMarker());
    test::StandInHero* hero = AddHero({100.0f, 100.0f});
    hero->SetTarget(target, 0);
    EXPECT_TRUE(target->ShowsTargetMarker());
    EXPECT_EQ(target->HitTest(inside), 0) << "no second click while the hero is on his way";
    Engage(target, hero);
    EXPECT_FALSE(target->ShowsTargetMarker()) << "held";
    EXPECT_EQ(target->GetOrderState(), kOrderAllowed);

    // Another enemy's target is taken; the hero's or its own is not.
    cEnemy* hunter = MakeEnemy(10.0f);
    hunter->SetTarget(enemy, 0);
    EXPECT_TRUE(target->IsTargetTaken(enemy));
    EXPECT_FALSE(hunter->IsTargetTaken(enemy));
    EXPECT_FALSE(hunter->IsTargetTaken(target));
    EXPECT_FLOAT_EQ(target->GetRadius(), 50.0f);
}

}  // namespace
