// Workers at work on the stand-in level screen: the animation, sound and sound
// delays at each kind of target, the one audible builder, the pick-up taken in one
// tick, the well's watch flag, repositioning, the tick the work ends, and the round
// trip on the tool-built walk test level from the order to the stock.
#include <gtest/gtest.h>

#include "engine/files/byte_stream.h"
#include "framework/objects/node.h"
#include "objects/barrier.h"
#include "objects/field.h"
#include "objects/item.h"
#include "objects/source.h"
#include "tests/objects/support/worker_fixture.h"

namespace {

using test::WorkerTest;

// The ticks a timed value of this duration takes to arrive, stepped by the tick.
int TicksFor(float seconds)
{
    float elapsed = 0.0f;
    int ticks = 0;
    while (elapsed < seconds) {
        elapsed += cObject::kTickSeconds;
        ++ticks;
    }
    return ticks;
}

class WorkerWorkTest : public WorkerTest {
protected:
    void SetUp() override
    {
        WorkerTest::SetUp();
        test::RegisterTestSprite("tree00_0", 1, 0.0f, 110.0f, 130.0f, 55.0f, 10.0f);
        for (const char* name : {"nugget00", "well00", "stone00", "log00", "bridge00", "field00", "house00",
                                 "zone3x2", "food", "wood"}) {
            test::RegisterTestSprite(name, 2, 1.0f, 64.0f, 64.0f, 32.0f, 32.0f);
        }
    }
    cGameObject* MakeTarget(int32_t type, const std::string& sprite, const GridCell& cell)
    {
        auto* target = dynamic_cast<cGameObject*>(level.CreateObject(type, 0));
        if (target == nullptr) return nullptr;
        target->SetPositionV(level.CellToPoint(cell));
        target->SetSprite(sprite);
        return target;
    }
    // The worker arrives at the target where it stands: the next update starts work.
    static void Arrive(cWorker& worker, cGameObject& target)
    {
        worker.WalkPath({worker.GetPosition()}, &target, 0);
        worker.Update();
    }
};

struct WorkCase {
    int32_t type;
    const char* sprite;
    const char* animation;
    const char* sound;
    float firstDelay;
    float repeatDelay;
};

TEST_F(WorkerWorkTest, Work_AtEachKindOfTargetPlaysItsAnimationAndSound)
{
    const WorkCase cases[] = {
        {kTypeBuild, "house00", "build", "build", 0.4f, 0.9f},
        {kTypeBarrier, "bridge00", "build", "build", 0.4f, 0.9f},
        {kTypeBarrier, "stone00", "pick", "bar_stone", 0.4f, 0.85f},
        {kTypeSource, "nugget00", "pick", "bar_stone", 0.4f, 0.85f},
        {kTypeSource, "tree00_0", "hack", "bar_tree", 0.5f, 0.8f},
        {kTypeBarrier, "log00", "hack", "bar_tree", 0.5f, 0.8f},
        {kTypeSource, "well00", "water0", "well", 0.3f, 1.0f},
        {kTypeField, "field00", "collect0", "take", 0.1f, 0.5f},
    };
    int row = 1;
    for (const WorkCase& work : cases) {
        SCOPED_TRACE(work.sprite);
        ++row;
        cGameObject* target = MakeTarget(work.type, work.sprite, {5, row});
        cWorker* worker = MakeWorker({8, row});
        ASSERT_NE(target, nullptr);
        Arrive(*worker, *target);
        ASSERT_EQ(worker->GetState(), cWorker::kStateAtWork);
        EXPECT_EQ(target->GetState(), kStateWorking);
        // Directed animations end in the direction's digit.
        EXPECT_EQ(worker->GetAnimationKey().rfind(work.animation, 0), 0u) << worker->GetAnimationKey();
        EXPECT_EQ(worker->GetWorkSound(), work.sound);
        const int before = Sounds(work.sound);
        int first = 0;
        for (int tick = 1; tick <= 200 && Sounds(work.sound) < before + 2; ++tick) {
            worker->Update();
            if (first == 0 && Sounds(work.sound) == before + 1) {
                first = tick;
                if (auto* tree = dynamic_cast<cSource*>(target); tree != nullptr && tree->IsTree()) {
                    EXPECT_FLOAT_EQ(tree->GetShake().high, cSource::kShakeAmplitude) << "each sound is a blow";
                }
            }
            if (Sounds(work.sound) == before + 2) {
                EXPECT_EQ(tick - first, TicksFor(work.repeatDelay));
            }
        }
        EXPECT_EQ(first, TicksFor(work.firstDelay));
        EXPECT_EQ(Sounds(work.sound), before + 2);
        EXPECT_EQ(worker->GetState(), cWorker::kStateAtWork);
    }
    EXPECT_FALSE(level.manaWellFlag) << "drawing water spoils the well achievement";
}

TEST_F(WorkerWorkTest, Work_OnlyTheFirstBuilderInTheListSoundsBuild)
{
    cGameObject* house = MakeTarget(kTypeBuild, "house00", {6, 6});
    house->SetPlaces(3);
    cWorker* first = MakeWorker({4, 6});
    cWorker* second = MakeWorker({9, 6});
    Arrive(*second, *house);
    Arrive(*first, *house);
    const int ticks = TicksFor(0.4f);
    for (int i = 0; i < ticks; ++i) second->Update();
    EXPECT_EQ(Sounds("build"), 0) << "the second in the list stays silent";
    for (int i = 0; i < ticks; ++i) first->Update();
    EXPECT_EQ(Sounds("build"), 1);
}

TEST_F(WorkerWorkTest, Work_APickUpEndsOnTheFirstTickWithoutATake)
{
    cGameObject* item = MakeTarget(kTypeItem, "food", {6, 6});
    cWorker* worker = MakeWorker({7, 6});
    Arrive(*worker, *item);
    ASSERT_EQ(worker->GetState(), cWorker::kStateAtWork);
    EXPECT_EQ(worker->GetWorkSound(), "take");
    const vec2 at = worker->GetPosition();
    worker->Update();
    EXPECT_EQ(Sounds("take"), 1) << "the item's own, never the worker's";
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(worker->GetPosition(), at) << "the tick the work ends moves nothing";
    size_t finished = 0;
    for (const auto& event : level.playEvents) {
        if (event.code != kEventWorkFinished) continue;
        ++finished;
        EXPECT_EQ(event.work.target, item);
        EXPECT_EQ(event.work.worker, worker);
    }
    EXPECT_EQ(finished, 1u);
    EXPECT_EQ(worker->Load().amounts, (std::vector<int32_t>{0, 20, 0, 0}));
    EXPECT_EQ(worker->Load().source, item);
}

TEST_F(WorkerWorkTest, Work_RepositionsEveryTwoPointEightSecondsOnTheRoutesFirstLeg)
{
    cGameObject* site = MakeTarget(kTypeSource, "nugget00", {8, 8});
    cWorker* worker = MakeWorker({8, 7});
    const vec2 a = level.CellToPoint({7, 7});
    const vec2 b = level.CellToPoint({9, 7});
    worker->SetRoute({a, b, level.CellToPoint({9, 9})});
    Arrive(*worker, *site);
    // One tick starts the timer, then it runs 2.8 s.
    const int expected = 1 + TicksFor(2.8f);
    int tick = 0;
    while (!worker->IsRepositioning() && tick < 500) {
        worker->Update();
        ++tick;
    }
    EXPECT_EQ(tick, expected);
    const vec2 spot = worker->Mover().target;
    EXPECT_NEAR(spot.y, a.y, 0.01f);
    EXPECT_GE(spot.x, a.x);
    EXPECT_LE(spot.x, b.x);
    EXPECT_EQ(worker->GetAnimationKey().rfind("run", 0), 0u);
    while (worker->IsRepositioning() && tick < 1000) {
        worker->Update();
        ++tick;
    }
    EXPECT_EQ(worker->GetPosition(), spot);
    EXPECT_EQ(worker->GetState(), cWorker::kStateAtWork);
    EXPECT_EQ(worker->GetAnimationKey().rfind("pick", 0), 0u) << "back at work the nugget's pick restarts";
}

// Called off in the middle of a run to another spot, the worker leaves the run
// behind with the work: the next walk steps once a tick, plays no work on the way
// and keeps its payment until it arrives.
TEST_F(WorkerWorkTest, Work_CalledOffWhileRepositioningWalksItsNextOrderPlainly)
{
    cGameObject* site = MakeTarget(kTypeSource, "nugget00", {8, 8});
    cGameObject* next = MakeTarget(kTypeSource, "nugget00", {18, 12});
    cWorker* worker = MakeWorker({8, 7});
    worker->SetRoute({level.CellToPoint({7, 7}), level.CellToPoint({9, 7})});
    Arrive(*worker, *site);
    ASSERT_GT(TicksUntil([&] { return worker->IsRepositioning(); }, 500), 0);

    worker->Reset();
    EXPECT_FALSE(worker->IsRepositioning());
    worker->PaidCost() = ResourceVector(std::vector<int32_t>{0, 10, 0, 0});
    ASSERT_TRUE(level.SendWorker(worker, next, 1));
    const std::string gait = worker->GetAnimationKey();
    ASSERT_EQ(gait.rfind("run", 0), 0u);
    vec2 before = worker->GetPosition();
    for (int i = 0; i < 60; ++i) {
        worker->Update();
        const float step = (worker->GetPosition() - before).Length();
        before = worker->GetPosition();
        ASSERT_EQ(worker->GetState(), kStateWalking) << "tick " << i;
        EXPECT_LE(step, 170.0f * kTick + 0.01f) << "one step a tick at the running pace, tick " << i;
    }
    EXPECT_EQ(worker->GetAnimationKey().rfind("run", 0), 0u) << "no work on the way";
    EXPECT_EQ(worker->PaidCost().At(1), 10) << "the new order's payment is still refundable";
}

TEST_F(WorkerWorkTest, Work_RunsFasterUnderTheFasterWorkersSpell)
{
    cGameObject* site = MakeTarget(kTypeSource, "nugget00", {8, 8});
    cWorker* worker = MakeWorker({8, 7});
    Arrive(*worker, *site);
    worker->Update();  // starts the nugget's period
    const float before = site->GetTimerRemaining();
    worker->Update();
    EXPECT_NEAR(before - site->GetTimerRemaining(), kTick, 1e-5f);
    level.spellTimers[0] = 10.0f;
    worker->Update();
    EXPECT_NEAR(before - kTick - site->GetTimerRemaining(), 1.8f * kTick, 1e-5f);
}

// The whole road of an order on the tool-built walk test level: the walk, the work,
// the yield, the way into the home through its door, the stock and the way out.
// Only the order of these steps is asserted; the ticks between them come from the
// stand-in planner's paths.
TEST_F(WorkerWorkTest, RoundTrip_ATreesWoodAndAPickUpsFoodGoHome)
{
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(KELVARA_SOURCE_DIR "/tests/data/levels/walk_test.lvl"), 0);
    ASSERT_TRUE(level.LoadLevel(stream, 0));
    cBuild* home = MakeHome({4, 3});
    cGameObject* tree = MakeTarget(kTypeSource, "tree00_0", {12, 12});
    cGameObject* item = MakeTarget(kTypeItem, "food", {8, 1});
    cWorker* worker = MakeWorker({7, 3});

