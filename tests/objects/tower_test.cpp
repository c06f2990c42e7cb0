// Towers on the stand-in level screen: the values by level, the firing cadence and
// the target choice, the enemy tower and the shield, the destruction and the hit
// test.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "objects/enemy.h"
#include "objects/tower.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;

// Ticks of 1/30 s, added up in float as the timers do, until they reach the time.
int FloatTicks(float seconds, float step = kTick)
{
    int ticks = 0;
    for (float elapsed = 0.0f; elapsed < seconds; elapsed += step) ++ticks;
    return ticks;
}

// Ticks of 1/30 s, taken off in float as the countdowns do, until none is left.
int FloatCountdown(float seconds)
{
    int ticks = 0;
    for (float left = seconds; left > 0.0f; left -= kTick) ++ticks;
    return ticks;
}

// A walking enemy that stands still and records what it is sent.
class TargetEnemy : public cEnemy {
public:
    explicit TargetEnemy(cObjectOwner* owner) : cEnemy(owner)
    {
        SetTimerPeriod(100.0f);
        setOut_ = 0;
    }
    void Update() override {}
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        if (code == kEventShot || code == kEventHit) codes.push_back(code);
        if (code == kEventHit) damages.push_back(reinterpret_cast<const HitRecord*>(data)->damage);
        return cEnemy::OnMessage(code, data);
    }
    std::vector<uint32_t> codes;
    std::vector<float> damages;
};

// A worker held where it stands that records what it is sent.
class StillWorker : public cWorker {
public:
    explicit StillWorker(cObjectOwner* owner) : cWorker(owner) {}
    void Update() override {}
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        if (code == kEventAttack || code == kEventHit) codes.push_back(code);
        return cWorker::OnMessage(code, data);
    }
    std::vector<uint32_t> codes;
};

class TowerTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        test::RegisterTestSprite("zone1x1", 1, 10.0f, 48.0f, 48.0f, 24.0f, 24.0f);
        for (const char* name : {"tower00", "tower00_up1", "tower00_up2", "tower_enemy00"}) {
            test::RegisterTestSprite(name, 4, 10.0f, 80.0f, 120.0f, 40.0f, 20.0f);
        }
        test::RegisterTestSprite("effect_explosion", 4, 30.0f, 64.0f, 64.0f, 32.0f, 32.0f);
        test::RegisterTestSprite("cannon", 1, 10.0f, 32.0f, 32.0f, 16.0f, 16.0f);
    }
    // A player's tower; the text gives its levels as in a level file.
    cTower* MakeTower(const vec2& at, const std::string& text, const std::string& sprite = "tower00")
    {
        auto* tower = dynamic_cast<cTower*>(level.CreateObject(kTypeTower, 0));
        if (tower == nullptr) return nullptr;
        tower->SetPositionV(at);
        tower->SetText(text);
        tower->SetSprite(sprite);
        return tower;
    }
    TargetEnemy* MakeEnemy(const vec2& at)
    {
        auto* enemy = new TargetEnemy(&level);
        enemy->SetPositionV(at);
        level.AddObject(enemy, 0);
        return enemy;
    }
    StillWorker* MakeWorker(const vec2& at)
    {
        auto* worker = new StillWorker(&level);
        worker->SetPositionV(at);
        worker->SetSprite("");
        level.AddObject(worker, 0);
        return worker;
    }
    const vec2 at{264.0f, 264.0f};
};

