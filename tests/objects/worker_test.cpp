// Workers on the stand-in level screen: the set-up, the state changes with their
// leaving and entering actions and the recount they ask for, the prisoners'
// achievement, and the speeds of every gait with and without the faster-workers
// spell.
#include "objects/worker.h"

#include <gtest/gtest.h>

#include "objects/item.h"
#include "tests/objects/support/worker_fixture.h"

namespace {

using test::WorkerTest;

constexpr GridCell kCell{3, 3};

TEST_F(WorkerTest, SetUp_EndsIdleOrSeatedOnALevelOpenedForEditing)
{
    cWorker* worker = MakeWorker(kCell);
    ASSERT_NE(worker, nullptr);
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(worker->GetLayer(), cWorker::kWorkerLayer);
    EXPECT_EQ(worker->GetBarOffset(), vec2(0.0f, -20.0f));
    EXPECT_FLOAT_EQ(worker->GetRadius(), 50.0f);
    EXPECT_TRUE(worker->IsKindOf(kTypeMan));
    EXPECT_FALSE(worker->GetHearts().IsEmitting());
    EXPECT_EQ(worker->Load().Size(), 4u);
    EXPECT_TRUE(worker->Load().IsEmpty());

    level.SetEditorOnLoad(true);
    cWorker* seated = MakeWorker(kCell);
    EXPECT_EQ(seated->GetState(), cWorker::kStateResting);
    EXPECT_EQ(seated->GetAnimationKey(), "sit0");
    EXPECT_EQ(seated->GetPlayMode(), kPlayOnceForward);
    EXPECT_EQ(seated->GetRestCounter(), 5);
}

TEST_F(WorkerTest, SetState_RepeatedRequestRunsNothingButTenAndThirteenStillAskForARecount)
{
    cWorker* worker = MakeWorker(kCell);
    level.postedEvents.clear();
    worker->SetState(cWorker::kStateCheering);
    worker->SetState(cWorker::kStateCheering);
    EXPECT_EQ(Sounds("worker_joy"), 1) << "the same state again runs no action";
    EXPECT_TRUE(level.postedEvents.empty());

    worker->SetState(cWorker::kStateImprisoned);
    worker->SetState(cWorker::kStateImprisoned);
    EXPECT_EQ(level.prisoners, 1);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeWorker), 2u);
    worker->SetState(cWorker::kStateIdle);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeWorker), 3u) << "leaving 13 recounts too";
    worker->SetState(cWorker::kStateCutOff);
    worker->SetState(cWorker::kStateCutOff);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeWorker), 5u);
    EXPECT_EQ(worker->GetAnimationKey(), "sit0");
}

TEST_F(WorkerTest, States_EnteringAndLeavingActions)
{
    cWorker* worker = MakeWorker(kCell);
    cWorker* enemy = MakeWorker({8, 3});

    worker->SetState(cWorker::kStateInside);
    EXPECT_EQ(Sounds("worker_in"), 1);
    worker->SetState(cWorker::kStateExploding);
    EXPECT_EQ(Sounds("worker_out"), 1);
    EXPECT_EQ(Sounds("explosion"), 1);
    EXPECT_EQ(worker->GetAnimationKey(), "explosion");
    EXPECT_EQ(worker->GetPlayMode(), kPlayOnceForward);

    worker->SetState(cWorker::kStateStunned);
    EXPECT_EQ(Sounds("tank_hit"), 1);
    EXPECT_EQ(worker->GetAnimationKey(), "kontuz3") << "without a target the stun keeps one view";
    EXPECT_FLOAT_EQ(worker->GetStunTimer().target, 20.0f);

    // Scared and charmed face away from and toward the threat on its right.
    worker->SetThreat(enemy);
    worker->SetState(cWorker::kStateScared);
    EXPECT_EQ(worker->GetAnimationKey(), "scare2");
    worker->SetState(cWorker::kStateCharmed);
    EXPECT_EQ(worker->GetAnimationKey(), "stand0");
    EXPECT_TRUE(worker->GetHearts().IsEmitting());
    worker->SetState(cWorker::kStateIdle);
    EXPECT_FALSE(worker->GetHearts().IsEmitting());
    EXPECT_EQ(worker->GetTarget(), nullptr);

    // Leaving the flight to the prison straightens the worker; the trail stays only
    // under the faster-workers spell.
    worker->SetState(cWorker::kStateCarried);
    worker->SetAngle(1.0f);
    worker->SetTrail(true);
    worker->SetState(cWorker::kStateImprisoned);
    EXPECT_FLOAT_EQ(worker->GetAngle(), 0.0f);
    EXPECT_FALSE(worker->IsTrailOn());
    EXPECT_EQ(worker->GetThreat(), nullptr) << "prison forgets the threat";
    level.spellTimers[0] = 5.0f;
    worker->SetState(cWorker::kStateCarried);
    worker->SetTrail(true);
    worker->SetState(cWorker::kStateIdle);
    EXPECT_TRUE(worker->IsTrailOn());
}

