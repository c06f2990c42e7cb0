// The tank on the stand-in level screen: the sweep of its barrel and the frames that
// follow it, the look along the barrel, the shell that stuns and the pause after a
// shot, and its indifference to hits.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "objects/enemy_tuning.h"
#include "objects/tank.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;

// Ticks of the step, added up in float as the timed values do, until they reach
// the time.
int FloatTicks(float seconds, float step = kTick)
{
    int ticks = 0;
    for (float elapsed = 0.0f; elapsed < seconds; elapsed += step) ++ticks;
    return ticks;
}

// A worker held in the state it is given, that records the tank's hits.
class StillWorker : public cWorker {
public:
    explicit StillWorker(cObjectOwner* owner) : cWorker(owner) {}
    void Update() override {}
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        tankHits += code == kEventTankHit ? 1 : 0;
        return cWorker::OnMessage(code, data);
    }
    int tankHits = 0;
};

class TankTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        test::RegisterTestSprite("tank", 1, 10.0f, 160.0f, 100.0f, 80.0f, 50.0f);
        test::RegisterTestSprite("tank_gun", cTank::kGunDirections, 10.0f, 200.0f, 200.0f, 100.0f, 100.0f);
        test::RegisterTestSprite("effect_explosion", 4, 30.0f, 64.0f, 64.0f, 32.0f, 32.0f);
        test::RegisterTestSprite("cannon", 1, 10.0f, 32.0f, 32.0f, 16.0f, 16.0f);
    }
    cTank* MakeTank()
    {
        auto* tank = dynamic_cast<cTank*>(level.CreateObject(kTypeTank, 0));
        if (tank == nullptr) return nullptr;
        tank->SetPositionV(at);
        tank->SetSprite("tank");
        return tank;
    }
    // A worker in the given state on the barrel's line of frame 0 (or off it).
    StillWorker* MakeWorker(float distance, int32_t state, const vec2& direction)
    {
        auto* worker = new StillWorker(&level);
        worker->SetPositionV(at + direction * distance);
        worker->SetSprite("");
        level.AddObject(worker, 0);
        worker->SetState(state);
        return worker;
    }

    const vec2 at{500.0f, 400.0f};
};

TEST_F(TankTest, Sweep_QuarterTurnIn785SecondsSlowedByTheFactorWithTheFrameFollowing)
{
    const float sweep = cTank::kQuarterTurn / cTank::kSweepRate;
    for (const float factor : {1.0f, 0.25f}) {
        EnemyTuningValues().tankGunSpeedFactor = factor;
        cTank* tank = MakeTank();
        ASSERT_NE(tank, nullptr);
        EXPECT_EQ(tank->GetState(), 1);
        EXPECT_EQ(tank->GetAnimationKey(), "life");
        const float slice = cTank::kQuarterTurn / cTank::kGunDirections;
        int lastFrame = 0;
        const int up = TicksUntil(
            [&] {
                const int frame = tank->GetGunFrame();
                EXPECT_EQ(frame, std::min(static_cast<int>(tank->GetGunAngle().current / slice), 8));
                EXPECT_EQ(tank->GetGunSprite().play.frame, frame);
                EXPECT_GE(frame, lastFrame);
                lastFrame = frame;
                return tank->GetGunAngle().current == cTank::kQuarterTurn;
            },
            2000);
        EXPECT_EQ(up, FloatTicks(sweep, factor * kTick)) << factor;
        EXPECT_EQ(lastFrame, 8);
        // At the top the barrel still points along its last direction.
        const vec2 last = tank->GetGunDirection();
        EXPECT_NEAR(last.x, -99.0f / std::hypot(99.0f, 2.0f), 1e-5f);
        // And back down over the same time.
        const int down = TicksUntil([&] { return tank->GetGunAngle().current == 0.0f; }, 2000);
        EXPECT_EQ(down, FloatTicks(sweep, factor * kTick)) << factor;
        EXPECT_EQ(tank->GetGunFrame(), 0);
        level.RemoveObject(tank);
        level.Tick();
    }
    EXPECT_NEAR(FloatTicks(sweep) * kTick, 7.85f, 0.04f);
    EXPECT_NEAR(FloatTicks(sweep, 0.25f * kTick) * kTick, 31.4f, 0.04f);
}

TEST_F(TankTest, Look_ShootsTheFirstWorkingWorkerInLineAndPausesForTheRecoil)
{
    cTank* tank = MakeTank();
    const vec2 line = tank->GetGunDirection();
    EXPECT_NEAR(line.x, 92.0f / std::hypot(92.0f, 49.0f), 1e-5f);
    EXPECT_NEAR(line.y, -49.0f / std::hypot(92.0f, 49.0f), 1e-5f);
    // Along the barrel's next direction: a little more than the tolerance aside.
    const vec2 aside = vec2{69.0f, -70.0f} * (1.0f / std::hypot(69.0f, 70.0f));
    StillWorker* walking = MakeWorker(150.0f, 2, line);
    StillWorker* besideLine = MakeWorker(200.0f, cWorker::kStateAtWork, aside);
    StillWorker* atDoor = MakeWorker(250.0f, cWorker::kStateAtWork, line);
    atDoor->SetDoorState(cWorker::kDoorIn);
    StillWorker* first = MakeWorker(300.0f, cWorker::kStateAtWork, line);
    StillWorker* second = MakeWorker(350.0f, cWorker::kStateAtWork, line);

    const int fired = TicksUntil([&] { return !tank->GetShells().empty(); }, 30);
    EXPECT_EQ(fired, FloatTicks(cTank::kScanSeconds));
    EXPECT_EQ(Sounds("shot"), 1);
    EXPECT_TRUE(tank->IsFlashing());
    ASSERT_EQ(tank->GetShells().size(), 1u);
    const ShotRecord& shell = tank->GetShells()[0];
    EXPECT_EQ(shell.target, first);
    EXPECT_NEAR((shell.start - at).Length(), cTank::kMuzzleLength, 1e-3f);

    // The sweep, the look and the tank's own update wait out the recoil.
    const float angle = tank->GetGunAngle().current;
    const int recoil = FloatTicks(cTank::kRecoilSeconds);
    for (int tick = 1; tick <= recoil; ++tick) {
        level.Tick();
        ASSERT_EQ(tank->GetGunAngle().current, angle) << tick;
    }
    level.Tick();
    EXPECT_NE(tank->GetGunAngle().current, angle);

    // 190 units from the muzzle at 800 a second: the shell landed long ago.
    EXPECT_EQ(first->tankHits, 1);
    EXPECT_EQ(first->GetState(), cWorker::kStateStunned);
    EXPECT_FALSE(level.tankFlag);
    for (const StillWorker* spared : {walking, besideLine, atDoor, second}) EXPECT_EQ(spared->tankHits, 0);

    // The next look takes the next working worker in line.
    ASSERT_GT(TicksUntil([&] { return second->tankHits > 0; }, 30), 0);
    EXPECT_EQ(walking->tankHits + besideLine->tankHits + atDoor->tankHits, 0);

    // A hit changes nothing on the tank.
    HitRecord hit{nullptr, 50.0f};
    tank->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    EXPECT_EQ(tank->GetState(), 1);
    EXPECT_FLOAT_EQ(tank->GetTimerRemaining(), 0.0f);
}

}  // namespace