TEST_F(TowerTest, SetupLevel_CostsDamageAndReloadFollowTheLevel)
{
    cTower* tower = MakeTower(at, "2");
    ASSERT_NE(tower, nullptr);
    EXPECT_EQ(tower->GetState(), kStateNone);
    EXPECT_EQ(tower->GetAnimationKey(), "none");
    EXPECT_FLOAT_EQ(tower->GetRange(), 250.0f);
    EXPECT_FLOAT_EQ(tower->GetTimerPeriod(), 4.0f);
    EXPECT_EQ(tower->GetCost().amounts, (std::vector<int32_t>{20, 0, 30, 0}));

    tower->SetState(kStateWorking);
    EXPECT_TRUE(tower->GetCost().IsZero());
    struct Row {
        float damage;
        float reload;
    };
    const Row rows[] = {{2.0f, 1.8f}, {3.0f, 1.3f}, {4.0f, 0.3f}};
    for (int32_t step = 0; step <= 2; ++step) {
        tower->OnMessage(kMessageWorkTimer, 0);
        EXPECT_EQ(tower->GetLevel(), step);
        EXPECT_EQ(tower->GetCostVector().amounts, (std::vector<int32_t>{10, 0, 10, 0}));
        EXPECT_FLOAT_EQ(tower->GetDamage(), rows[step].damage);
        EXPECT_FLOAT_EQ(tower->GetReloadTime(), rows[step].reload);
    }
    // The highest level has no further step to pay for and takes no orders.
    EXPECT_TRUE(tower->GetCost().IsZero());
    EXPECT_EQ(tower->GetOrderState(), kOrderRefused);
    EXPECT_FALSE(level.noTowerFlag);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeTower), 3u);

    cTower* enemyTower = MakeTower(at + vec2{300.0f, 0.0f}, "", "tower_enemy00");
    EXPECT_EQ(enemyTower->GetEnemyFlag(), 1);
    EXPECT_EQ(enemyTower->GetState(), kStateWorkDone);
    EXPECT_EQ(enemyTower->GetAnimationKey(), "0");
    EXPECT_FLOAT_EQ(enemyTower->GetRange(), 200.0f);
    EXPECT_FLOAT_EQ(enemyTower->GetReloadTime(), 1.0f);
    EXPECT_FLOAT_EQ(enemyTower->GetDamage(), 2.0f);
    EXPECT_EQ(enemyTower->GetShadowSprite().play.frameCount, 0);
}

// A tower whose level text allows more levels than its pictures: it rises to its
// top picture, shoots with that level's values and takes no further upgrade.
TEST_F(TowerTest, LevelText_AMaximumAboveThePicturesStopsAtTheTopPicture)
{
    cTower* tower = MakeTower(at, "4");
    ASSERT_NE(tower, nullptr);
    EXPECT_EQ(tower->GetMaxLevel(), 2);
    for (int step = 0; step < 3; ++step) {
        tower->SetState(kStateWorking);
        ASSERT_GT(TicksUntil([&] { return tower->UpdateTimer(kTick) == kTimerIdle; }, 1000), 0);
    }
    EXPECT_EQ(tower->GetLevel(), 2);
    EXPECT_EQ(tower->GetAnimationKey(), "2");
    EXPECT_NE(tower->GetAnimation(), nullptr);
    EXPECT_FLOAT_EQ(tower->GetReloadTime(), 0.3f);
    EXPECT_TRUE(tower->GetCost().IsZero());
    EXPECT_EQ(tower->GetOrderState(), kOrderRefused);
}

TEST_F(TowerTest, Firing_EveryReloadPlusScanAndTheHitLandsOnTheMovedTarget)
{
    for (const auto& [text, reload] : {std::pair{"2;0", 1.8f}, std::pair{"2;2", 0.3f}}) {
        cTower* tower = MakeTower(at, text);
        // 200 units from where the cannonballs leave.
        TargetEnemy* enemy = MakeEnemy(tower->GetShotOrigin() + vec2{0.0f, 200.0f});
        std::vector<int> fired;
        std::vector<int> landed;
        for (int tick = 1; tick <= 200; ++tick) {
            const size_t shotsBefore = std::count(enemy->codes.begin(), enemy->codes.end(), kEventShot);
            const size_t hitsBefore = enemy->damages.size();
            level.Tick();
            if (std::count(enemy->codes.begin(), enemy->codes.end(), kEventShot) > shotsBefore) fired.push_back(tick);
            if (enemy->damages.size() > hitsBefore) landed.push_back(tick);
        }
        const int scan = FloatTicks(0.2f);
        ASSERT_GE(fired.size(), 3u) << text;
        EXPECT_EQ(fired[0], scan);
        EXPECT_EQ(fired[1] - fired[0], FloatTicks(reload) + scan) << text;
        EXPECT_EQ(fired[2] - fired[1], FloatTicks(reload) + scan) << text;
        // 200 units at 800 a second; the shot moves in the tick it leaves.
        ASSERT_FALSE(landed.empty());
        EXPECT_EQ(landed[0] - fired[0] + 1, FloatTicks(0.25f));
        EXPECT_FLOAT_EQ(enemy->damages[0], tower->GetDamage());
        EXPECT_EQ(enemy->codes[0], kEventShot);
        EXPECT_EQ(Sounds("shot"), static_cast<int>(fired.size()));
        level.RemoveObject(tower);
        level.RemoveObject(enemy);
        level.Tick();
        lines.clear();
    }

    // The cannonball flies to where the target stood; the target that ran on is hit.
    cTower* tower = MakeTower(at, "2;0");
    TargetEnemy* runner = MakeEnemy(tower->GetShotOrigin() + vec2{200.0f, 0.0f});
    const vec2 stood = runner->GetPosition();
    ASSERT_EQ(TicksUntil([&] { return !tower->GetShots().empty(); }, 30), FloatTicks(0.2f));
    runner->SetPositionV(stood + vec2{100.0f, 100.0f});
    Ticks(2);
    ASSERT_EQ(tower->GetShots().size(), 1u);
    EXPECT_EQ(tower->GetShots()[0].end, stood);
    EXPECT_TRUE(TicksUntil([&] { return !runner->damages.empty(); }, 30) > 0);
    EXPECT_TRUE(tower->GetShots().empty());
}

