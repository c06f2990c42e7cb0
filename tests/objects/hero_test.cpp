// The hero on the stand-in level screen (walks go straight to the target): the
// strikes and the kill, the chase and its re-plans, the wander, the walk into and
// out of the home building, the home timer, the portal when the way home is cut,
// the bell, his speeds, and the way points.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/render/vertex_batch.h"
#include "framework/widgets/level_file.h"
#include "objects/build.h"
#include "objects/enemy.h"
#include "objects/hero.h"
#include "objects/hero_gait.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "objects/way_point.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

class HeroTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        for (char digit = '0'; digit <= '3'; ++digit) {
            for (const char* base : {"hero_run", "hero_walk"}) {
                test::RegisterTestSprite(std::string(base) + digit, 2, 10.0f);
            }
            // Half a second a strike: the sound comes before the blow.
            test::RegisterTestSprite(std::string("hero_strike") + digit, 5, 10.0f);
        }
        test::RegisterTestSprite("hero_wait0", 2, 10.0f);
        test::RegisterTestSprite("succub_portal", 3, 10.0f);
    }

    cHero* MakeHero(const vec2& at)
    {
        auto* hero = dynamic_cast<cHero*>(level.CreateObject(kTypeHero, 0));
        hero->SetPositionV(at);
        hero->SetSprite("hero");
        return hero;
    }
    cEnemy* MakeEnemy(const vec2& at, float health = 10.0f)
    {
        auto* enemy = new cEnemy(&level);
        enemy->SetPositionV(at);
        enemy->SetTimerPeriod(health);
        level.AddObject(enemy, 0);
        return enemy;
    }
    cBuild* MakeHome(const vec2& at)
    {
        auto* home = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
        home->SetPositionV(at);
        home->SetSprite("base00");
        return home;
    }
    int TicksUntilState(cObject* object, int32_t state, int limit = 10000)
    {
        return TicksUntil([&] { return object->GetState() == state; }, limit);
    }
};

TEST_F(HeroTest, Strike_KillsWithOneHitOfFivePerFinishedStrikeAndSoundsEachAtPointFour)
{
    cHero* hero = MakeHero({200.0f, 300.0f});
    cEnemy* enemy = MakeEnemy({300.0f, 300.0f});
    ASSERT_TRUE(level.SendWorker(hero, enemy, 0));
    EXPECT_EQ(hero->GetAnimationKey(), "run0");
    EXPECT_FLOAT_EQ(hero->Mover().speed, kHeroRunSpeed);
    EXPECT_EQ(enemy->GetReservations(), 1u);

    // He stops 50 short (the enemy's radius) and engages it: held, then struck.
    ASSERT_GT(TicksUntilState(hero, cHero::kStateStriking, 100), 0);
    EXPECT_EQ(enemy->GetState(), cEnemy::kStateHeld);
    EXPECT_LE((enemy->GetPosition() - hero->GetPosition()).Length(), 50.0f + 0.01f);
    EXPECT_EQ(hero->GetAnimationKey(), "strike0");

    // The strike sound comes 0.4 s in (float ticks), the blow at the strike's end.
    int soundTick = TicksUntil([&] { return Sounds("strike") == 1; }, 100);
    EXPECT_NEAR(soundTick, 12, 1);
    EXPECT_FLOAT_EQ(enemy->GetDamage(), 0.0f);
    ASSERT_GT(TicksUntil([&] { return enemy->GetDamage() > 0.0f; }, 100), 0);
    EXPECT_FLOAT_EQ(enemy->GetDamage(), 5.0f);
    EXPECT_EQ(hero->GetState(), cHero::kStateStriking);

    // The second finished strike kills: he stands.
    ASSERT_GT(TicksUntil([&] { return enemy->IsDead(); }, 100), 0);
    EXPECT_FLOAT_EQ(enemy->GetDamage(), 10.0f);
    EXPECT_EQ(hero->GetState(), cHero::kStateStand);
    EXPECT_EQ(hero->GetAnimationKey(), "shawl0");
    EXPECT_EQ(Sounds("strike"), 2);
}

