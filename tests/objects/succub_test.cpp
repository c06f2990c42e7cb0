// Succubi on the stand-in level screen (walks go straight to the target): the snatch
// reach and the strict charm, twenty rounds of magic before love and the single file
// behind her, the workers she never chooses, the chase's re-plans, the walk home or
// off the level, the vanishing and the achievement window, and that she cannot be
// clicked.
#include <gtest/gtest.h>

#include <string>

#include "objects/base_enemy.h"
#include "objects/succub.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

// A camp as its walkers see it: of kind 113, without releases of its own.
class CampMark : public cGameObject {
public:
    explicit CampMark(cObjectOwner* owner) : cGameObject(owner) {}
    int32_t GetTypeId() const override { return kTypeBaseEnemy; }
    bool IsKindOf(int32_t id) const override { return IsLevelKindOf(kTypeBaseEnemy, id); }
};

class SuccubTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        test::RegisterTestSprite("succub_appear0", 2, 10.0f);
        test::RegisterTestSprite("succub_portal", 3, 10.0f);
        for (char digit = '0'; digit <= '3'; ++digit) {
            for (const char* base : {"succub_walk", "succub_magic"}) {
                test::RegisterTestSprite(std::string(base) + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
            }
        }
    }
    void AddDeathSprites()
    {
        for (char digit = '0'; digit <= '3'; ++digit) {
            test::RegisterTestSprite(std::string("succub_death") + digit, 2, 10.0f);
        }
    }
    cSuccub* MakeSuccub(const vec2& at, cGameObject* home = nullptr)
    {
        auto* succub = dynamic_cast<cSuccub*>(level.CreateObject(kTypeSuccub, 0));
        succub->SetPositionV(at);
        succub->SetSprite("succub");
        succub->SetHome(home);
        return succub;
    }
    cWorker* MakeWorker(const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
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
    // Held in place (a cleared hold does not run out), where only the snatch acts.
    static void Hold(cSuccub* succub) { succub->SetState(cEnemy::kStateHeld); }
};

TEST_F(SuccubTest, Snatch_TakesAWorkerAtSixtyButCharmsOnlyStrictlyNearer)
{
    cSuccub* succub = MakeSuccub({300.0f, 300.0f});
    cWorker* edge = MakeWorker({360.0f, 300.0f});
    Hold(succub);
    const int snatched = TicksUntil([&] { return succub->GetTarget() == edge; }, 100);
    EXPECT_NEAR(snatched, 12, 1) << "a snatch every 0.4 s";
    EXPECT_EQ(succub->GetState(), cEnemy::kStateChoose) << "60.0 is not strictly inside";
    EXPECT_NE(edge->GetState(), cWorker::kStateCharmed);

    cSuccub* near = MakeSuccub({300.0f, 500.0f});
    cWorker* inside = MakeWorker({359.9f, 500.0f});
    Hold(near);
    ASSERT_GT(TicksUntil([&] { return near->GetState() == cSuccub::kStateMagic; }, 100), 0);
    EXPECT_EQ(near->GetTarget(), inside);
    EXPECT_EQ(inside->GetState(), cWorker::kStateCharmed);
    EXPECT_EQ(inside->GetThreat(), near);
    EXPECT_EQ(near->GetMagicCount(), cSuccub::kMagicRounds);
    EXPECT_EQ(Sounds("succub_magic"), 1);
}

TEST_F(SuccubTest, Love_ComesAfterTwentyMagicsAndTheLoversFollowInSingleFile)
{
    CampMark* camp = MakeCamp({900.0f, 300.0f});
    cSuccub* succub = MakeSuccub({300.0f, 300.0f}, camp);
    succub->SetSetOutFlag(0);
    cWorker* first = MakeWorker({340.0f, 300.0f});
    // The snatch goes by the layer's order, lowest on the screen first.
    cWorker* second = MakeWorker({300.0f, 260.0f});
    Hold(succub);
    ASSERT_GT(TicksUntil([&] { return succub->GetState() == cSuccub::kStateMagic; }, 100), 0);
    ASSERT_EQ(succub->GetTarget(), first);
    int rounds = 0;
    while (!first->IsInLove() && rounds < 100) {
        ASSERT_GT(TicksUntil([&] { return succub->GetMagicCount() != cSuccub::kMagicRounds - rounds; }, 50), 0);
        ++rounds;
        EXPECT_EQ(first->IsInLove(), rounds == cSuccub::kMagicRounds) << rounds;
    }
    EXPECT_EQ(rounds, cSuccub::kMagicRounds);
    EXPECT_EQ(level.workersInLove, 1);
    EXPECT_EQ(first->GetTarget(), succub);

    // The next lover walks behind the first.
    ASSERT_GT(TicksUntil([&] { return second->IsInLove(); }, 2000), 0);
    EXPECT_EQ(second->GetTarget(), first);
    EXPECT_EQ(level.workersInLove, 2);

    // Nobody left: home to her camp, where she vanishes and leaves the level.
    AddDeathSprites();
    ASSERT_GT(TicksUntil([&] { return succub->GetTarget() == camp; }, 100), 0);
    ASSERT_GT(TicksUntil([&] { return succub->GetState() == cSuccub::kStateVanish; }, 2000), 0);
    EXPECT_EQ(Sounds("succub_death"), 1);
    EXPECT_GT(TicksUntil([&] { return IsRemoved(succub); }, 100), 0);
}