TEST_F(TowerTest, Scan_TakesTheNearestShootableEnemyAndTheFirstListedOnATie)
{
    cTower* tower = MakeTower(at, "2;0");
    TargetEnemy* waiting = MakeEnemy(at + vec2{50.0f, 0.0f});
    waiting->SetSetOutFlag(1);
    TargetEnemy* dead = MakeEnemy(at + vec2{0.0f, 60.0f});
    dead->SetTimerPeriod(0.0f);
    TargetEnemy* beyond = MakeEnemy(at + vec2{250.5f, 0.0f});
    // The level keeps walkers sorted by height: at the same height, by arrival.
    TargetEnemy* first = MakeEnemy(at + vec2{-120.0f, 0.0f});
    TargetEnemy* second = MakeEnemy(at + vec2{120.0f, 0.0f});
    Ticks(FloatTicks(0.2f));
    EXPECT_EQ(first->codes, std::vector<uint32_t>{kEventShot});
    for (const TargetEnemy* spared : {waiting, dead, beyond, second}) EXPECT_TRUE(spared->codes.empty());

    // At exactly its range a lone enemy is still shot.
    level.RemoveObject(first);
    level.RemoveObject(second);
    beyond->SetPositionV(at + vec2{0.0f, 250.0f});
    ASSERT_GT(TicksUntil([&] { return !beyond->codes.empty(); }, 200), 0);
    EXPECT_TRUE(waiting->codes.empty());
    EXPECT_TRUE(dead->codes.empty());
}

TEST_F(TowerTest, EnemyTower_ShootsCommandableWorkersUntilTheShieldIsUp)
{
    cTower* tower = MakeTower(at, "", "tower_enemy00");
    StillWorker* inside = MakeWorker(at + vec2{30.0f, 0.0f});
    inside->SetState(cWorker::kStateInside);
    StillWorker* worker = MakeWorker(at + vec2{0.0f, 190.0f});
    TargetEnemy* enemy = MakeEnemy(at + vec2{0.0f, 20.0f});
    ASSERT_GT(TicksUntil([&] { return !worker->codes.empty(); }, 30), 0);
    EXPECT_EQ(worker->codes[0], kEventAttack);
    EXPECT_TRUE(inside->codes.empty());
    EXPECT_TRUE(enemy->codes.empty());
    EXPECT_TRUE(level.shieldFlag);

    // The shield goes up with the cannonball in flight: it still lands, no new one
    // follows, and the hit breaks the shield watch.
    level.spellTimers[5] = 0.0f;
    Ticks(120);
    EXPECT_EQ(worker->codes, (std::vector<uint32_t>{kEventAttack, kEventHit}));
    EXPECT_FALSE(level.shieldFlag);
    EXPECT_TRUE(tower->GetShots().empty());

    // In the editor nothing fires either.
    level.spellTimers[5] = LevelScreen::kSpellOff;
    level.ForceMode(kModeEditor);
    Ticks(120);
    EXPECT_EQ(worker->codes.size(), 2u);
    level.ForceMode(kModePlay);
    ASSERT_GT(TicksUntil([&] { return worker->codes.size() > 2; }, 60), 0);
}