TEST_F(HeroTest, Strike_AtATargetThatHasGoneStandsWithoutABlow)
{
    cHero* hero = MakeHero({200.0f, 300.0f});
    cEnemy* enemy = MakeEnemy({260.0f, 300.0f});
    ASSERT_TRUE(level.SendWorker(hero, enemy, 0));
    ASSERT_GT(TicksUntilState(hero, cHero::kStateStriking, 100), 0);
    level.RemoveObject(enemy);
    ASSERT_GT(TicksUntilState(hero, cHero::kStateStand, 100), 0);
    EXPECT_FLOAT_EQ(enemy->GetDamage(), 0.0f);
}

TEST_F(HeroTest, Strike_WithoutAPlayableStrikeEndsAtOnceInsteadOfHanging)
{
    test::RegisterTestSprite("hero_strike1", 1, 10.0f);
    cHero* hero = MakeHero({200.0f, 300.0f});
    cEnemy* enemy = MakeEnemy({260.0f, 300.0f});
    ASSERT_TRUE(level.SendWorker(hero, enemy, 0));
    ASSERT_GT(TicksUntil([&] { return enemy->IsDead(); }, 100), 0);
    EXPECT_EQ(hero->GetState(), cHero::kStateStand);
}

TEST_F(HeroTest, Chase_ReplansEverySecondAndStandsOnceTheEnemyIsRemoved)
{
    cHero* hero = MakeHero({100.0f, 300.0f});
    cEnemy* enemy = MakeEnemy({900.0f, 300.0f});
    ASSERT_TRUE(level.SendWorker(hero, enemy, 0));
    const size_t sends = level.sendWorkerCalls.size();
    EXPECT_NEAR(TicksUntilState(hero, cHero::kStateReplan, 100), 30, 1);
    Ticks(1);
    EXPECT_EQ(level.sendWorkerCalls.size(), sends + 1);
    EXPECT_EQ(level.sendWorkerCalls.back().target, enemy);
    EXPECT_EQ(hero->GetState(), kStateWalking);
    EXPECT_NEAR(TicksUntilState(hero, cHero::kStateReplan, 100), 30, 1);

    level.RemoveObject(enemy);
    Ticks(1);
    EXPECT_EQ(hero->GetState(), cHero::kStateStand);
    EXPECT_EQ(level.sendWorkerCalls.size(), sends + 1);

    // A failed re-plan sends him wandering.
    cEnemy* other = MakeEnemy({900.0f, 500.0f});
    ASSERT_TRUE(level.SendWorker(hero, other, 0));
    level.refuseWalks = true;
    ASSERT_GT(TicksUntilState(hero, cHero::kStateReplan, 100), 0);
    Ticks(1);
    EXPECT_EQ(hero->GetState(), cHero::kStateWander);
}

TEST_F(HeroTest, Wander_FirstWalkEndsAtOnceLaterOnesLastFourToEightSeconds)
{
    level.LinkObjects();
    cHero* hero = MakeHero({500.0f, 400.0f});
    EXPECT_EQ(hero->GetState(), cHero::kStateStand);
    ASSERT_GT(TicksUntilState(hero, kStateWalking, 100), 0);
    EXPECT_EQ(hero->GetAnimationKey().rfind("walk", 0), 0u);
    EXPECT_FLOAT_EQ(hero->Mover().speed, kHeroWalkSpeed);
    Ticks(1);
    EXPECT_EQ(hero->GetState(), cHero::kStateStand);
    const float wander = hero->GetWanderTime();
    EXPECT_GE(wander, 4.0f);
    EXPECT_LT(wander, 8.0f);

    // Walking time counts over the walks until the next stand.
    int walking = 0;
    for (int tick = 0; tick < 2000 && hero->GetState() != cHero::kStateStand; ++tick) {
        level.Tick();
        walking += hero->GetState() == kStateWalking ? 1 : 0;
    }
    while (hero->GetState() == cHero::kStateStand) level.Tick();
    for (int tick = 0; tick < 2000; ++tick) {
        walking += hero->GetState() == kStateWalking ? 1 : 0;
        level.Tick();
        if (hero->GetState() == cHero::kStateStand) break;
    }
    EXPECT_EQ(hero->GetState(), cHero::kStateStand);
    EXPECT_NEAR(walking * kTick, wander, 3 * kTick);
}

