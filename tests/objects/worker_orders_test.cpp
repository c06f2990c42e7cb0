// Workers and the player's orders on the stand-in level screen: who may be commanded
// and who is free, the thaw price and the hint texts, the delivery, the direction of
// work at a house on the skewed grid, idle wandering and resting with the drawn
// rest animations, guards against broken data and a missing home, and the worker a
// finished house adds while the screen walks its objects.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/objects/node.h"
#include "framework/objects/texture_info_ex.h"
#include "framework/widgets/level_file.h"
#include "objects/build.h"
#include "objects/item.h"
#include "tests/objects/support/worker_fixture.h"

namespace {

using test::WorkerTest;

ResourceVector Food(int32_t amount) { return ResourceVector(std::vector<int32_t>{0, amount, 0, 0}); }

TEST_F(WorkerTest, CanCommandAndIsFree_OverStatesFlagsAndTheDoor)
{
    auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
    struct Case {
        const char* name;
        int32_t state;
        int32_t door;
        bool command;
        bool free;
    };
    const Case cases[] = {
        {"idle", cWorker::kStateIdle, cWorker::kDoorOutside, true, true},
        {"resting", cWorker::kStateResting, cWorker::kDoorOutside, true, true},
        {"inside a plant", cWorker::kStateInside, cWorker::kDoorOutside, false, false},
        {"cut off", cWorker::kStateCutOff, cWorker::kDoorOutside, false, false},
        {"imprisoned", cWorker::kStateImprisoned, cWorker::kDoorOutside, false, false},
        {"charmed", cWorker::kStateCharmed, cWorker::kDoorOutside, false, false},
        {"stunned", cWorker::kStateStunned, cWorker::kDoorOutside, false, false},
        {"going into the home", cWorker::kStateIdle, cWorker::kDoorIn, false, false},
        {"coming out of it", cWorker::kStateIdle, cWorker::kDoorOut, false, false},
    };
    int row = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cWorker* worker = MakeWorker({1, row++});
        worker->SetState(c.state);
        worker->SetDoorState(c.door);
        EXPECT_EQ(worker->CanCommand(), c.command);
        EXPECT_EQ(worker->IsFree(), c.free);
    }

    cWorker* worker = MakeWorker({5, 5});
    worker->SetFrozen(true);
    EXPECT_FALSE(worker->CanCommand());
    worker->SetFrozen(false);
    worker->AssignTask(Food(20), item);
    EXPECT_TRUE(worker->CanCommand());
    EXPECT_FALSE(worker->IsFree()) << "a carrier is busy";
    worker->AssignTask(Food(0), item);
    EXPECT_TRUE(worker->IsFree()) << "a source without amounts is no load";
    worker->SetThreat(item);
    EXPECT_FALSE(worker->IsFree());
    worker->SetThreat(nullptr);
    worker->WalkPath({worker->GetPosition(), worker->GetPosition() + vec2{50.0f, 0.0f}}, item, 0);
    EXPECT_TRUE(worker->CanCommand());
    EXPECT_FALSE(worker->IsFree()) << "a worker with a target is taken";
    EXPECT_FALSE(worker->IsCutOff());
}

TEST_F(WorkerTest, CanCommand_IsRefusedOnTheLastLegIntoTheHome)
{
    cBuild* home = MakeHome({10, 10});
    cWorker* worker = MakeWorker({5, 10});
    const vec2 at = worker->GetPosition();
    worker->WalkPath({at, at + vec2{50.0f, 0.0f}, home->GetPosition()}, home, 0);
    EXPECT_TRUE(worker->CanCommand());
    worker->StartLeg(1);
    EXPECT_FALSE(worker->CanCommand());
}

