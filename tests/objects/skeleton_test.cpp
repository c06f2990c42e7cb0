// Skeletons on the stand-in level screen: one blow of the hero, the attack pulse's
// reach and victims, death on a blocked cell, the flourish only after setting out and
// drawn where it stands, the skeleton count's achievement and the walk home or off
// the level.
#include <gtest/gtest.h>

#include "framework/objects/random_gen.h"
#include "objects/skeleton.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

// A worker that counts the attacks it receives.
class RecordingWorker : public cWorker {
public:
    explicit RecordingWorker(cObjectOwner* owner) : cWorker(owner) {}
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        attacks += code == kEventAttack ? 1 : 0;
        return cWorker::OnMessage(code, data);
    }
    int attacks = 0;
};

// A camp as its walkers see it: of kind 113, without releases of its own.
class CampMark : public cGameObject {
public:
    explicit CampMark(cObjectOwner* owner) : cGameObject(owner) {}
    int32_t GetTypeId() const override { return kTypeBaseEnemy; }
    bool IsKindOf(int32_t id) const override { return IsLevelKindOf(kTypeBaseEnemy, id); }
};

class SkeletonTest : public test::EnemyTest {
protected:
    RecordingWorker* MakeRecordingWorker(const vec2& at)
    {
        auto* worker = new RecordingWorker(&level);
        worker->SetPositionV(at);
        worker->SetSprite("");
        level.AddObject(worker, 0);
        return worker;
    }
    cSkeleton* MakeSkeleton(const vec2& at, cGameObject* home = nullptr)
    {
        auto* skeleton = dynamic_cast<cSkeleton*>(level.CreateObject(kTypeSkeleton, 0));
        if (skeleton == nullptr) return nullptr;
        skeleton->SetPositionV(at);
        skeleton->SetSprite("skeleton");
        skeleton->SetHome(home);
        return skeleton;
    }
    cWorker* MakeWorker(const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
        if (worker == nullptr) return nullptr;
        worker->SetPositionV(at);
        worker->SetSprite("");
        return worker;
    }
    CampMark* MakeCamp(const vec2& at)
    {
        auto* camp = new CampMark(&level);
        camp->SetPositionV(at);
        level.AddObject(camp, 0);
        return camp;
    }
    static void Blow(cSkeleton* skeleton)
    {
        HitRecord blow{nullptr, 5.0f};
        skeleton->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&blow));
    }
};

TEST_F(SkeletonTest, OneBlow_KillsCountsAndRemovesOnlyThe25thOnLevel001Unlocks)
{
    level.InitLevel("001");
    level.skeletons = 23;
    for (int index = 0; index < 3; ++index) {
        cSkeleton* skeleton = MakeSkeleton({200.0f + 100.0f * index, 200.0f});
        ASSERT_NE(skeleton, nullptr);
        EXPECT_FLOAT_EQ(skeleton->GetHealth(), 4.0f);
        Blow(skeleton);
        EXPECT_TRUE(skeleton->IsDead());
        EXPECT_EQ(skeleton->GetState(), cSkeleton::kStateDying);
        EXPECT_EQ(skeleton->GetAnimationKey(), "death0");
        EXPECT_EQ(skeleton->HitTest(skeleton->GetPosition() + vec2{0.0f, -20.0f}), 0);
        EXPECT_EQ(level.skeletons, 24 + index);
        EXPECT_EQ(level.achievements.size(), index == 0 ? 0u : 1u);
        ASSERT_GT(TicksUntil([&] { return skeleton->GetState() == kStateRemoved; }, 30), 0);
    }
    EXPECT_EQ(level.achievements[0], "achieve_skeleton");
    EXPECT_EQ(Sounds("spirit_death"), 3);
}