TEST_F(HeroTest, Home_TenSecondsWithoutATargetSendHimInAndOutThroughTheDoor)
{
    cBuild* home = MakeHome({700.0f, 300.0f});
    cHero* hero = MakeHero({100.0f, 300.0f});
    const int sent = TicksUntil([&] { return hero->GetTarget() == home; }, 1000);
    EXPECT_NEAR(sent, 300, 1);
    EXPECT_EQ(hero->GetAnimationKey(), "walk0");
    EXPECT_EQ(home->GetReservations(), 0u);
    // Walking home covers 50 units a second.
    EXPECT_NEAR(hero->Mover().speed * hero->GetAnimationSpeed(), kHomeWalkSpeed, 0.001f);

    // Out of sight at the middle of the last leg, inside at its end.
    const int in = TicksUntil([&] { return hero->GetDoorState() == cHero::kDoorIn; }, 1000);
    EXPECT_EQ(Sounds("worker_in"), 1);
    EXPECT_NEAR(hero->GetPosition().x, 400.0f, 4.0f);
    const int inside = TicksUntilState(hero, cHero::kStateInside, 1000);
    EXPECT_NEAR(inside, in, 2);
    const vec2 parked = hero->GetPosition();
    Ticks(400);
    EXPECT_EQ(hero->GetState(), cHero::kStateInside);
    EXPECT_EQ(hero->GetPosition(), parked);

    // Sent out: seen again at the middle of the first leg.
    cEnemy* enemy = MakeEnemy({700.0f, 500.0f});
    ASSERT_TRUE(level.SendWorker(hero, enemy, 0));
    Ticks(1);
    EXPECT_EQ(hero->GetDoorState(), cHero::kDoorOut);
    TicksUntil([&] { return hero->GetDoorState() == cHero::kDoorOutside; }, 1000);
    EXPECT_EQ(Sounds("worker_out"), 1);
    // The walk out ends 50 short of the enemy: the first leg's middle is at 375.
    EXPECT_NEAR(hero->GetPosition().y, 375.0f, 13.0f);
}

TEST_F(HeroTest, ReturnHome_PortalsOnlyWhenNoPathLeadsHome)
{
    cBuild* home = MakeHome({700.0f, 300.0f});
    cHero* hero = MakeHero({100.0f, 100.0f});
    hero->ReturnHome();
    EXPECT_NE(hero->GetState(), cHero::kStatePortal);

    // Walled in: a second of portal, then he stands at the home and wanders.
    const GridCell cell = level.ObjectToCell(hero);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) level.SetCellBlocked(cell.x + dx, cell.y + dy, true);
        }
    }
    hero->ReturnHome();
    EXPECT_EQ(hero->GetState(), cHero::kStatePortal);
    EXPECT_EQ(Sounds("bonus_start"), 1);
    EXPECT_NE(hero->GetPortal().play.mode, kPlayStopped);
    const int ticks = TicksUntil([&] { return hero->GetState() != cHero::kStatePortal; }, 100);
    EXPECT_NEAR(ticks, 30, 1);
    EXPECT_EQ(hero->GetState(), cHero::kStateWander);
    EXPECT_EQ(hero->GetPosition(), home->GetPosition());
    EXPECT_EQ(hero->GetPortal().play.mode, kPlayOnceForward);
}

TEST_F(HeroTest, ReturnHome_WithoutAHomeLeavesHimWhereHeIsToWander)
{
    cHero* hero = MakeHero({100.0f, 100.0f});
    hero->ReturnHome();
    ASSERT_EQ(hero->GetState(), cHero::kStatePortal);
    TicksUntil([&] { return hero->GetState() != cHero::kStatePortal; }, 100);
    EXPECT_EQ(hero->GetState(), cHero::kStateWander);
    EXPECT_EQ(hero->GetPosition(), (vec2{100.0f, 100.0f}));
}