    struct Trip {
        cGameObject* target;
        std::vector<int32_t> stock;
    };
    for (const Trip& trip : {Trip{tree, {20, 0, 0, 0}}, Trip{item, {20, 20, 0, 0}}}) {
        SCOPED_TRACE(trip.target->GetSprite());
        ASSERT_TRUE(level.SendWorker(worker, trip.target, 1));
        EXPECT_EQ(worker->GetState(), kStateWalking);
        ASSERT_GT(TicksUntil([&] { return worker->GetState() == cWorker::kStateAtWork; }), 0);
        EXPECT_EQ(worker->GetTarget(), trip.target);
        ASSERT_GT(TicksUntil([&] { return !worker->Load().IsEmpty(); }), 0);
        EXPECT_EQ(worker->Load().source, trip.target);

        // Idle for one tick, then on the way home with the load.
        ASSERT_GT(TicksUntil([&] { return worker->GetTarget() == home; }), 0);
        EXPECT_EQ(worker->GetAnimationKey().rfind("bag", 0), 0u);
        ASSERT_GT(TicksUntil([&] { return Sounds("worker_in") > 0 && worker->GetDoorState() == cWorker::kDoorIn; }),
                  0);
        // Half-way along the last leg, from the door into the home (the path's shape
        // is the stand-in planner's: stand-in-only).
        const auto& path = worker->GetPath();
        EXPECT_EQ(static_cast<size_t>(worker->GetLeg()) + 2, path.size());
        EXPECT_EQ(path.back(), home->GetPosition());
        const vec2 legStart = path[path.size() - 2];
        EXPECT_GE((worker->GetPosition() - legStart).Length(), 0.5f * (path.back() - legStart).Length() - 0.01f);
        EXPECT_FALSE(worker->CanCommand());

        ASSERT_GT(TicksUntil([&] { return Sounds("res_income") > 0 && worker->Load().IsEmpty(); }), 0);
        EXPECT_EQ(level.Stock().amounts, trip.stock);
        EXPECT_EQ(worker->GetDoorState(), cWorker::kDoorOut);
        ASSERT_GT(TicksUntil([&] { return Sounds("worker_out") > 0; }), 0);
        EXPECT_EQ(worker->GetDoorState(), cWorker::kDoorOutside);
        ASSERT_GT(TicksUntil([&] { return worker->GetState() != kStateWalking; }), 0);
        lines.clear();
    }
}

}  // namespace