TEST_F(WorkerTest, Walking_GaitFollowsThreatLoveLoadAndDoor)
{
    cWorker* worker = MakeWorker(kCell);
    auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
    const vec2 from = worker->GetPosition();
    const std::vector<vec2> east{from, from + vec2{400.0f, 0.0f}};

    worker->WalkPath(east, nullptr, 0);
    EXPECT_EQ(worker->GetAnimationKey(), "walk0");
    worker->WalkPath(east, item, 0);
    EXPECT_EQ(worker->GetAnimationKey(), "run0");
    worker->AssignTask(ResourceVector(std::vector<int32_t>{20, 0, 0, 0}), item);
    worker->WalkPath(east, item, 0);
    EXPECT_EQ(worker->GetAnimationKey(), "bag0");
    worker->SetThreat(item);
    worker->WalkPath(east, item, 0);
    EXPECT_EQ(worker->GetAnimationKey(), "scare0") << "a threat scares even a carrier";
    worker->SetThreat(nullptr);
    worker->Load().Clear();
    worker->SetDoorState(cWorker::kDoorOut);
    worker->WalkPath(east, nullptr, 0);
    EXPECT_EQ(worker->GetAnimationKey(), "run0");
}

TEST_F(WorkerTest, WorkAtHome_OnlyResetsTheTimersAndSpendsThePaidCost)
{
    cBuild* home = MakeHome({10, 10});
    cWorker* worker = MakeWorker({10, 8});
    worker->PaidCost() = ResourceVector(std::vector<int32_t>{5, 0, 0, 0});
    worker->WalkPath({worker->GetPosition(), worker->GetPosition() + vec2{0.0f, 1.0f}}, home, 0);
    const std::string walking = worker->GetAnimationKey();
    for (int i = 0; i < 5 && worker->GetState() != cWorker::kStateAtWork; ++i) worker->Update();
    ASSERT_EQ(worker->GetState(), cWorker::kStateAtWork);
    EXPECT_EQ(worker->GetAnimationKey(), walking) << "no work animation in the home";
    EXPECT_TRUE(worker->GetWorkSound().empty());
    EXPECT_TRUE(worker->PaidCost().IsZero());
    EXPECT_EQ(level.Stock().amounts[0], 0) << "the paid cost is spent, not refunded";
}

TEST_F(WorkerTest, FifthPrisoner_UnlocksThePrisonAchievementOnce)
{
    for (int i = 0; i < 7; ++i) MakeWorker({i + 1, 2})->SetState(cWorker::kStateImprisoned);
    EXPECT_EQ(level.prisoners, 7);
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_prison"});
}

// Ground speed over 15 ticks of a walk along a long straight leg.
float GroundSpeed(cWorker& worker)
{
    const vec2 start = worker.GetPosition();
    constexpr int kTicks = 15;
    for (int i = 0; i < kTicks; ++i) worker.Update();
    return (worker.GetPosition() - start).Length() / (kTicks * cObject::kTickSeconds);
}

TEST_F(WorkerTest, Speeds_OfEveryGaitAndUnderTheFasterWorkersSpell)
{
    cWorker* worker = MakeWorker({1, 8});
    auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
    item->SetPositionV(level.CellToPoint({20, 8}));
    const vec2 from = worker->GetPosition();
    const std::vector<vec2> east{from, from + vec2{900.0f, 0.0f}};

    for (const bool spell : {false, true}) {
        SCOPED_TRACE(spell);
        level.spellTimers[0] = spell ? 10.0f : -1.0f;
        const float factor = spell ? 1.8f : 1.0f;
        worker->SetPositionV(from);
        worker->WalkPath(east, nullptr, 0);
        EXPECT_NEAR(GroundSpeed(*worker), 20.0f * factor, 0.05f);
        worker->SetPositionV(from);
        worker->WalkPath(east, item, 0);
        EXPECT_NEAR(GroundSpeed(*worker), 170.0f * factor, 0.1f);
        worker->AssignTask(ResourceVector(std::vector<int32_t>{1, 0, 0, 0}), item);
        worker->SetPositionV(from);
        worker->WalkPath(east, item, 0);
        EXPECT_NEAR(GroundSpeed(*worker), 140.0f * factor, 0.1f);
        worker->Load().Clear();
        worker->SetThreat(item);
        worker->SetPositionV(from);
        worker->WalkPath(east, nullptr, 0);
        EXPECT_NEAR(GroundSpeed(*worker), 150.0f * factor, 0.1f);
        worker->SetThreat(nullptr);
    }
}

TEST_F(WorkerTest, Speeds_InLoveAndRepositioning)
{
    cWorker* worker = MakeWorker({1, 8});
    cWorker* charmer = MakeWorker({20, 8});
    worker->SetThreat(charmer);
    worker->OnMessage(kEventLove, 0);
    // Due east along one row: the stand-in planner's straight path (stand-in-only).
    ASSERT_EQ(worker->GetAnimationKey(), "tied0");
    EXPECT_NEAR(GroundSpeed(*worker), 35.0f, 0.05f);

    // Repositioning during work: 220 a second, 1.8 times that under the spell.
    cWorker* builder = MakeWorker({1, 12});
    cGameObject* site = MakeSite({12, 12}, 100.0f);
    const vec2 from = builder->GetPosition();
    builder->SetRoute({from + vec2{400.0f, 0.0f}, from + vec2{400.0f, 0.01f}});
    builder->WalkPath({from}, site, 0);
    builder->SetState(cWorker::kStateAtWork);
    builder->RunToRoutePoint();
    ASSERT_TRUE(builder->IsRepositioning());
    EXPECT_NEAR(GroundSpeed(*builder), 220.0f, 0.1f);
}

}  // namespace
