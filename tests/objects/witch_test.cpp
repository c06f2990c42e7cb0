// Witches on the stand-in level screen (walks go straight to the target): the cast
// reach and the last worker in reach as her target, the freeze at the magic's end,
// two blows of the hero and the witch count, the bonfire, the vanishing, and the
// walk to the nearest free worker, home or off the level.
#include <gtest/gtest.h>

#include <string>

#include "framework/widgets/level_file.h"
#include "objects/level_object_factory.h"
#include "objects/succub.h"
#include "objects/witch.h"
#include "objects/worker.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

class CampMark : public cGameObject {
public:
    explicit CampMark(cObjectOwner* owner) : cGameObject(owner) {}
    int32_t GetTypeId() const override { return kTypeBaseEnemy; }
    bool IsKindOf(int32_t id) const override { return IsLevelKindOf(kTypeBaseEnemy, id); }
};

class WitchTest : public test::EnemyTest {
protected:
    void SetUp() override
    {
        EnemyTest::SetUp();
        test::RegisterTestSprite("witch_appear0", 2, 10.0f);
        for (char digit = '0'; digit <= '3'; ++digit) {
            test::RegisterTestSprite(std::string("witch_walk") + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
            test::RegisterTestSprite(std::string("witch_death") + digit, 2, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
            // A second of magic, longer than the 0.4 s cast pulse.
            test::RegisterTestSprite(std::string("witch_magic") + digit, 10, 10.0f, 32.0f, 48.0f, 16.0f, 40.0f);
        }
    }
    cWitch* MakeWitch(const vec2& at, cGameObject* home = nullptr)
    {
        auto* witch = dynamic_cast<cWitch*>(level.CreateObject(kTypeWitch, 0));
        witch->SetPositionV(at);
        witch->SetSprite("witch");
        witch->SetHome(home);
        return witch;
    }
    cWorker* MakeWorker(const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(level.CreateObject(kTypeWorker, 0));
        worker->SetPositionV(at);
        worker->SetSprite("");
        return worker;
    }
    static void Blow(cWitch* witch)
    {
        HitRecord blow{nullptr, 5.0f};
        witch->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&blow));
    }
};

TEST_F(WitchTest, Cast_ReachesSeventyNotSeventyPointZeroOneAndTheLastInReachStaysHerTarget)
{
    cWitch* witch = MakeWitch({300.0f, 300.0f});
    // The layer is ordered lowest on the screen first.
    cWorker* near = MakeWorker({300.0f, 330.0f});
    cWorker* edge = MakeWorker({370.0f, 300.0f});
    cWorker* beyond = MakeWorker({300.0f, 229.99f});
    witch->SetState(cWitch::kStateMagic);
    EXPECT_EQ(Sounds("witch_magic"), 1);
    const int cast = TicksUntil([&] { return witch->GetTarget() != nullptr; }, 100);
    EXPECT_NEAR(cast, 12, 1) << "a cast every 0.4 s";
    EXPECT_EQ(witch->GetTarget(), edge);
    EXPECT_EQ(witch->GetState(), cWitch::kStateMagic);

    ASSERT_GT(TicksUntil([&] { return witch->GetState() != cWitch::kStateMagic; }, 100), 0);
    EXPECT_TRUE(edge->IsFrozen()) << "8004 at the magic's end";
    EXPECT_FALSE(near->IsFrozen());
    EXPECT_FALSE(beyond->IsFrozen());
    EXPECT_EQ(level.frozenWorkers, 1);
}

TEST_F(WitchTest, Blows_TwoKillHerOnlyTheKillingHitCountsAndThe15thOn006Unlocks)
{
    level.InitLevel("006");
    level.witches = cWitch::kAchievementWitches - 2;
    cWitch* witch = MakeWitch({300.0f, 300.0f});
    witch->OnMessage(kEventShot, 0);
    Blow(witch);
    EXPECT_FALSE(witch->IsDead());
    EXPECT_EQ(witch->GetState(), cEnemy::kStateHeld);
    EXPECT_EQ(level.witches, cWitch::kAchievementWitches - 2);
    Blow(witch);
    EXPECT_TRUE(witch->IsDead());
    EXPECT_EQ(witch->GetState(), cWitch::kStateVanish);
    EXPECT_EQ(Sounds("witch_death"), 1);
    // A second shot in flight finds her dead: no second count, no achievement.
    Blow(witch);
    EXPECT_EQ(level.witches, cWitch::kAchievementWitches - 1);
    EXPECT_TRUE(level.achievements.empty());
    EXPECT_EQ(witch->HitTest(witch->GetPosition() + vec2{0.0f, -10.0f}), 0) << "not clicked while vanishing";
    EXPECT_GT(TicksUntil([&] { return IsRemoved(witch); }, 20), 0);

    // A bonfire drives one off uncounted; then the 15th kill unlocks.
    cWitch* scared = MakeWitch({300.0f, 500.0f});
    scared->OnMessage(kEventBonfireNear, reinterpret_cast<uintptr_t>(static_cast<cObject*>(scared)));
    EXPECT_EQ(scared->GetState(), cWitch::kStateVanish);
    scared->OnMessage(kEventShot, 0);
    EXPECT_EQ(scared->GetState(), cWitch::kStateVanish) << "a shot does not hold her back";
    EXPECT_EQ(level.witches, cWitch::kAchievementWitches - 1);
    cWitch* last = MakeWitch({500.0f, 500.0f});
    Blow(last);
    Blow(last);
    EXPECT_EQ(level.witches, cWitch::kAchievementWitches);
    ASSERT_EQ(level.achievements.size(), 1u);
    EXPECT_EQ(level.achievements[0], "achieve_witch");
}