TEST_F(WorkerTest, CostAndHint_FrozenWorkerCostsTwentyManaWhateverTheLevel)
{
    vrk::TextTable()["Unfreeze"] = "Thaw";
    vrk::TextTable()["FreeWorker"] = "Free him";
    for (const char* name : {"000", "005", "039"}) {
        level.InitLevel(name);
        cWorker* worker = MakeWorker({2, 2});
        EXPECT_TRUE(worker->GetCost().IsZero());
        EXPECT_EQ(worker->GetHintText(), "");
        worker->SetFrozen(true);
        EXPECT_EQ(worker->GetCost().amounts, (std::vector<int32_t>{0, 0, 0, 20}));
        const std::string hint = worker->GetHintText();
        EXPECT_EQ(hint.rfind("Thaw: ", 0), 0u) << hint;
        EXPECT_NE(hint.find("20"), std::string::npos);
        EXPECT_EQ(hint.back(), '\n');
        worker->SetFrozen(false);
        worker->SetState(cWorker::kStateAtWork);
        EXPECT_EQ(worker->GetHintText(), "Free him");
    }
}

TEST_F(WorkerTest, StartDelivery_SendsLoadsHomeAndCutsOffWithoutAWay)
{
    auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
    cWorker* worker = MakeWorker({3, 3});
    EXPECT_FALSE(worker->StartDelivery()) << "nothing to deliver";
    worker->AssignTask(Food(20), item);
    EXPECT_FALSE(worker->StartDelivery()) << "no home";
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle);

    cBuild* home = MakeHome({10, 10});
    level.sendWorkerCalls.clear();
    EXPECT_TRUE(worker->StartDelivery());
    ASSERT_EQ(level.sendWorkerCalls.size(), 1u);
    EXPECT_EQ(level.sendWorkerCalls[0].target, home);
    EXPECT_EQ(worker->GetState(), kStateWalking);
    EXPECT_EQ(worker->GetTarget(), home);

    level.failSends = true;
    EXPECT_TRUE(worker->StartDelivery());
    EXPECT_EQ(worker->GetState(), cWorker::kStateCutOff);
}

TEST_F(WorkerTest, GetWorkDirection_AtAThreeByTwoHouseFromEachSideOnTheSkewedGrid)
{
    test::RegisterTestSprite("house00", 1, 1.0f, 144.0f, 150.0f, 72.0f, 48.0f);
    level.UseSkewedBasis();
    auto* house = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
    house->SetPositionV(level.CellToPoint({10, 10}));
    house->SetSprite("house00");
    GridCell first;
    GridCell last;
    ASSERT_TRUE(level.GetObjectCells(house, first, last));
    ASSERT_EQ(last.x - first.x, 2);
    ASSERT_EQ(last.y - first.y, 1);
    vec2 origin;
    vec2 u;
    vec2 v;
    level.GetGridBasis(origin, u, v);

    struct Side {
        GridCell cell;
        vec2 expected;
    };
    // Each builder faces the house across the side it stands at: the rows' axis
    // above and below the footprint, the columns' axis beside it.
    const Side sides[] = {
        {{first.x + 1, first.y - 1}, v},   // before the first row
        {{first.x + 1, last.y + 1}, -v},   // beyond it
        {{first.x - 1, first.y}, u},       // before the first column
        {{last.x + 1, last.y}, -u},        // beyond it
    };
    for (const Side& side : sides) {
        SCOPED_TRACE(testing::Message() << side.cell.x << "," << side.cell.y);
        cWorker* worker = MakeWorker(side.cell);
        ASSERT_EQ(level.ObjectToCell(worker), side.cell);
        worker->WalkPath({worker->GetPosition()}, house, 2);
        const vec2 direction = worker->GetWorkDirection();
        EXPECT_NEAR(direction.x, side.expected.x, 1e-5f);
        EXPECT_NEAR(direction.y, side.expected.y, 1e-5f);
        const vec2 toHouse = house->GetPosition() - worker->GetPosition();
        EXPECT_GT(direction.x * toHouse.x + direction.y * toHouse.y, 0.0f) << "toward the house";
    }
    // At a corner the worker faces the house's position.
    cWorker* corner = MakeWorker({last.x + 1, last.y + 1});
    corner->WalkPath({corner->GetPosition()}, house, 2);
    vec2 toward = house->GetPosition() - corner->GetPosition();
    toward = toward / toward.Length();
    EXPECT_NEAR(corner->GetWorkDirection().x, toward.x, 1e-5f);
    EXPECT_NEAR(corner->GetWorkDirection().y, toward.y, 1e-5f);
    cWorker* lost = MakeWorker({1, 1});
    EXPECT_EQ(lost->GetWorkDirection(), vec2{}) << "no target, no direction";
}

