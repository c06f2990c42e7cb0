// Workers under attack and spells on the stand-in level screen: the flight with its
// drawn angle and distance, fear, the capture and the flight to the prison, ice
// with its count and the thaw, charm and love in single file, the bell, the tank,
// and the refund of a paid order, given back once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "objects/prison.h"
#include "objects/source.h"
#include "tests/objects/support/worker_fixture.h"

namespace {

using test::WorkerTest;

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

ResourceVector Wood(int32_t amount) { return ResourceVector(std::vector<int32_t>{amount, 0, 0, 0}); }

uintptr_t Param(cObject* object) { return reinterpret_cast<uintptr_t>(object); }

class WorkerEventsTest : public WorkerTest {
protected:
    void SetUp() override
    {
        WorkerTest::SetUp();
        test::RegisterTestSprite("nugget00", 2, 1.0f, 64.0f, 64.0f, 32.0f, 32.0f);
        level.LinkObjects();
    }
    cSource* MakeNugget(const GridCell& cell)
    {
        auto* nugget = dynamic_cast<cSource*>(level.CreateObject(kTypeSource, 0));
        nugget->SetPositionV(level.CellToPoint(cell));
        nugget->SetSprite("nugget00");
        return nugget;
    }
};

TEST_F(WorkerEventsTest, Attack_FleesOneToTwoHundredUnitsWithinThirtyDegreesAndFearsOnHighDraws)
{
    cWorker* attacker = MakeWorker({2, 8});
    int fearful = 0;
    for (uint32_t seed : {1u, 7u, 99u, 1234u, 4242u, 31337u}) {
        SCOPED_TRACE(seed);
        cWorker* worker = MakeWorker({10, 8});
        worker->PaidCost() = Wood(5);
        app.random.seed = seed;
        RandomGen draws = app.random;
        const int fearBefore = Sounds("worker_fear");
        worker->OnMessage(kEventAttack, Param(attacker));
        EXPECT_EQ(worker->GetState(), cWorker::kStateFleeing);
        EXPECT_EQ(worker->GetThreat(), attacker);
        const bool fear = draws.NextValue() % 1001 > 600;
        EXPECT_EQ(Sounds("worker_fear") - fearBefore, fear ? 1 : 0);
        fearful += fear ? 1 : 0;
        EXPECT_TRUE(worker->PaidCost().IsZero());

        const float angle = 1.0472f * draws.NextFraction() - 0.5236f;
        const float distance = 100.0f + 100.0f * draws.NextFraction();
        const vec2 away{std::cos(angle), std::sin(angle)};  // the attacker is due west
        const GridCell cell = level.PointToCell(worker->GetPosition() + away * distance);
        worker->Update();
        ASSERT_EQ(worker->GetState(), kStateWalking);
        EXPECT_EQ(worker->GetPath().back(), level.CellToPoint(cell));
        EXPECT_EQ(worker->GetAnimationKey().rfind("scare", 0), 0u);
        level.RemoveObject(worker);
    }
    EXPECT_EQ(level.Stock().amounts, (std::vector<int32_t>{30, 0, 0, 0}));
    EXPECT_GT(fearful, 0);
    EXPECT_LT(fearful, 6);
}

TEST_F(WorkerEventsTest, Attack_WithNoFreeCellNearWandersInstead)
{
    cWorker* attacker = MakeWorker({2, 8});
    cWorker* worker = MakeWorker({10, 8});
    for (int x = 0; x < level.GetGridWidth(); ++x) {
        for (int y = 0; y < level.GetGridHeight(); ++y) level.SetCellBlocked(x, y, true);
    }
    worker->OnMessage(kEventAttack, Param(attacker));
    worker->Update();
    EXPECT_EQ(worker->GetState(), cWorker::kStateFleeing) << "nowhere to go: it tries again next tick";
}

TEST_F(WorkerEventsTest, Scare_CowersAwayWithFearAndRefunds)
{
    cWorker* scarer = MakeWorker({12, 8});
    cWorker* worker = MakeWorker({10, 8});
    worker->PaidCost() = Wood(7);
    worker->OnMessage(kEventScare, Param(scarer));
    EXPECT_EQ(worker->GetState(), cWorker::kStateScared);
    EXPECT_EQ(worker->GetAnimationKey(), "scare2");
    EXPECT_EQ(Sounds("worker_fear"), 1);
    EXPECT_EQ(level.Stock().amounts[0], 7);
    worker->OnMessage(kEventScare, Param(scarer));
    EXPECT_EQ(level.Stock().amounts[0], 7) << "a paid cost comes back once";
}

TEST_F(WorkerEventsTest, Capture_FliesToThePrisonInAboutOnePointSevenSecondsAndSitsThere)
{
    cWorker* worker = MakeWorker({3, 3});
    worker->PaidCost() = Wood(4);
    worker->OnMessage(kEventCapture, 0);
    EXPECT_EQ(worker->GetState(), cWorker::kStateIdle) << "a level without a prison only refunds";
    EXPECT_EQ(level.Stock().amounts[0], 4);

    auto* prison = new cPrison(&level);
    level.AddObject(prison, 0);
    prison->SetPositionV(level.CellToPoint({15, 3}));
    ASSERT_EQ(level.prison, prison);
    worker->OnMessage(kEventCapture, 0);
    EXPECT_EQ(worker->GetState(), cWorker::kStateCarried);
    EXPECT_EQ(worker->GetTarget(), prison);
    EXPECT_TRUE(worker->IsTrailOn());
    worker->Update();
    EXPECT_FLOAT_EQ(worker->GetAngle(), -0.3f) << "it spins while the curve heads east";
    EXPECT_GT(worker->GetPosition().y, level.CellToPoint({3, 3}).y) << "the curve rises";
    int ticks = 1;
    while (worker->GetState() == cWorker::kStateCarried && ticks < 200) {
        worker->Update();
        ++ticks;
    }
    // The parameter runs 0.5 at 0.3 a second, stepped in float ticks.
    EXPECT_EQ(ticks, TicksFor(0.5f / 0.3f));
    EXPECT_EQ(worker->GetState(), cWorker::kStateImprisoned);
    EXPECT_FLOAT_EQ(worker->GetAngle(), 0.0f);
    EXPECT_EQ(prison->GetCaptiveCount(), 1u);
    EXPECT_EQ(level.prisoners, 1);
}

TEST_F(WorkerEventsTest, Freeze_StopsTheWorkerAndItsWorkForThirtySeconds)
{
    level.InitLevel("005");
    cSource* nugget = MakeNugget({8, 8});
    cWorker* worker = MakeWorker({8, 7});
    worker->WalkPath({worker->GetPosition()}, nugget, 0);
    worker->Update();
    worker->Update();
    ASSERT_EQ(worker->GetState(), cWorker::kStateAtWork);
    const float remaining = nugget->GetTimerRemaining();
    const int frame = worker->GetFrame();
    const vec2 at = worker->GetPosition();

    worker->OnMessage(kEventFreeze, 0);
    EXPECT_TRUE(worker->IsFrozen());
    EXPECT_EQ(worker->GetTarget(), nullptr) << "freezing drops the target";
    EXPECT_EQ(level.frozenWorkers, 1);
    EXPECT_EQ(worker->GetCost().amounts, (std::vector<int32_t>{0, 0, 0, 20}));
    const int ticks = TicksFor(30.0f);
    for (int i = 1; i < ticks; ++i) worker->Update();
    EXPECT_TRUE(worker->IsFrozen());
    EXPECT_EQ(worker->GetFrame(), frame);
    EXPECT_EQ(worker->GetPosition(), at);
    EXPECT_FLOAT_EQ(nugget->GetTimerRemaining(), remaining);
    worker->Update();
    EXPECT_FALSE(worker->IsFrozen());
    EXPECT_EQ(level.frozenWorkers, 0);

    // The fourth frozen worker on "005" unlocks the ice block achievement.
    std::vector<cWorker*> workers;
    for (int i = 0; i < 4; ++i) workers.push_back(MakeWorker({i + 1, 2}));
    for (cWorker* frozen : workers) frozen->OnMessage(kEventFreeze, 0);
    workers[0]->OnMessage(kEventFreeze, 0);
    EXPECT_EQ(level.frozenWorkers, 4) << "freezing a frozen worker again does not count it twice";
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_ice_block"});
    workers[1]->OnMessage(kEventMagicReached, 0);
    EXPECT_FALSE(workers[1]->IsFrozen());
    EXPECT_EQ(level.frozenWorkers, 3);
}

TEST_F(WorkerEventsTest, Thaw_OfAWorkerWhoseIceMeltedLeavesTheOthersCount)
{
    cWorker* melting = MakeWorker({3, 3});
    cWorker* waiting = MakeWorker({6, 3});
    melting->OnMessage(kEventFreeze, 0);
    for (int i = 0; i < TicksFor(15.0f); ++i) melting->Update();
    waiting->OnMessage(kEventFreeze, 0);
    EXPECT_EQ(level.frozenWorkers, 2);
    for (int i = 0; i < TicksFor(15.0f) + 1; ++i) melting->Update();
    ASSERT_FALSE(melting->IsFrozen());
    EXPECT_EQ(level.frozenWorkers, 1);
    // The wife's magic reaches it late: nothing changes.
    melting->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(level.frozenWorkers, 1);
    EXPECT_TRUE(waiting->IsFrozen());
}

TEST_F(WorkerEventsTest, Cloud_ShowsWhileFrozenOrCutOffAndALateThawKeepsIt)
{
    cWorker* worker = MakeWorker({4, 4});
    worker->OnMessage(kEventFreeze, 0);
    cObject* cloud = worker->GetCloud();
    ASSERT_NE(cloud, nullptr);
    EXPECT_EQ(cloud->GetPosition(), worker->GetPosition() + vec2(0.0f, 80.0f));
    worker->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(worker->GetCloud(), nullptr);
    const auto& removed = level.GetRemovedObjects();
    EXPECT_NE(std::find(removed.begin(), removed.end(), cloud), removed.end());

    // Cut off, then frozen: one cloud, and the thaw leaves it to the cut-off state.
    worker->SetState(cWorker::kStateCutOff);
    cloud = worker->GetCloud();
    ASSERT_NE(cloud, nullptr);
    worker->OnMessage(kEventFreeze, 0);
    EXPECT_EQ(worker->GetCloud(), cloud);
    worker->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(worker->GetCloud(), cloud);
    worker->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(worker->GetCloud(), cloud) << "a thaw for a worker not frozen does nothing";

    // Frozen, then freed from the cut-off state: the ice keeps the cloud.
    worker->OnMessage(kEventFreeze, 0);
    worker->SetState(cWorker::kStateCheering);
    EXPECT_EQ(worker->GetCloud(), cloud);
    worker->SetFrozen(false);
    EXPECT_EQ(worker->GetCloud(), nullptr);
}

TEST_F(WorkerEventsTest, CharmAndLove_FollowTheCharmerInSingleFileAndRingsEnd)
{
    cWorker* charmer = MakeWorker({15, 8});
    cWorker* first = MakeWorker({3, 8});
    cWorker* second = MakeWorker({3, 10});
    first->PaidCost() = Wood(3);
    first->OnMessage(kEventCharm, Param(charmer));
    EXPECT_EQ(first->GetState(), cWorker::kStateCharmed);
    EXPECT_EQ(first->GetAnimationKey(), "stand0");
    EXPECT_EQ(level.Stock().amounts[0], 3);

    first->OnMessage(kEventLove, 0);
    EXPECT_EQ(first->GetTarget(), charmer);
    EXPECT_EQ(first->GetAnimationKey(), "tied0");
    second->SetThreat(charmer);
    second->OnMessage(kEventLove, 0);
    EXPECT_EQ(second->GetTarget(), first) << "the second lover walks behind the first";
    EXPECT_EQ(level.workersInLove, 2);
    second->OnMessage(kEventLove, 0);
    EXPECT_EQ(level.workersInLove, 2) << "love again counts once";
    EXPECT_FALSE(first->CanCommand());

    // The charmer ends in state 14 toward a removed threat: love itself ends when
    // the leader is no longer in love.
    first->SetInLove(false);
    EXPECT_EQ(first->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(level.workersInLove, 1);
    second->SetState(cWorker::kStateFollow);
    second->Update();
    EXPECT_FALSE(second->IsInLove());
    EXPECT_EQ(level.workersInLove, 0);

    // A ring: a follows b and b follows a; a third lover charmed by a finds the end.
    cWorker* a = MakeWorker({5, 5});
    cWorker* b = MakeWorker({7, 5});
    cWorker* lover = MakeWorker({9, 5});
    a->WalkPath({a->GetPosition(), a->GetPosition() + vec2{1.0f, 0.0f}}, b, 2);
    b->WalkPath({b->GetPosition(), b->GetPosition() + vec2{1.0f, 0.0f}}, a, 2);
    lover->SetThreat(a);
    lover->OnMessage(kEventLove, 0);
    EXPECT_EQ(lover->GetTarget(), b);
}

TEST_F(WorkerEventsTest, Bell_RefundsEveryoneButSendsOnlyThoseFreeToGo)
{
    cGameObject* bell = MakeSite({12, 12}, 0.0f);
    struct Case {
        int32_t state;
        bool frozen;
        bool inLove;
        bool sent;
    };
    const Case cases[] = {
        {cWorker::kStateIdle, false, false, true},     {cWorker::kStateInside, false, false, false},
        {cWorker::kStateCutOff, false, false, false},  {cWorker::kStateImprisoned, false, false, false},
        {cWorker::kStateStunned, false, false, false}, {cWorker::kStateIdle, true, false, false},
        {cWorker::kStateIdle, false, true, false},
    };
    int row = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(row);
        cWorker* worker = MakeWorker({2, row++});
        if (c.inLove) {
            worker->SetThreat(MakeWorker({20, 1}));
            worker->OnMessage(kEventLove, 0);
        }
        worker->SetState(c.state);
        if (c.frozen) worker->SetFrozen(true);
        worker->PaidCost() = Wood(1);
        const int32_t stock = level.Stock().amounts[0];
        level.sendWorkerCalls.clear();
        worker->OnMessage(kEventBellAlarm, Param(bell));
        EXPECT_EQ(level.Stock().amounts[0], stock + 1);
        EXPECT_EQ(level.sendWorkerCalls.size(), c.sent ? 1u : 0u);
        if (c.sent) {
            EXPECT_EQ(worker->GetTarget(), bell);
        }
    }
}

TEST_F(WorkerEventsTest, TankHit_StunsForTwentySecondsAndSpoilsTheTankAchievement)
{
    cWorker* worker = MakeWorker({4, 4});
    worker->OnMessage(kEventTankHit, 0);
    EXPECT_EQ(worker->GetState(), cWorker::kStateStunned);
    EXPECT_FALSE(level.tankFlag);
    EXPECT_EQ(Sounds("tank_hit"), 1);
    const int ticks = TicksFor(20.0f);
    for (int i = 1; i < ticks; ++i) worker->Update();
    EXPECT_EQ(worker->GetState(), cWorker::kStateStunned);
    worker->Update();
    EXPECT_NE(worker->GetState(), cWorker::kStateStunned);
}

// The ways out of a spell or an attack that used to strand a worker: a lover thawed
// out of the ice, a sitter or cheerer stunned by the tank, and a scared worker grabbed
// on a level without a prison.
TEST_F(WorkerEventsTest, Recovery_ThawedLoverStunnedSitterAndGrabWithoutPrisonEndWell)
{
    // A lover frozen on its way loses the one it followed; thawed and idle, its
    // love ends, and so does the love of the lover behind it.
    cWorker* charmer = MakeWorker({18, 8});
    cWorker* first = MakeWorker({3, 8});
    cWorker* second = MakeWorker({3, 10});
    for (cWorker* lover : {first, second}) {
        lover->SetThreat(charmer);
        lover->OnMessage(kEventLove, 0);
    }
    ASSERT_EQ(second->GetTarget(), first);
    ASSERT_EQ(level.workersInLove, 2);
    first->OnMessage(kEventFreeze, 0);
    EXPECT_EQ(first->GetTarget(), nullptr);
    const int thaw = TicksUntil([&] { return !first->IsFrozen(); }, TicksFor(31.0f));
    ASSERT_GT(thaw, 0);
    EXPECT_GT(TicksUntil([&] { return !first->IsInLove() && !second->IsInLove(); }, 2000), 0);
    EXPECT_EQ(level.workersInLove, 0);
    EXPECT_EQ(first->GetThreat(), nullptr);
    EXPECT_TRUE(first->CanCommand()) << "free for orders again";

    // Stunned while sitting or cheering: the one view of the stun loops for the
    // whole twenty seconds instead of ending with the one-shot it replaced.
    for (int32_t pose : {int32_t{cWorker::kStateResting}, int32_t{cWorker::kStateCheering}}) {
        SCOPED_TRACE(pose);
        cWorker* worker = MakeWorker({12, 12});
        worker->SetState(pose);
        worker->OnMessage(kEventTankHit, 0);
        ASSERT_EQ(worker->GetAnimationKey(), "kontuz3");
        EXPECT_EQ(worker->GetPlayMode(), kPlayLoopForward);
        for (int i = 0; i < TicksFor(10.0f); ++i) worker->Update();
        EXPECT_EQ(worker->GetState(), cWorker::kStateStunned);
        EXPECT_NE(worker->GetAnimation(), nullptr) << "still drawn halfway through the stun";
        EXPECT_EQ(worker->GetAnimationKey(), "kontuz3");
    }

    // Scared by a bandit and grabbed where there is no prison: the fright ends, the
    // paid cost comes back and the worker takes orders again. A worker grabbed
    // while doing something else keeps doing it.
    cWorker* bandit = MakeWorker({14, 4});
    cWorker* scared = MakeWorker({12, 4});
    scared->PaidCost() = Wood(5);
    const int32_t stock = level.Stock().amounts[0];
    scared->OnMessage(kEventScare, Param(bandit));
    scared->OnMessage(kEventCapture, Param(bandit));
    EXPECT_EQ(scared->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(scared->GetThreat(), nullptr);
    EXPECT_TRUE(scared->IsFree());
    EXPECT_EQ(level.Stock().amounts[0], stock + 5);
    cWorker* resting = MakeWorker({6, 4});
    resting->SetState(cWorker::kStateResting);
    resting->OnMessage(kEventCapture, Param(bandit));
    EXPECT_EQ(resting->GetState(), cWorker::kStateResting);
}

}  // namespace
