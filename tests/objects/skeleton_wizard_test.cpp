// Skeleton wizards on the stand-in level screen: their loop over the way points
// and the follower's re-planning and speed, one blow of the hero, the hand-over of
// the way on death and the picture in the editor.
#include <gtest/gtest.h>

#include <vector>

#include "objects/skeleton_wizard.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

// A way point as the wizards see it: of kind 119 and nothing more.
class WayMark : public cGameObject {
public:
    explicit WayMark(cObjectOwner* owner) : cGameObject(owner) { SetLayerField(7); }
    int32_t GetTypeId() const override { return kTypeWayPoint; }
    bool IsKindOf(int32_t id) const override { return IsLevelKindOf(kTypeWayPoint, id); }
};

class SkeletonWizardTest : public test::EnemyTest {
protected:
    cSkeletonWizard* MakeWizard(const vec2& at)
    {
        auto* wizard = dynamic_cast<cSkeletonWizard*>(level.CreateObject(kTypeSkeletonWizard, 0));
        if (wizard == nullptr) return nullptr;
        wizard->SetPositionV(at);
        wizard->SetSprite("skeleton");
        return wizard;
    }
    WayMark* AddWayPoint(const vec2& at)
    {
        auto* point = new WayMark(&level);
        point->SetPositionV(at);
        level.AddObject(point, 0);
        level.wayPoints.push_back(point);
        return point;
    }
    size_t CountSends(const cMan* walker, const cGameObject* target) const
    {
        size_t count = 0;
        for (const WalkEvent& walk : level.sendWorkerCalls) count += walk.man == walker && walk.target == target;
        return count;
    }
};

TEST_F(SkeletonWizardTest, Column_LoopsOverTheWayPointsAndTheFollowerReplansEverySecond)
{
    cSkeletonWizard* leader = MakeWizard({200.0f, 200.0f});
    cSkeletonWizard* follower = MakeWizard({100.0f, 200.0f});
    ASSERT_NE(leader, nullptr);
    EXPECT_FLOAT_EQ(leader->GetHealth(), 4.0f);
    EXPECT_EQ(leader->GetBarOffset(), (vec2{12.0f, -5.0f}));
    EXPECT_EQ(leader->GetState(), cEnemy::kStateChoose);
    Ticks(5);
    EXPECT_TRUE(level.sendWorkerCalls.empty()) << "a wizard never sets out by itself";

    WayMark* first = AddWayPoint({260.0f, 200.0f});
    WayMark* second = AddWayPoint({260.0f, 300.0f});
    level.LeadColumn(kTypeSkeletonWizard);
    EXPECT_EQ(leader->GetTarget(), first);
    EXPECT_EQ(follower->GetTarget(), leader);
    EXPECT_FLOAT_EQ(leader->Mover().speed, cSkeletonWizard::kWalkSpeed);
    EXPECT_FLOAT_EQ(follower->Mover().speed, cSkeletonWizard::kWalkSpeed + 2.0f);

    // The first pulse starts on the first tick; then one re-plan a second.
    const size_t before = CountSends(follower, leader);
    Ticks(1 + 90);
    EXPECT_EQ(CountSends(follower, leader) - before, 3u);
    EXPECT_FLOAT_EQ(follower->Mover().speed, cSkeletonWizard::kWalkSpeed + 2.0f);

    // The leader reached the first point by now and walks on to the next, wrapping.
    EXPECT_EQ(leader->GetTarget(), second);
    ASSERT_GT(TicksUntil([&] { return leader->GetTarget() == first; }, 2000), 0);
}