TEST_F(SuccubTest, Choose_NeverTakesWorkersInsideCutOffCharmedInLoveFrozenOrTakenAndGivesUp)
{
    cSuccub* succub = MakeSuccub({300.0f, 300.0f});
    cWorker* worker = MakeWorker({500.0f, 300.0f});
    EXPECT_TRUE(succub->CanCharm(worker));
    for (int32_t state : {cWorker::kStateInside, cWorker::kStateCutOff, cWorker::kStateCharmed}) {
        worker->SetState(state);
        EXPECT_FALSE(succub->CanCharm(worker)) << state;
    }
    worker->SetState(cWorker::kStateIdle);
    worker->SetFrozen(true);
    EXPECT_FALSE(succub->CanCharm(worker));
    worker->SetFrozen(false);
    cWorker* lover = MakeWorker({500.0f, 500.0f});
    // A lover follows its charmer; one left idle would fall out of love.
    lover->SetThreat(succub);
    lover->SetInLove(true);
    EXPECT_FALSE(succub->CanCharm(lover));
    auto* other = new cEnemy(&level);
    level.AddObject(other, 0);
    other->cMan::SetTarget(worker, 0);
    EXPECT_FALSE(succub->CanCharm(worker)) << "another enemy's target";

    // Nobody to charm before she ever set out: off the level at once.
    level.Tick();
    EXPECT_TRUE(IsRemoved(succub));
    EXPECT_EQ(Sounds("succub_appear"), 0);
}

TEST_F(SuccubTest, Chase_ReplansEveryTwoSecondsAfterTheAppearance)
{
    cSuccub* succub = MakeSuccub({100.0f, 300.0f});
    cWorker* worker = MakeWorker({900.0f, 300.0f});
    level.Tick();
    EXPECT_EQ(succub->GetTarget(), worker);
    EXPECT_EQ(succub->GetSetOutFlag(), 0);
    EXPECT_EQ(succub->GetAnimationKey(), "appear0");
    EXPECT_EQ(Sounds("succub_appear"), 1);
    EXPECT_EQ(succub->GetPortal().play.mode, kPlayOnceForward);
    EXPECT_FLOAT_EQ(succub->Mover().speed, 1.0f) << "she barely moves while appearing";

    // The appearance ends: a new plan, now walking; then one every 2 s.
    ASSERT_GT(TicksUntil([&] { return succub->GetAnimationKey() == "walk0"; }, 20), 0);
    level.Tick();
    EXPECT_FLOAT_EQ(succub->Mover().speed, cSuccub::kWalkSpeed);
    const size_t afterAppearance = level.sendWorkerCalls.size();
    EXPECT_EQ(afterAppearance, 2u);
    const int replan = TicksUntil([&] { return level.sendWorkerCalls.size() > afterAppearance; }, 100);
    const int next = TicksUntil([&] { return level.sendWorkerCalls.size() > afterAppearance + 1; }, 100);
    EXPECT_NEAR(next, 60, 2) << "the re-plan's own tick aside";
    EXPECT_GT(replan, 0);
    EXPECT_EQ(level.sendWorkerCalls.back().target, worker);
}

TEST_F(SuccubTest, Vanish_ThreeInOneFifteenTickWindowOn013UnlockTheAchievement)
{
    // Without a death animation the vanishing ends at once.
    level.InitLevel("013");
    std::vector<cSuccub*> succubi;
    for (int index = 0; index < 6; ++index) succubi.push_back(MakeSuccub({100.0f + 50.0f * index, 300.0f}));
    for (cSuccub* succub : succubi) Hold(succub);
    // Three in different windows: no achievement.
    for (int index = 0; index < 3; ++index) {
        succubi[index]->SetState(cSuccub::kStateVanish);
        Ticks(test::TestLevelScreen::kSuccubusWindowTicks);
    }
    EXPECT_TRUE(level.achievements.empty());
    EXPECT_TRUE(IsRemoved(succubi[0]) && IsRemoved(succubi[2]));
    for (int index = 3; index < 6; ++index) succubi[index]->SetState(cSuccub::kStateVanish);
    ASSERT_EQ(level.achievements.size(), 1u);
    EXPECT_EQ(level.achievements[0], "achieve_succubus");
    EXPECT_EQ(Sounds("succub_death"), 6);
}

TEST_F(SuccubTest, CannotBeClickedAndCountsAsDeadForTowers)
{
    cSuccub* succub = MakeSuccub({300.0f, 300.0f});
    EXPECT_EQ(succub->HitTest(succub->GetPosition() + vec2{0.0f, -10.0f}), 0);
    EXPECT_TRUE(succub->IsDead());
    EXPECT_TRUE(succub->IsKindOf(kTypeEnemy) && succub->IsKindOf(kTypeSuccub));
    EXPECT_EQ(succub->GetOrderState(), kOrderAllowed);
}

TEST_F(SuccubTest, Camp_StaysQuietAtNightAndResumesWhereItsTimerStood)
{
    MakeWorker({700.0f, 500.0f});
    auto* camp = dynamic_cast<cBaseEnemy*>(level.CreateObject(kTypeBaseEnemy, 0));
    ASSERT_NE(camp, nullptr);
    camp->SetPosition(200.0f, 200.0f);
    camp->SetText("2;3");
    camp->SetSprite("succub");
    ASSERT_EQ(camp->GetWalkerType(), kTypeSuccub);
    Ticks(20);
    const float elapsed = camp->GetReleaseTimer().elapsed;
    const uint32_t lastId = level.GetLastObjectId();
    level.night = true;
    Ticks(200);
    EXPECT_FLOAT_EQ(camp->GetReleaseTimer().elapsed, elapsed);
    EXPECT_EQ(level.GetLastObjectId(), lastId) << "nobody released at night";
    level.night = false;
    ASSERT_GT(TicksUntil([&] { return level.GetLastObjectId() != lastId; }, 200), 0);
    EXPECT_NE(dynamic_cast<cSuccub*>(level.FindObjectById(level.GetLastObjectId(), -1)), nullptr);
}

}  // namespace