// A tower's or the hero's shot that reaches a crumbling skeleton holds nothing: it
// crumbles on, is removed and is counted once.
TEST_F(SkeletonTest, Dying_IgnoresShotsAndCountsOnce)
{
    cSkeleton* skeleton = MakeSkeleton({200.0f, 200.0f});
    ASSERT_NE(skeleton, nullptr);
    const cObject* shooter = skeleton;
    Blow(skeleton);
    ASSERT_EQ(skeleton->GetState(), cSkeleton::kStateDying);
    ASSERT_EQ(level.skeletons, 1);
    skeleton->OnMessage(kEventShot, reinterpret_cast<uintptr_t>(shooter));
    EXPECT_EQ(skeleton->GetState(), cSkeleton::kStateDying);
    EXPECT_EQ(skeleton->GetAnimationKey(), "death0");
    level.Tick();
    skeleton->OnMessage(kEventShot, reinterpret_cast<uintptr_t>(shooter));
    Blow(skeleton);
    ASSERT_GT(TicksUntil([&] { return skeleton->GetState() == kStateRemoved; }, 30), 0);
    EXPECT_EQ(level.skeletons, 1);
    EXPECT_EQ(Sounds("spirit_death"), 1);
}

TEST_F(SkeletonTest, AttackPulse_ReachesCommandableWorkersAt100ButNotItsVictims)
{
    // A long flourish keeps the skeleton where it stands while the pulse runs.
    test::RegisterTestSprite("skeleton_lost_hand0", 60, 10.0f);
    cSkeleton* skeleton = MakeSkeleton({500.0f, 300.0f});
    RecordingWorker* atReach = MakeRecordingWorker({600.0f, 300.0f});
    RecordingWorker* beyond = MakeRecordingWorker({500.0f, 400.5f});
    RecordingWorker* scared = MakeRecordingWorker({400.0f, 300.0f});
    scared->SetState(cWorker::kStateScared);
    RecordingWorker* stunned = MakeRecordingWorker({500.0f, 250.0f});
    stunned->SetState(cWorker::kStateStunned);
    RecordingWorker* victim = MakeRecordingWorker({500.0f, 350.0f});
    victim->SetThreat(skeleton);
    // Held, it neither walks nor attacks.
    skeleton->OnMessage(kEventShot, 0);
    Ticks(30);
    EXPECT_EQ(atReach->attacks, 0);
    skeleton->Mover().target = skeleton->Mover().start + vec2{1.0f, 0.0f};
    skeleton->SetState(cSkeleton::kStateFlourish);
    ASSERT_EQ(skeleton->GetAnimationKey(), "lost_hand0");

    // The pulse restarts on the first tick and completes 0.5 s later.
    const int ticks = TicksUntil([&] { return atReach->attacks > 0; }, 60);
    EXPECT_GE(ticks, 16);
    EXPECT_LE(ticks, 17);
    EXPECT_EQ(atReach->GetThreat(), skeleton);
    EXPECT_EQ(scared->attacks, 1) << "attacked whatever its state";
    EXPECT_EQ(beyond->attacks, 0);
    EXPECT_EQ(stunned->attacks, 0) << "cannot be commanded";
    Ticks(30);
    EXPECT_EQ(victim->attacks, 0) << "already its victim";
    EXPECT_EQ(skeleton->GetState(), cSkeleton::kStateFlourish);
}

// Standing with no leg and no target it has no way to face but the one it walked:
// the flourish plays there, is drawn and hovered on each of its ticks and lasts its
// six frames at six a second.
TEST_F(SkeletonTest, Flourish_WhereItStandsShowsAFrameOnEveryTickAndLastsItsAnimation)
{
    for (char digit = '0'; digit <= '3'; ++digit) {
        test::RegisterTestSprite(std::string("skeleton_lost_hand") + digit, 6, 6.0f, 32.0f, 48.0f, 16.0f, 40.0f);
    }
    cSkeleton* skeleton = MakeSkeleton({300.0f, 300.0f});
    skeleton->PlayDirected("walk", vec2{-1.0f, 0.0f}, kPlayLoopForward);
    skeleton->Mover().SetPosition(skeleton->GetPosition());
    vec2 direction{1.0f, 1.0f};
    skeleton->GetMoveDirection(direction);
    ASSERT_EQ(direction, vec2{});

    skeleton->SetState(cSkeleton::kStateFlourish);
    const vec2 body = skeleton->GetPosition() + vec2{0.0f, -20.0f};
    int ticks = 0;
    for (; skeleton->GetState() == cSkeleton::kStateFlourish && ticks < 60; ++ticks) {
        ASSERT_NE(skeleton->GetAnimation(), nullptr) << "tick " << ticks;
        EXPECT_EQ(skeleton->GetAnimationKey(), "lost_hand2") << "tick " << ticks;
        EXPECT_EQ(skeleton->HitTest(body), 1) << "tick " << ticks;
        level.Tick();
    }
    EXPECT_NEAR(ticks, 30, 1);
}