TEST_F(SkeletonWizardTest, OneBlow_KillsAndTheFollowerTakesOverTheWay)
{
    cSkeletonWizard* leader = MakeWizard({200.0f, 200.0f});
    cSkeletonWizard* follower = MakeWizard({100.0f, 200.0f});
    WayMark* point = AddWayPoint({400.0f, 200.0f});
    level.LeadColumn(kTypeSkeletonWizard);
    Ticks(3);
    HitRecord blow{nullptr, 5.0f};
    leader->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&blow));
    EXPECT_TRUE(leader->IsDead());
    EXPECT_EQ(leader->GetState(), cSkeletonWizard::kStateDying);
    EXPECT_EQ(leader->GetAnimationKey(), "death0");
    EXPECT_EQ(Sounds("spirit_death"), 1);
    // Two frames at 10 a second: the death ends after 0.2 s.
    ASSERT_GT(TicksUntil([&] { return leader->GetState() == kStateRemoved; }, 30), 0);
    EXPECT_EQ(follower->GetTarget(), point);

    EXPECT_EQ(follower->GetOrderState(), kOrderNeedsHero);
    AddHero({0.0f, 0.0f});
    EXPECT_EQ(follower->GetOrderState(), kOrderAllowed);
}

// A hold (a tower's shot and its hit) stops the wizard; when it ends the wizard
// walks on to where it was going, and the column behind it with it. A shot at a
// crumbling wizard holds nothing.
TEST_F(SkeletonWizardTest, Hold_EndsWithTheWalkResumedAndADyingWizardIgnoresShots)
{
    cSkeletonWizard* leader = MakeWizard({200.0f, 200.0f});
    cSkeletonWizard* follower = MakeWizard({100.0f, 200.0f});
    WayMark* point = AddWayPoint({600.0f, 200.0f});
    level.LeadColumn(kTypeSkeletonWizard);
    Ticks(3);
    const uintptr_t shooter = reinterpret_cast<uintptr_t>(static_cast<cObject*>(point));
    leader->OnMessage(kEventShot, shooter);
    HitRecord scratch{nullptr, 1.0f};
    leader->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&scratch));
    ASSERT_EQ(leader->GetState(), cEnemy::kStateHeld);
    ASSERT_FALSE(leader->IsDead());
    const vec2 held = leader->GetPosition();
    ASSERT_GT(TicksUntil([&] { return leader->GetState() != cEnemy::kStateHeld; }, 200), 0);
    EXPECT_GT(TicksUntil([&] { return leader->GetState() == kStateWalking; }, 5), 0) << "the walk resumes";
    EXPECT_EQ(leader->GetTarget(), point);
    Ticks(30);
    EXPECT_GT(leader->GetPosition().x, held.x + 10.0f) << "and goes on toward its way point";
    EXPECT_EQ(follower->GetTarget(), leader);

    HitRecord blow{nullptr, 5.0f};
    leader->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&blow));
    ASSERT_EQ(leader->GetState(), cSkeletonWizard::kStateDying);
    leader->OnMessage(kEventShot, shooter);
    EXPECT_EQ(leader->GetState(), cSkeletonWizard::kStateDying);
    ASSERT_GT(TicksUntil([&] { return leader->GetState() == kStateRemoved; }, 30), 0);
    EXPECT_EQ(follower->GetTarget(), point) << "the follower takes the way over";
    EXPECT_EQ(Sounds("spirit_death"), 1);
}

TEST_F(SkeletonWizardTest, Death_WithoutAPlayableAnimationStillEnds)
{
    cSkeletonWizard* wizard = MakeWizard({200.0f, 200.0f});
    test::RegisterTestSprite("skeleton_death0", 1, 0.0f);
    wizard->SetSprite("skeleton");
    Ticks(1);
    HitRecord blow{nullptr, 5.0f};
    wizard->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&blow));
    EXPECT_EQ(wizard->GetFrameCount(), 1);
    Ticks(1);
    EXPECT_EQ(wizard->GetState(), kStateRemoved);
}

TEST_F(SkeletonWizardTest, Editor_ShowsTheDeathPictureAndKeepsItsState)
{
    level.ForceMode(kModeEditor);
    cSkeletonWizard* wizard = MakeWizard({200.0f, 200.0f});
    EXPECT_EQ(wizard->GetAnimationKey(), "death0");
    EXPECT_EQ(wizard->GetState(), kStateNone);
}

}  // namespace