TEST_F(WorkerTest, Idle_WandersTenSecondsThenSitsAndNextTimeAfterFifteenToThirty)
{
    level.LinkObjects();
    cWorker* worker = MakeWorker({10, 8});
    float countdown = cWorker::kFirstIdleSeconds;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        int expected = 0;
        for (float left = countdown; left > 0.0f;) {
            left -= kTick;
            ++expected;
        }
        int wandering = 0;
        RandomGen before = app.random;
        for (int tick = 0; tick < 5000 && worker->GetState() != cWorker::kStateResting; ++tick) {
            const bool walking = worker->GetState() == kStateWalking && worker->GetTarget() == nullptr;
            before = app.random;
            worker->Update();
            wandering += walking ? 1 : 0;
        }
        ASSERT_EQ(worker->GetState(), cWorker::kStateResting);
        EXPECT_EQ(wandering, expected);
        // The next countdown is the draw of the tick the worker sat down.
        countdown = 15.0f + 15.0f * before.NextFraction();
        EXPECT_FLOAT_EQ(worker->GetIdleCountdown(), countdown);
        EXPECT_GE(countdown, 15.0f);
        EXPECT_LT(countdown, 30.0f);
        for (int tick = 0; tick < 500 && worker->GetState() == cWorker::kStateResting; ++tick) worker->Update();
        EXPECT_NE(worker->GetState(), cWorker::kStateResting);
    }
}

TEST_F(WorkerTest, Resting_PlaysFiveAnimationsByTheDrawsThenGoesIdle)
{
    cWorker* worker = MakeWorker({5, 5});
    worker->SetState(cWorker::kStateResting);
    EXPECT_EQ(worker->GetAnimationKey(), "sit0");
    for (int shown = 2; shown <= 5; ++shown) {
        RandomGen draws = app.random;
        const float r = draws.NextFraction();
        worker->OnMessage(kMessageAnimationEnded, kPlayOnceForward);
        EXPECT_EQ(worker->GetAnimationKey(), r < 0.8f ? "sit0" : (r < 0.9f ? "eat0" : "drink0"));
        EXPECT_EQ(worker->GetState(), cWorker::kStateResting);
    }
    const uint32_t seed = app.random.seed;
    worker->OnMessage(kMessageAnimationEnded, kPlayOnceForward);
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(app.random.seed, seed) << "the last end draws nothing";

    worker->SetState(cWorker::kStateCutOff);
    RandomGen draws = app.random;
    worker->OnMessage(kMessageAnimationEnded, kPlayOnceForward);
    EXPECT_EQ(worker->GetAnimationKey(), draws.NextFraction() < 0.8f ? "sit0" : "alert0");
}

TEST_F(WorkerTest, OneShots_ThatCannotEndAreTakenAsEnded)
{
    // The jump has one frame, the explosion no frame rate, the rests are missing.
    for (const char* name : {"worker_jump0", "effect_explosion", "worker_sit0", "worker_eat0", "worker_drink0"}) {
        GetTextureInfoExMap().erase(name);
    }
    test::RegisterTestSprite("worker_jump0", 1, 10.0f);
    test::RegisterTestSprite("effect_explosion", 3, 0.0f);
    cWorker* worker = MakeWorker({5, 5});
    worker->SetState(cWorker::kStateCheering);
    worker->Update();
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle);
    worker->SetState(cWorker::kStateResting);
    for (int i = 0; i < 5; ++i) worker->Update();
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle) << "five rests end in five ticks";
    worker->SetState(cWorker::kStateExploding);
    worker->Update();
    const auto& removed = level.GetRemovedObjects();
    EXPECT_NE(std::find(removed.begin(), removed.end(), worker), removed.end());
}

