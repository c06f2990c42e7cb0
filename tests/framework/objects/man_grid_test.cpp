// cMan against the path grid: the look-ahead that asks for a new path when the cell
// ahead gets blocked (or gives the walk up), and stepping off a blocked cell.
#include <gtest/gtest.h>

#include "framework/objects/man.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kCell = test::FakeLevelOwner::kCell;
constexpr float kNear = 1e-3f;

// One world unit per tick.
class Walker : public cMan {
public:
    using cMan::cMan;
    void StartMove() override { StartMoveAtSpeed(30.0f); }
};

vec2 CellCentre(int32_t x, int32_t y)
{
    return vec2{(static_cast<float>(x) + 0.5f) * kCell, (static_cast<float>(y) + 0.5f) * kCell};
}

class ManGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        house_.SetPosition(CellCentre(5, 5).x, CellCentre(5, 5).y);
        house_.SetPlaces(1);
        walker_.SetPositionV(CellCentre(0, 0));
    }
    void Tick(int count)
    {
        for (int i = 0; i < count; ++i) walker_.Update();
    }
    size_t EventCount(uint32_t code) const
    {
        size_t count = 0;
        for (const auto& event : owner_.screenEvents) count += event.code == code ? 1 : 0;
        return count;
    }
    // A walk along row 0 from cell 0 to cell 3.
    void WalkEast(cGameObject* target, int32_t kind)
    {
        walker_.WalkPath({CellCentre(0, 0), CellCentre(3, 0)}, target, kind);
    }

    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeLevelOwner owner_{10, 10};
    Walker walker_{&owner_};
    cGameObject house_{&owner_};
};

TEST_F(ManGridTest, CheckPathAhead_AsksForANewPathEveryFifthTickWhenTheCellAheadIsBlocked)
{
    owner_.SetCellBlocked(1, 0, true);
    owner_.sendWorkerAnswer = true;
    WalkEast(&house_, 0);
    Tick(4);
    EXPECT_TRUE(owner_.sendWorkerCalls.empty());
    Tick(1);
    ASSERT_EQ(owner_.sendWorkerCalls.size(), 1u);
    EXPECT_EQ(owner_.sendWorkerCalls[0].man, &walker_);
    EXPECT_EQ(owner_.sendWorkerCalls[0].target, &house_);
    EXPECT_EQ(owner_.sendWorkerCalls[0].kind, 0);
    Tick(5);
    EXPECT_EQ(owner_.sendWorkerCalls.size(), 2u);
}

TEST_F(ManGridTest, CheckPathAhead_WithoutANewPathDropsTheTargetAndStops)
{
    owner_.SetCellBlocked(1, 0, true);
    WalkEast(&house_, 0);
    EXPECT_EQ(house_.GetFreePlaces(), 0);
    Tick(5);
    EXPECT_EQ(walker_.GetState(), -1);
    EXPECT_EQ(walker_.GetTarget(), nullptr);
    EXPECT_EQ(house_.GetFreePlaces(), 1);
    EXPECT_EQ(owner_.screenEvents.back().code, kMessageTargetChanged);
    EXPECT_EQ(owner_.screenEvents.back().walk.target, &house_);
    // Four steps were taken before the test; the walker stands there.
    EXPECT_NEAR(walker_.GetPosition().x, CellCentre(0, 0).x + 4.0f, kNear);
    Tick(10);
    EXPECT_NEAR(walker_.GetPosition().x, CellCentre(0, 0).x + 4.0f, kNear);
    EXPECT_EQ(EventCount(kMessageArrived), 0u);
}

TEST_F(ManGridTest, CheckPathAhead_LetsTheWalkerOntoItsTargetsFootprintAndFreeCells)
{
    // Blocked, but it is the target's own cell.
    house_.SetPosition(CellCentre(1, 0).x, CellCentre(1, 0).y);
    owner_.SetCellBlocked(1, 0, true);
    WalkEast(&house_, 0);
    Tick(10);
    EXPECT_TRUE(owner_.sendWorkerCalls.empty());
    EXPECT_EQ(walker_.GetState(), kStateWalking);

    // Blocked ahead but no target: nothing to ask for.
    WalkEast(nullptr, 2);
    Tick(10);
    EXPECT_TRUE(owner_.sendWorkerCalls.empty());
}

