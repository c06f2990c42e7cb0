// Bandits and way points on the stand-in level screen (walks go straight to the
// target): the look around every half second with its reach, the chase of a
// working worker and the grab that sends the captive to the prison, the screams,
// the patrol from way point to way point, the column's gait, the hold and the walk
// on after it, the editor picture and the click that never hits.
#include <gtest/gtest.h>

#include <string>

#include "objects/bandit.h"
#include "objects/enemy_tuning.h"
#include "objects/level_contract.h"
#include "objects/prison.h"
#include "objects/way_point.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

uintptr_t Param(cObject* object) { return reinterpret_cast<uintptr_t>(object); }

class BanditTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        for (const char* base : {"stand", "run", "walk", "scared", "kontuz"}) {
            for (char digit = '0'; digit <= '3'; ++digit) {
                test::RegisterTestSprite(std::string("worker_") + base + digit, 2, 10.0f);
            }
        }
        for (const char* name : {"worker_sit0", "worker_alert0", "worker_eat0", "worker_drink0", "man_shadow"}) {
            test::RegisterTestSprite(name, 2, 10.0f);
        }
    }

    cBandit* MakeBandit(const vec2& at)
    {
        auto* bandit = dynamic_cast<cBandit*>(level.CreateObject(kTypeBandit, 0));
        bandit->SetPositionV(at);
        bandit->SetSprite("bandit");
        return bandit;
    }
    cWayPoint* MakeWayPoint(const vec2& at)
    {
        auto* point = dynamic_cast<cWayPoint*>(level.CreateObject(kTypeWayPoint, 0));
        point->SetPositionV(at);
        level.wayPoints.push_back(point);
        return point;
    }
    cWorker* MakeWorker(const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
        worker->SetPositionV(at);
        worker->SetSprite(std::string());
        return worker;
    }
    // A worker at work on a site of its own that lasts long.
    cWorker* MakeWorkingWorker(const vec2& at)
    {
        cWorker* worker = MakeWorker(at);
        auto* site = new cGameObject(&level);
        level.AddObject(site, 0);
        site->SetPositionV(at + vec2{0.0f, -20.0f});
        site->SetTimerRemaining(1000.0f);
        worker->SetTarget(site, 0);
        worker->SetState(cWorker::kStateAtWork);
        return worker;
    }
    // A bandit standing still with a way point as its target looks around.
    cBandit* MakeWatchingBandit(const vec2& at)
    {
        cBandit* bandit = MakeBandit(at);
        bandit->SetTarget(MakeWayPoint(at + vec2{0.0f, -500.0f}), 0);
        return bandit;
    }
    int TicksUntilFirstScan(cBandit* bandit)
    {
        return TicksUntil([&] { return bandit->GetScanTimer().elapsed == bandit->GetScanTimer().duration &&
                                       bandit->GetScanTimer().duration > 0.0f; },
                          100);
    }
};

TEST_F(BanditTest, Scan_ScaresAndChasesAWorkerAtWorkAtReachGrabsItAndRejoinsTheColumn)
{
    auto* prison = new cPrison(&level);
    level.AddObject(prison, 0);
    prison->SetPosition(900.0f, 100.0f);
    cBandit* bandit = MakeWatchingBandit({300.0f, 300.0f});
    cBandit* follower = MakeBandit({300.0f, 400.0f});
    follower->SetTarget(bandit, 0);
    cGameObject* patrolTarget = bandit->GetTarget();
    cWorker* far = MakeWorkingWorker({300.0f, 200.0f - 0.01f});
    cWorker* worker = MakeWorkingWorker({400.0f, 300.0f});

    // The look comes every half second.
    const int first = TicksUntilFirstScan(bandit);
    EXPECT_NEAR(first, 16, 1);
    EXPECT_EQ(far->GetState(), cWorker::kStateAtWork);
    EXPECT_EQ(worker->GetState(), cWorker::kStateScared);
    EXPECT_EQ(worker->GetThreat(), bandit);
    // The follower took over the way, the bandit gives chase.
    ASSERT_EQ(level.passTargetOnCalls.size(), 1u);
    EXPECT_EQ(follower->GetTarget(), patrolTarget);
    EXPECT_EQ(bandit->GetTarget(), worker);
    EXPECT_EQ(bandit->GetState(), kStateWalking);

    // The grab ("pick", once) ends in the capture; the captive flies to the prison.
    ASSERT_GT(TicksUntil([&] { return bandit->GetState() == cBandit::kStateGrab; }, 300), 0);
    EXPECT_EQ(bandit->GetAnimationKey(), "pick0");
    ASSERT_GT(TicksUntil([&] { return worker->GetState() == cWorker::kStateCarried; }, 300), 0);
    EXPECT_EQ(worker->GetTarget(), prison);
    ASSERT_EQ(level.joinColumnCalls.size(), 1u);
    EXPECT_EQ(bandit->GetTarget(), follower);
    ASSERT_GT(TicksUntil([&] { return worker->GetState() == cWorker::kStateImprisoned; }, 300), 0);
}