TEST_F(WorkerTest, Escape_WithoutAHomeEndsCutOff)
{
    cWorker* worker = MakeWorker({5, 5});
    const vec2 at = worker->GetPosition();
    level.SetCellBlocked(5, 5, true);
    worker->WalkPath({at, at + vec2{0.0f, 300.0f}}, nullptr, 0);
    const int ticks = TicksUntil([&] { return worker->GetState() == cWorker::kStateCutOff; }, 600);
    EXPECT_GT(ticks, 0) << "stepped off the blocked cell, then found no way home";
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeWorker), 1u);
}

// A counting object: how often the screen updated it.
class Counted : public cGameObject {
public:
    using cGameObject::cGameObject;
    void Update() override { ++updates; }
    int updates = 0;
};

TEST_F(WorkerTest, FinishedHouse_AddsAWorkerAtItsDoorWithoutSkippingOrRepeatingUpdates)
{
    test::RegisterTestSprite("house00", 1, 1.0f, 144.0f, 150.0f, 72.0f, 48.0f);
    std::vector<Counted*> counted;
    for (int layer : {5, 6, 6, 7, 9}) {
        auto* object = new Counted(&level);
        level.AddObject(object, 0);
        level.SetObjectLayer(object, layer);
        counted.push_back(object);
    }
    auto* house = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
    house->SetPositionV(level.CellToPoint({10, 10}));
    house->SetSprite("house00");
    auto* door = level.CreateObject(kTypeNode, 0);
    door->SetPositionV(level.CellToPoint({10, 8}));
    house->Attach(dynamic_cast<cNode*>(door));
    house->SetState(kStateWorking);
    house->SetTimerRemaining(kTick * 0.5f);
    level.spellTimers[0] = 5.0f;
    cWorker* builder = MakeWorker({8, 10});
    builder->WalkPath({builder->GetPosition()}, house, 0);
    builder->Update();
    ASSERT_EQ(builder->GetState(), cWorker::kStateAtWork);

    level.Tick();
    ObjectList workers;
    ASSERT_EQ(level.FindObjectsOfKind(workers, kTypeWorker, -1), 2u);
    auto* added = dynamic_cast<cWorker*>(workers[1] == builder ? workers[0] : workers[1]);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetPosition(), door->GetPosition());
    EXPECT_TRUE(added->IsTrailOn()) << "the faster-workers spell runs";
    for (const Counted* object : counted) EXPECT_EQ(object->updates, 1);
    level.Tick();
    for (const Counted* object : counted) EXPECT_EQ(object->updates, 2);
}

}  // namespace

namespace {

// The level tool loads workers without an application or a level screen: nothing
// there may be reached through the missing screen.
TEST(WorkerFileTest, WorkerRunsInALevelFileWithoutApplication)
{
    cLevelFile file;
    cWorker worker(&file);
    worker.SetSprite(std::string());
    EXPECT_EQ(worker.GetState(), cWorker::kStateIdle);
    for (int tick = 0; tick < 10; ++tick) worker.Update();
    worker.OnMessage(kEventFreeze, 0);
    worker.OnMessage(kEventLove, 0);
    worker.OnMessage(kEventCapture, 0);
    worker.OnMessage(kEventBellAlarm, 0);
    worker.SetState(cWorker::kStateCutOff);
    worker.SetState(cWorker::kStateImprisoned);
    EXPECT_FALSE(worker.StartDelivery());
    EXPECT_TRUE(worker.IsFrozen());
    worker.Draw();
}

}  // namespace