TEST_F(ManGridTest, CheckPathAhead_IgnoresABlockedCellBeyondTheLegsEnd)
{
    owner_.SetCellBlocked(1, 0, true);
    walker_.WalkPath({CellCentre(0, 0), CellCentre(0, 0) + vec2{10.0f, 0.0f}}, &house_, 0);
    Tick(5);
    EXPECT_TRUE(owner_.sendWorkerCalls.empty());
}

TEST_F(ManGridTest, LeaveBlockedCell_WalksToTheNearestFreeCellAndClearsEscapeOnArrival)
{
    owner_.SetCellBlocked(0, 0, true);
    owner_.nearestFree = GridCell{0, 1};
    walker_.WalkPath({CellCentre(0, 0), CellCentre(0, 0) + vec2{100.0f, 0.0f}}, nullptr, 2);
    Tick(4);
    EXPECT_FALSE(walker_.IsEscaping());
    Tick(1);
    EXPECT_TRUE(walker_.IsEscaping());
    ASSERT_EQ(owner_.pathCalls.size(), 1u);
    EXPECT_EQ(owner_.pathCalls[0].goal, (GridCell{0, 1}));
    EXPECT_TRUE(owner_.pathCalls[0].smooth);
    // No path found: straight from where it stands to the free cell's centre.
    ASSERT_EQ(walker_.GetPath().size(), 2u);
    EXPECT_EQ(walker_.GetPath()[1], CellCentre(0, 1));
    EXPECT_EQ(walker_.GetTarget(), nullptr);

    Tick(60);
    EXPECT_FALSE(walker_.IsEscaping());
    EXPECT_EQ(walker_.GetPosition(), CellCentre(0, 1));
    EXPECT_EQ(EventCount(kMessageArrived), 1u);
}

TEST_F(ManGridTest, LeaveBlockedCell_UsesTheFoundPath)
{
    owner_.SetCellBlocked(0, 0, true);
    owner_.nearestFree = GridCell{1, 1};
    owner_.pathAnswer = {CellCentre(0, 0), CellCentre(1, 0), CellCentre(1, 1)};
    walker_.WalkPath({CellCentre(0, 0), CellCentre(0, 0) + vec2{100.0f, 0.0f}}, nullptr, 2);
    Tick(5);
    EXPECT_EQ(walker_.GetPath(), owner_.pathAnswer);
}

TEST_F(ManGridTest, LeaveBlockedCell_StaysWithoutAFreeCellOrOnTheTargetOrHeadingIntoIt)
{
    owner_.SetCellBlocked(0, 0, true);
    // No free cell near.
    walker_.WalkPath({CellCentre(0, 0), CellCentre(0, 0) + vec2{100.0f, 0.0f}}, nullptr, 2);
    Tick(10);
    EXPECT_FALSE(walker_.IsEscaping());

    owner_.nearestFree = GridCell{0, 1};
    // Heading into an interactive target: the test is skipped.
    walker_.SetPositionV(CellCentre(0, 0));
    walker_.WalkPath({CellCentre(0, 0), CellCentre(0, 0) + vec2{100.0f, 0.0f}}, &house_, 0);
    Tick(10);
    EXPECT_FALSE(walker_.IsEscaping());

    // Standing on a non-interactive target's footprint.
    house_.SetInteractive(false);
    house_.SetPositionV(CellCentre(0, 0));
    walker_.SetPositionV(CellCentre(0, 0));
    walker_.WalkPath({CellCentre(0, 0), CellCentre(0, 0) + vec2{20.0f, 0.0f}}, &house_, 2);
    Tick(10);
    EXPECT_FALSE(walker_.IsEscaping());
    EXPECT_TRUE(owner_.pathCalls.empty());
}

TEST_F(ManGridTest, StandingWalker_RunsNoCellTests)
{
    owner_.SetCellBlocked(0, 0, true);
    owner_.nearestFree = GridCell{0, 1};
    Tick(20);
    EXPECT_FALSE(walker_.IsEscaping());
    EXPECT_EQ(walker_.GetPosition(), CellCentre(0, 0));
}

}  // namespace