TEST_F(WitchTest, Choose_NearestFreeWorkerThenHomeToVanishOrOffWhenFresh)
{
    auto* camp = new CampMark(&level);
    camp->SetPosition(100.0f, 100.0f);
    level.AddObject(camp, 0);
    cWitch* witch = MakeWitch({300.0f, 300.0f}, camp);
    cWorker* far = MakeWorker({800.0f, 300.0f});
    cWorker* frozen = MakeWorker({400.0f, 300.0f});
    frozen->SetFrozen(true);
    level.Tick();
    EXPECT_EQ(witch->GetTarget(), far) << "the frozen one is passed over";
    EXPECT_EQ(witch->GetAnimationKey(), "appear0");
    EXPECT_EQ(Sounds("witch_appear"), 1);

    // The worker leaves the level: she walks home and vanishes there.
    level.RemoveObject(far);
    ASSERT_GT(TicksUntil([&] { return witch->GetTarget() == camp; }, 200), 0);
    ASSERT_GT(TicksUntil([&] { return witch->GetState() == cWitch::kStateVanish; }, 2000), 0);
    EXPECT_EQ(level.witches, 0);
    EXPECT_GT(TicksUntil([&] { return IsRemoved(witch); }, 20), 0);

    // Fresh with nobody to hunt: off the level at once.
    cWitch* fresh = MakeWitch({300.0f, 500.0f}, camp);
    level.Tick();
    EXPECT_TRUE(IsRemoved(fresh));
}

TEST_F(WitchTest, Casters_TellNoWorkerWhoLeftTheLevelDuringTheirMagic)
{
    cWitch* witch = MakeWitch({300.0f, 300.0f});
    cWorker* worker = MakeWorker({340.0f, 300.0f});
    witch->SetState(cWitch::kStateMagic);
    ASSERT_GT(TicksUntil([&] { return witch->GetTarget() == worker; }, 100), 0);
    level.RemoveObject(worker);
    ASSERT_GT(TicksUntil([&] { return witch->GetState() != cWitch::kStateMagic; }, 100), 0);
    EXPECT_FALSE(worker->IsFrozen());
    EXPECT_EQ(level.frozenWorkers, 0);
    level.RemoveObject(witch);

    for (char digit = '0'; digit <= '3'; ++digit) {
        test::RegisterTestSprite(std::string("succub_magic") + digit, 2, 10.0f);
    }
    auto* succub = dynamic_cast<cSuccub*>(level.CreateObject(kTypeSuccub, 0));
    succub->SetPosition(300.0f, 500.0f);
    succub->SetSprite("succub");
    cWorker* charmed = MakeWorker({340.0f, 500.0f});
    succub->SetState(cEnemy::kStateHeld);
    ASSERT_GT(TicksUntil([&] { return succub->GetState() == cSuccub::kStateMagic; }, 100), 0);
    level.RemoveObject(charmed);
    Ticks(20 * 6 + 10);
    EXPECT_FALSE(charmed->IsInLove());
    EXPECT_EQ(level.workersInLove, 0);
}

}  // namespace

// The level tool reads and writes levels under a level file, with no level screen.
TEST(CastersSetUp, SetUpAndTicksUnderALevelFileWithoutAScreenOrApplication)
{
    for (int32_t type : {kTypeWife, kTypeSuccub, kTypeWitch}) {
        SCOPED_TRACE(type);
        cLevelFile file;
        const std::unique_ptr<cObject> object = NewLevelObject(type, &file);
        ASSERT_NE(object, nullptr);
        object->SetSprite("x");
        for (int tick = 0; tick < 400; ++tick) object->Update();
        object->Draw();
        object->OnMessage(kMessageAnimationEnded, 0);
        object->OnMessage(kMessagePathFinished, 0);
    }
}