TEST_F(SkeletonTest, Choose_NearestReachableWorkerNotInsideAndDiesOnABlockedCell)
{
    cWorker* inside = MakeWorker(level.CellToPoint({5, 5}));
    inside->SetState(cWorker::kStateInside);
    cWorker* near = MakeWorker(level.CellToPoint({9, 5}));
    cWorker* walledIn = MakeWorker(level.CellToPoint({2, 9}));
    for (int x = 1; x <= 3; ++x) {
        for (int y = 8; y <= 10; ++y) {
            if (x != 2 || y != 9) level.SetCellBlocked(x, y, true);
        }
    }
    MakeWorker(level.CellToPoint({16, 5}));
    (void)inside;
    (void)walledIn;
    cSkeleton* skeleton = MakeSkeleton(level.CellToPoint({4, 8}));
    Ticks(1);
    EXPECT_EQ(skeleton->GetTarget(), near);
    EXPECT_EQ(skeleton->GetState(), kStateWalking);
    EXPECT_EQ(skeleton->GetSetOutFlag(), 0);
    EXPECT_EQ(skeleton->GetAnimationKey().rfind("walk", 0), 0u);
    EXPECT_FLOAT_EQ(skeleton->Mover().speed, cSkeleton::kWalkSpeed);

    level.SetCellBlocked(level.ObjectToCell(skeleton).x, level.ObjectToCell(skeleton).y, true);
    Ticks(1);
    EXPECT_EQ(skeleton->GetState(), cSkeleton::kStateDying);
}

TEST_F(SkeletonTest, NoWorker_AFreshSkeletonVanishesOneThatSetOutFlourishesOrWalksHome)
{
    CampMark* camp = MakeCamp({100.0f, 100.0f});
    cSkeleton* fresh = MakeSkeleton({300.0f, 300.0f}, camp);
    const uint32_t seed = app.random.seed;
    Ticks(1);
    EXPECT_EQ(fresh->GetState(), kStateRemoved);
    EXPECT_EQ(app.random.seed, seed) << "no flourish before setting out";

    // Each returning skeleton draws once: above 0.8 it loses its hand, else it walks
    // home (and vanishes there).
    bool flourished = false;
    bool walkedHome = false;
    for (int index = 0; index < 12 && !(flourished && walkedHome); ++index) {
        cSkeleton* returning = MakeSkeleton({300.0f, 200.0f + 10.0f * index}, camp);
        returning->SetSetOutFlag(0);
        RandomGen draws = app.random;
        const bool flourish = draws.NextFraction() > cSkeleton::kFlourishChance;
        Ticks(1);
        if (flourish) {
            flourished = true;
            EXPECT_EQ(returning->GetState(), cSkeleton::kStateFlourish);
            ASSERT_GT(TicksUntil([&] { return returning->GetState() != cSkeleton::kStateFlourish; }, 30), 0);
        } else {
            walkedHome = true;
            EXPECT_EQ(returning->GetTarget(), camp);
            ASSERT_GT(TicksUntil([&] { return returning->GetState() == kStateRemoved; }, 2000), 0);
        }
    }
    EXPECT_TRUE(flourished);
    EXPECT_TRUE(walkedHome);

    // Without a camp, a skeleton that set out has nowhere to go either.
    cSkeleton* homeless = MakeSkeleton({300.0f, 500.0f});
    homeless->SetSetOutFlag(0);
    EXPECT_GT(TicksUntil([&] { return homeless->GetState() == kStateRemoved; }, 60), 0);
}

}  // namespace