TEST_F(TowerTest, Destruction_SmokeAndExplosionsThenTheEmptySiteWithShotsFrozen)
{
    cTower* tower = MakeTower(at, "2;1");
    TargetEnemy* enemy = MakeEnemy(tower->GetShotOrigin() + vec2{0.0f, 190.0f});
    ASSERT_GT(TicksUntil([&] { return !tower->GetShots().empty(); }, 30), 0);
    const vec2 frozen = tower->GetShots()[0].current;
    tower->StartDestruction(cTower::kDestructionSeconds);

    Rect frame;
    tower->GetFrameRect(frame, -1);
    const float half = std::min(frame.width, frame.height) * 0.5f - 5.0f;
    std::vector<int> explosions;
    int ended = -1;
    for (int tick = 1; tick <= 120 && ended < 0; ++tick) {
        const float before = tower->GetExplosionCountdown();
        level.Tick();
        const float left = tower->GetDestructionTimer();
        if (tower->GetState() == kStateNone) {
            ended = tick;
            break;
        }
        EXPECT_EQ(tower->GetDestructionSmoke(0).IsEmitting(), left < 3.0f) << tick;
        if (tower->GetExplosionCountdown() > before) {
            explosions.push_back(tick);
            EXPECT_GT(left, 1.0f);
            const vec2 offset = tower->GetFlashOffset(0);
            EXPECT_GE(offset.x, -half);
            EXPECT_LT(offset.x, half);
            EXPECT_NE(tower->GetFlash(0).play.mode, kPlayStopped);
        }
        ASSERT_EQ(tower->GetShots().size(), 1u);
        EXPECT_EQ(tower->GetShots()[0].current, frozen);
    }
    EXPECT_EQ(ended, FloatCountdown(cTower::kDestructionSeconds));
    ASSERT_GE(explosions.size(), 8u);
    EXPECT_EQ(explosions[0], 1);
    for (size_t index = 1; index < explosions.size(); ++index) {
        EXPECT_EQ(explosions[index] - explosions[index - 1], FloatCountdown(0.3f));
    }
    const int heard = Sounds("explosion00") + Sounds("explosion01") + Sounds("explosion02");
    EXPECT_GT(heard, 0);
    EXPECT_LE(heard, static_cast<int>(explosions.size()));

    EXPECT_EQ(tower->GetAnimationKey(), "none");
    EXPECT_EQ(tower->GetLevel(), cBuild::kNotBuilt);
    EXPECT_FALSE(tower->GetDestructionSmoke(1).IsEmitting());
    EXPECT_EQ(tower->GetCost().amounts, (std::vector<int32_t>{20, 0, 30, 0}));
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeTower), 1u);
    Ticks(60);
    ASSERT_EQ(tower->GetShots().size(), 1u);
    EXPECT_EQ(tower->GetShots()[0].current, frozen);
    EXPECT_TRUE(enemy->damages.empty());
}

TEST_F(TowerTest, ShotAtARemovedTarget_DeliversNothing)
{
    cTower* tower = MakeTower(at, "2;2");
    TargetEnemy* queued = MakeEnemy(tower->GetShotOrigin() + vec2{0.0f, 200.0f});
    ASSERT_GT(TicksUntil([&] { return !tower->GetShots().empty(); }, 30), 0);
    // Queued for removal in the tick in which the cannonball lands.
    Ticks(FloatTicks(0.25f) - 2);
    ASSERT_EQ(tower->GetShots().size(), 1u);
    level.RemoveObject(queued);
    tower->Update();
    EXPECT_TRUE(tower->GetShots().empty());
    EXPECT_EQ(queued->codes, std::vector<uint32_t>{kEventShot});
    level.Tick();

    // Taken out of the level while the cannonball flies.
    TargetEnemy* gone = MakeEnemy(tower->GetShotOrigin() + vec2{0.0f, 200.0f});
    ASSERT_GT(TicksUntil([&] { return !tower->GetShots().empty(); }, 60), 0);
    level.RemoveObject(gone);
    Ticks(30);
    EXPECT_EQ(gone->GetState(), kStateRemoved);
    EXPECT_TRUE(tower->GetShots().empty());
    EXPECT_EQ(gone->codes, std::vector<uint32_t>{kEventShot});
}

TEST_F(TowerTest, HitTest_SiteByFootprintBuiltByFrameNeverTheTopOrTheEnemy)
{
    cTower* site = MakeTower(at, "2");
    EXPECT_EQ(site->HitTest(at + vec2{20.0f, -20.0f}), 1);
    EXPECT_EQ(site->HitTest(at + vec2{60.0f, 0.0f}), 0);

    cTower* built = MakeTower(at, "2;1");
    EXPECT_EQ(built->HitTest(at + vec2{30.0f, 90.0f}), 1);
    EXPECT_EQ(built->HitTest(at + vec2{-40.0f, 0.0f}), 0);

    EXPECT_EQ(MakeTower(at, "1;1")->HitTest(at + vec2{0.0f, 50.0f}), 0);
    EXPECT_EQ(MakeTower(at, "", "tower_enemy00")->HitTest(at + vec2{0.0f, 50.0f}), 0);
}

}  // namespace
