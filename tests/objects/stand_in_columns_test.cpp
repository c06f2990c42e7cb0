// The stand-in level screen's columns of walking enemies over its way-point list:
// the next way point, leading, joining and passing a target on, each a walk asked
// of SendWorker with kind 0.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/objects/man.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr int32_t kColumnType = 118;

// A walker of the column's type, on the walkers' layer.
class ColumnWalker : public cMan {
public:
    explicit ColumnWalker(cObjectOwner* owner) : cMan(owner) { SetLayerField(LevelScreen::kWorkerLayer); }
    int32_t GetTypeId() const override { return kColumnType; }
    bool IsKindOf(int32_t id) const override { return id == kColumnType || cMan::IsKindOf(id); }
};

class StandInColumnsTest : public ::testing::Test {
protected:
    cGameObject* AddPoint(float x, float y)
    {
        auto* point = new cGameObject(&level);
        point->SetPosition(x, y);
        level.AddObject(point, 0);
        level.wayPoints.push_back(point);
        return point;
    }
    ColumnWalker* AddWalker(float x, float y)
    {
        auto* walker = new ColumnWalker(&level);
        walker->SetPosition(x, y);
        level.AddObject(walker, 0);
        return walker;
    }
    WalkEvent LastWalk() const { return level.sendWorkerCalls.empty() ? WalkEvent{} : level.sendWorkerCalls.back(); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(StandInColumnsTest, NextEntryAfter_WrapsAndAnswersNullOutsideTheList)
{
    cGameObject stranger(&level);
    EXPECT_EQ(level.NextEntryAfter(&stranger), nullptr);
    cGameObject* first = AddPoint(10.0f, 10.0f);
    cGameObject* second = AddPoint(200.0f, 10.0f);
    EXPECT_EQ(level.NextEntryAfter(first), second);
    EXPECT_EQ(level.NextEntryAfter(second), first);
    EXPECT_EQ(level.NextEntryAfter(&stranger), nullptr);
    EXPECT_EQ(level.NextEntryAfter(nullptr), nullptr);
}

TEST_F(StandInColumnsTest, Columns_LeadJoinAndPassTargetsOnThroughSendWorker)
{
    ColumnWalker* leader = AddWalker(100.0f, 100.0f);
    level.JoinColumn(leader);
    EXPECT_TRUE(level.sendWorkerCalls.empty()) << "alone and no way point to go to";
    ColumnWalker* follower = AddWalker(150.0f, 100.0f);
    level.LeadColumn(kColumnType);
    EXPECT_TRUE(level.sendWorkerCalls.empty()) << "no way points, no column";

    cGameObject* near = AddPoint(120.0f, 300.0f);
    cGameObject* start = AddPoint(400.0f, 400.0f);
    level.wayPoints = {start, near};
    level.LeadColumn(kColumnType);
    ASSERT_EQ(level.sendWorkerCalls.size(), 2u);
    EXPECT_EQ(leader->GetTarget(), start);
    EXPECT_EQ(follower->GetTarget(), leader);
    for (const WalkEvent& walk : level.sendWorkerCalls) EXPECT_EQ(walk.kind, 0);

    // A third walker joins behind the tail; once every walker is followed it takes
    // the nearest way point.
    ColumnWalker* third = AddWalker(100.0f, 280.0f);
    level.JoinColumn(third);
    EXPECT_EQ(third->GetTarget(), follower);
    leader->SetTarget(third, 0);
    level.JoinColumn(third);
    EXPECT_EQ(third->GetTarget(), near);

    // The follower of the third takes over its way.
    level.PassTargetOn(third);
    EXPECT_EQ(LastWalk().man, leader);
    EXPECT_EQ(leader->GetTarget(), near);
}

}  // namespace