TEST_F(HeroTest, BellAlarm_SendsHimToTheBellUnlessHeIsInside)
{
    cBuild* home = MakeHome({700.0f, 300.0f});
    cHero* hero = MakeHero({100.0f, 100.0f});
    auto* bell = new cGameObject(&level);
    bell->SetPosition(300.0f, 100.0f);
    level.AddObject(bell, 0);
    hero->OnMessage(kEventBellAlarm, reinterpret_cast<uintptr_t>(static_cast<cObject*>(bell)));
    EXPECT_EQ(hero->GetTarget(), bell);

    ASSERT_TRUE(level.SendWorker(hero, home, 0));
    ASSERT_GT(TicksUntilState(hero, cHero::kStateInside, 1000), 0);
    const size_t sends = level.sendWorkerCalls.size();
    hero->OnMessage(kEventBellAlarm, reinterpret_cast<uintptr_t>(static_cast<cObject*>(bell)));
    EXPECT_EQ(level.sendWorkerCalls.size(), sends);
}

TEST_F(HeroTest, Editor_RunsNoTimersOfHis)
{
    MakeHome({700.0f, 300.0f});
    level.ForceMode(kModeEditor);
    cHero* hero = MakeHero({100.0f, 100.0f});
    Ticks(400);
    EXPECT_TRUE(level.sendWorkerCalls.empty());
    EXPECT_EQ(hero->GetTarget(), nullptr);
}

TEST_F(HeroTest, Speed_RunsWalksAndHurriesUnderTheSpeedSpell)
{
    cHero* hero = MakeHero({100.0f, 100.0f});
    cEnemy* enemy = MakeEnemy({900.0f, 100.0f});
    ASSERT_TRUE(level.SendWorker(hero, enemy, 0));
    EXPECT_FLOAT_EQ(hero->GetAnimationSpeed(), 1.0f);
    level.spellTimers[0] = 5.0f;
    EXPECT_FLOAT_EQ(hero->GetAnimationSpeed(), kSpeedSpellFactor);
    Ticks(2);
    EXPECT_TRUE(hero->IsTrailOn());
    EXPECT_NEAR(hero->GetPosition().x, 100.0f + 2 * kTick * kHeroRunSpeed * kSpeedSpellFactor, 0.01f);
    level.spellTimers[0] = LevelScreen::kSpellOff;
    Ticks(1);
    EXPECT_FALSE(hero->IsTrailOn());
    EXPECT_EQ(HeroMoveSpeed("shawl0"), 1.0f);
}

TEST(WayPoint, IsAnInvisibleMarkerSeenOnlyInTheEditor)
{
    test::FakeAppServices app;
    test::TestLevelScreen level;
    vrk::VertexBatch batch;
    app.batch = &batch;
    auto* point = dynamic_cast<cWayPoint*>(level.CreateObject(kTypeWayPoint, 0));
    ASSERT_NE(point, nullptr);
    point->SetPosition(100.0f, 50.0f);
    EXPECT_EQ(point->GetLayer(), 7);
    EXPECT_TRUE(point->IsKindOf(kTypeWayPoint));
    EXPECT_TRUE(point->IsKindOf(kTypeObject));
    EXPECT_FALSE(point->IsKindOf(kTypeGameObject));
    Rect rect;
    point->GetFrameRect(rect, -1);
    EXPECT_EQ(rect.x, 94.0f);
    EXPECT_EQ(rect.y, 44.0f);
    EXPECT_EQ(rect.width, 12.0f);
    EXPECT_EQ(rect.height, 12.0f);
    // In play it takes no click meant for a figure standing on it.
    EXPECT_EQ(point->HitTest({100.0f, 50.0f}), 0);

    point->Draw();
    EXPECT_EQ(batch.UsedVertices(), 0u);
    level.ForceMode(kModeEditor);
    point->Draw();
    ASSERT_GT(batch.UsedVertices(), 0u);
    EXPECT_EQ(batch.vertices[0].color, 0xFFFF0000u);
    app.batch = nullptr;
}

}  // namespace

namespace {

// The level tool reads and writes levels under a level file, with no level screen.
TEST(HeroBanditSetUp, SetUpAndTicksUnderALevelFileWithoutAScreenOrApplication)
{
    for (int32_t type : {kTypeHero, kTypeBandit, kTypeWayPoint}) {
        SCOPED_TRACE(type);
        cLevelFile file;
        const std::unique_ptr<cObject> object = NewLevelObject(type, &file);
        ASSERT_NE(object, nullptr);
        object->SetSprite("x");
        for (int tick = 0; tick < 400; ++tick) object->Update();
        object->Draw();
    }
}

}  // namespace