TEST_F(BanditTest, Scan_AttacksAtReachSparesSeatedCutOffAndScaredAndLooksNoFurther)
{
    cBandit* bandit = MakeWatchingBandit({400.0f, 400.0f});
    cWorker* near = MakeWorker({500.0f, 400.0f});
    cWorker* beyond = MakeWorker({400.0f, 500.01f});
    cWorker* seated = MakeWorker({300.0f, 400.0f});
    cWorker* cutOff = MakeWorker({400.0f, 300.0f});
    cWorker* scared = MakeWorker({450.0f, 400.0f});
    seated->SetState(cWorker::kStateInside);
    cutOff->SetState(cWorker::kStateCutOff);
    scared->SetState(cWorker::kStateScared);
    TicksUntilFirstScan(bandit);
    // Attacked workers flee (state 7, walking off in the same tick).
    EXPECT_EQ(near->GetThreat(), bandit);
    EXPECT_EQ(near->GetAnimationKey().rfind("scare", 0), 0u);
    EXPECT_EQ(beyond->GetThreat(), nullptr);
    EXPECT_EQ(seated->GetState(), cWorker::kStateInside);
    EXPECT_EQ(cutOff->GetState(), cWorker::kStateCutOff);
    EXPECT_EQ(scared->GetThreat(), nullptr);
    EXPECT_TRUE(level.passTargetOnCalls.empty());

    // A refused chase attacks instead.
    level.refuseWalks = true;
    cWorker* working = MakeWorkingWorker({400.0f, 350.0f});
    Ticks(16);
    EXPECT_EQ(working->GetThreat(), bandit);
    EXPECT_EQ(working->GetAnimationKey().rfind("scare", 0), 0u);
}

TEST_F(BanditTest, Scream_OnlyOnPatrolForAFreeWorkerBetweenReachesAndTwentySecondsApart)
{
    cBandit* bandit = MakeWatchingBandit({400.0f, 400.0f});
    MakeWorker({400.0f + 230.0f, 400.0f});
    TicksUntilFirstScan(bandit);
    EXPECT_EQ(Sounds("bandit_scream0") + Sounds("bandit_scream1") + Sounds("bandit_scream2"), 0) << "230 is too far";

    cWorker* free = MakeWorker({400.0f, 400.0f + 150.0f});
    const auto screams = [&] { return Sounds("bandit_scream0") + Sounds("bandit_scream1") + Sounds("bandit_scream2"); };
    Ticks(16);
    EXPECT_EQ(screams(), 1);
    // The cooldown: nothing for twenty seconds, then the next scream.
    const int next = TicksUntil([&] { return screams() == 2; }, 1000);
    EXPECT_GE(next * kTick, 20.0f);
    EXPECT_LT(next * kTick, 21.0f);

    // A follower never screams.
    free->SetPositionV({400.0f, 400.0f + 150.0f});
    cBandit* follower = MakeBandit({400.0f, 400.0f});
    follower->SetTarget(bandit, 0);
    bandit->SetTarget(free, 0);
    const int before = screams();
    Ticks(700);
    EXPECT_EQ(screams(), before);
}

TEST_F(BanditTest, Patrol_WalksFromWayPointToWayPointWrappingAtTheEnd)
{
    cWayPoint* a = MakeWayPoint({100.0f, 100.0f});
    cWayPoint* b = MakeWayPoint({300.0f, 100.0f});
    cWayPoint* c = MakeWayPoint({300.0f, 300.0f});
    cBandit* bandit = MakeBandit({100.0f, 300.0f});
    EXPECT_EQ(bandit->GetState(), cEnemy::kStateChoose);
    level.LeadColumn(kTypeBandit);
    for (cWayPoint* next : {a, b, c, a, b}) {
        EXPECT_EQ(bandit->GetTarget(), next);
        EXPECT_EQ(bandit->GetAnimationKey().rfind("walk", 0), 0u);
        ASSERT_GT(TicksUntil([&] { return bandit->GetTarget() != next; }, 1000), 0);
    }
}

TEST_F(BanditTest, Column_FollowerStartsLegsTwoFasterYetCoversTheLeadersGround)
{
    EnemyTuningValues().banditSpeedFactor = 1.2f;
    MakeWayPoint({100.0f, 100.0f});
    MakeWayPoint({900.0f, 100.0f});
    cBandit* leader = MakeBandit({100.0f, 500.0f});
    cBandit* follower = MakeBandit({100.0f, 700.0f});
    level.LeadColumn(kTypeBandit);
    ASSERT_EQ(follower->GetTarget(), leader);
    EXPECT_FLOAT_EQ(leader->Mover().speed, cBandit::kWalkSpeed);
    EXPECT_FLOAT_EQ(follower->Mover().speed, cBandit::kWalkSpeed + 2.0f);
    EXPECT_FLOAT_EQ(leader->GetAnimationSpeed(), 1.2f);
    EXPECT_FLOAT_EQ(follower->GetAnimationSpeed(), 35.0f / 37.0f * 1.2f);
    const vec2 from = follower->GetPosition();
    Ticks(30);
    EXPECT_NEAR((follower->GetPosition() - from).Length(), 35.0f * 1.2f, 0.5f);
}

TEST_F(BanditTest, Hold_EndsAndTheBanditWalksOnToItsTarget)
{
    cWayPoint* point = MakeWayPoint({900.0f, 100.0f});
    cBandit* bandit = MakeBandit({100.0f, 100.0f});
    level.LeadColumn(kTypeBandit);
    HitRecord hit{nullptr, 3.0f};
    bandit->OnMessage(kEventShot, 0);
    bandit->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    ASSERT_EQ(bandit->GetState(), cEnemy::kStateHeld);
    const vec2 held = bandit->GetPosition();
    const int ticks = TicksUntil([&] { return bandit->GetState() == kStateWalking; }, 200);
    EXPECT_NEAR(ticks * kTick, 4.0f, 3 * kTick);
    // It stood still while held (the walk on takes its first step in its tick).
    EXPECT_NEAR(bandit->GetPosition().x, held.x, 35.0f * kTick + 0.01f);
    EXPECT_EQ(bandit->GetTarget(), point);
    Ticks(5);
    EXPECT_GT(bandit->GetPosition().x, held.x);
}

TEST_F(BanditTest, Grab_WithoutAPlayablePickEndsAtOnce)
{
    test::RegisterTestSprite("goblin_pick0", 1, 10.0f);
    cBandit* bandit = MakeBandit({100.0f, 100.0f});
    cWorker* worker = MakeWorker({300.0f, 100.0f});
    ASSERT_TRUE(level.SendWorker(bandit, worker, 0));
    ASSERT_GT(TicksUntil([&] { return !level.joinColumnCalls.empty(); }, 500), 0);
    // With no column to join it waits instead of grabbing again and again.
    Ticks(5);
    EXPECT_EQ(bandit->GetState(), cEnemy::kStateChoose);
    EXPECT_EQ(bandit->GetTarget(), nullptr);
    EXPECT_EQ(level.joinColumnCalls.size(), 1u);
}

TEST_F(BanditTest, Bandit_IsNeverClickedAndShowsInTheEditor)
{
    cBandit* bandit = MakeBandit({100.0f, 100.0f});
    ASSERT_TRUE(level.SendWorker(bandit, MakeWayPoint({500.0f, 100.0f}), 0));
    ASSERT_NE(bandit->GetAnimation(), nullptr);
    EXPECT_EQ(bandit->HitTest({100.0f, 90.0f}), 0);
    EXPECT_EQ(bandit->GetOrderState(), kOrderAllowed);
    EXPECT_FLOAT_EQ(bandit->GetHealth(), 10.0f);
    EXPECT_TRUE(bandit->IsKindOf(kTypeEnemy));

    level.ForceMode(kModeEditor);
    cBandit* placed = MakeBandit({200.0f, 100.0f});
    EXPECT_EQ(placed->GetAnimationKey(), "fear0");
    EXPECT_NE(placed->GetAnimation(), nullptr);
    EXPECT_EQ(placed->GetState(), kStateNone);
}

}  // namespace
