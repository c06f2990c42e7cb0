// The level's path grid: its size over the level area, terrain codes and object
// marks, cell and point conversions on the axis-aligned basis and on a skewed one.
#include <cmath>

#include "tests/framework/widgets/level_fixtures.h"

namespace {

using test::LevelTest;

// A level screen whose grid is turned like the game's (-15 and 45 degrees).
class SkewedLevel : public test::TestLevel {
public:
    SkewedLevel() { ResizeGrid(); }
    void GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const override
    {
        constexpr float kDegree = 0.017453292f;
        origin = GetGridOrigin();
        axisX = vec2{std::cos(-15.0f * kDegree), std::sin(-15.0f * kDegree)};
        axisY = vec2{std::cos(45.0f * kDegree), std::sin(45.0f * kDegree)};
    }
};

// Axes that span nothing.
class ParallelLevel : public test::TestLevel {
public:
    void GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const override
    {
        origin = GetGridOrigin();
        axisX = vec2{1.0f, 0.0f};
        axisY = vec2{2.0f, 0.0f};
    }
};

TEST_F(LevelTest, InitialArea_Gives22By16CellsFromTheOrigin)
{
    EXPECT_EQ(level.GetGridWidth(), 22);
    EXPECT_EQ(level.GetGridHeight(), 16);
    EXPECT_EQ(level.GetGridOrigin(), (vec2{0.0f, 0.0f}));
    EXPECT_EQ(level.CellToPoint(GridCell{0, 0}), (vec2{24.0f, 24.0f}));
    EXPECT_EQ(level.GetCellSize(), (vec2{48.0f, 48.0f}));
}

TEST_F(LevelTest, SetLevelSize_ResizesTheGridAndKeepsOverlappingCells)
{
    level.SetCellCost(1, 1, 2);
    level.SetLevelSize(100.0f, 50.0f);
    EXPECT_EQ(level.GetGridWidth(), 3);
    EXPECT_EQ(level.GetGridHeight(), 2);
    EXPECT_EQ(level.GetCellCost(1, 1), 2);
    level.SetLevelSize(0.0f, 0.0f);  // no cells: the grid stays
    EXPECT_EQ(level.GetGridWidth(), 3);
}

struct PointCase {
    vec2 point;
    GridCell cell;
};

class PointToCellTest : public LevelTest, public ::testing::WithParamInterface<PointCase> {};

TEST_P(PointToCellTest, MapsPointsToCells)
{
    const PointCase& c = GetParam();
    EXPECT_EQ(level.PointToCell(c.point), c.cell);
}

INSTANTIATE_TEST_SUITE_P(AxisAligned, PointToCellTest,
                         ::testing::Values(PointCase{{0.0f, 0.0f}, {0, 0}}, PointCase{{47.9f, 47.9f}, {0, 0}},
                                           PointCase{{48.0f, 96.0f}, {1, 2}}, PointCase{{-0.1f, 10.0f}, {-1, -1}},
                                           PointCase{{10.0f, -5.0f}, {-1, -1}},
                                           PointCase{{5000.0f, 10.0f}, {104, 0}},  // beyond the grid
                                           PointCase{{NAN, 10.0f}, {-1, -1}}));

TEST_F(LevelTest, PointToCell_HugeCoordinatesStayFarOutside)
{
    const GridCell cell = level.PointToCell(vec2{1e30f, 1e30f});
    EXPECT_GE(cell.x, level.GetGridWidth());
    EXPECT_GE(cell.y, level.GetGridHeight());
    EXPECT_EQ(level.GetCellCostAt(cell), -1);
}

TEST_F(LevelTest, GetCellCorners_OrderAndNullOutputs)
{
    vec2 c00;
    vec2 c01;
    vec2 c11;
    vec2 c10;
    EXPECT_TRUE(level.GetCellCorners(2, 1, &c00, &c01, &c11, &c10));
    EXPECT_EQ(c00, (vec2{96.0f, 48.0f}));
    EXPECT_EQ(c01, (vec2{96.0f, 96.0f}));
    EXPECT_EQ(c11, (vec2{144.0f, 96.0f}));
    EXPECT_EQ(c10, (vec2{144.0f, 48.0f}));
    EXPECT_TRUE(level.GetCellCorners(2, 1, nullptr, nullptr, nullptr, nullptr));
}

struct FootprintCase {
    vec2 position;
    int32_t width;
    int32_t height;
    GridCell first;
    GridCell last;
};

class FootprintTest : public LevelTest, public ::testing::WithParamInterface<FootprintCase> {};

TEST_P(FootprintTest, GetObjectCellsCoversTheFootprint)
{
    const FootprintCase& c = GetParam();
    cGameObject object(&level);
    object.SetPosition(c.position.x, c.position.y);
    object.SetZoneSize(c.width, c.height);
    GridCell first;
    GridCell last;
    ASSERT_TRUE(level.GetObjectCells(&object, first, last));
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(last, c.last);
    EXPECT_TRUE(level.IsCellOnObject(&object, c.first));
    EXPECT_TRUE(level.IsCellOnObject(&object, c.last));
    EXPECT_FALSE(level.IsCellOnObject(&object, GridCell{c.last.x + 1, c.last.y}));
}

INSTANTIATE_TEST_SUITE_P(Footprints, FootprintTest,
                         ::testing::Values(FootprintCase{{48.0f, 48.0f}, 2, 2, {0, 0}, {1, 1}},
                                           FootprintCase{{60.0f, 10.0f}, 3, 1, {0, 0}, {2, 0}},
                                           FootprintCase{{100.0f, 100.0f}, 1, 1, {2, 2}, {2, 2}},
                                           FootprintCase{{90.0f, 90.0f}, 4, 2, {0, 1}, {3, 2}}));

TEST_F(LevelTest, GetObjectCells_PlainObjectsCoverOneCellAndNullNone)
{
    cObject object(&level);
    object.SetPosition(100.0f, 10.0f);
    GridCell first;
    GridCell last;
    ASSERT_TRUE(level.GetObjectCells(&object, first, last));
    EXPECT_EQ(first, (GridCell{2, 0}));
    EXPECT_EQ(last, (GridCell{2, 0}));
    EXPECT_FALSE(level.GetObjectCells(nullptr, first, last));
    EXPECT_TRUE(level.IsPointOnObject(&object, vec2{110.0f, 20.0f}));
    EXPECT_EQ(level.ObjectToCell(&object), (GridCell{2, 0}));
}

TEST_F(LevelTest, CellCosts_CodesRoundTripAndUnknownsReadImpassable)
{
    for (int32_t code : {-1, 0, 1, 2}) {
        level.SetCellCost(3, 3, code);
        EXPECT_EQ(level.GetCellCost(3, 3), code);
    }
    EXPECT_FLOAT_EQ(level.CostOfCode(1), 0.7f);
    EXPECT_FLOAT_EQ(level.CostOfCode(7), -1.0f);
    EXPECT_EQ(level.CodeOfCost(0.5f), -1);  // not in the table
    level.PathFinder().SetSecondCost(4, 4, 0.5f);
    EXPECT_EQ(level.GetCellCost(4, 4), -1);
    level.SetCellCost(5, 5, 7);  // an unknown code stores the impassable cost
    EXPECT_EQ(level.GetCellCost(5, 5), -1);
}

TEST_F(LevelTest, CellCosts_BlockedReadsMinusTwoEvenOverImpassable)
{
    level.SetCellCost(2, 2, -1);
    level.SetCellBlocked(2, 2, true);
    EXPECT_TRUE(level.IsCellBlockedXY(2, 2));
    EXPECT_EQ(level.GetCellCost(2, 2), -2);
    level.SetCellBlockedAt(GridCell{2, 2}, false);
    EXPECT_FALSE(level.IsCellBlocked(GridCell{2, 2}));
    EXPECT_EQ(level.GetCellCost(2, 2), -1);
}

TEST_F(LevelTest, CellCosts_OutsideWritesNothingAndReadsOutsideValues)
{
    level.SetCellCost(-1, 0, 2);
    level.SetCellCost(22, 0, 2);
    level.SetCellBlocked(0, 16, true);
    level.SetCellExtra(99, 99, 5);
    EXPECT_EQ(level.GetCellCost(-1, 0), -1);
    EXPECT_EQ(level.GetCellCost(0, 16), -1);
    EXPECT_FALSE(level.IsCellBlockedXY(0, 16));
    EXPECT_EQ(level.GetCellExtra(99, 99), 0u);
}

TEST(SkewedGridTest, CellsAndPointsConvertBothWays)
{
    test::FakeAppServices app;
    SkewedLevel level;
    ASSERT_GT(level.GetGridWidth(), 0);
    ASSERT_GT(level.GetGridHeight(), 0);
    // The turned grid starts outside the level area.
    const vec2 origin = level.GetGridOrigin();
    EXPECT_TRUE(origin.x < 0.0f || origin.y < 0.0f || origin.x > 1024.0f || origin.y > 768.0f);
    for (int32_t x = 0; x < level.GetGridWidth(); x += 3) {
        for (int32_t y = 0; y < level.GetGridHeight(); y += 3) {
            EXPECT_EQ(level.PointToCell(level.CellToPoint(GridCell{x, y})), (GridCell{x, y})) << x << "," << y;
        }
    }
    // The grid covers every corner of the level area.
    for (const vec2& corner : {vec2{1.0f, 1.0f}, vec2{1023.0f, 1.0f}, vec2{1.0f, 767.0f}, vec2{1023.0f, 767.0f}}) {
        const GridCell cell = level.PointToCell(corner);
        EXPECT_GE(cell.x, 0);
        EXPECT_GE(cell.y, 0);
        EXPECT_LT(cell.x, level.GetGridWidth());
        EXPECT_LT(cell.y, level.GetGridHeight());
    }
    // A point behind the origin on the first axis lies outside.
    EXPECT_EQ(level.PointToCell(origin - vec2{10.0f, 0.0f}), (GridCell{-1, -1}));
}

TEST(SkewedGridTest, FootprintFollowsTheTurnedAxes)
{
    test::FakeAppServices app;
    SkewedLevel level;
    cGameObject object(&level);
    const vec2 centre = level.CellToPoint(GridCell{5, 6});
    object.SetPosition(centre.x, centre.y);
    object.SetZoneSize(3, 3);
    GridCell first;
    GridCell last;
    ASSERT_TRUE(level.GetObjectCells(&object, first, last));
    EXPECT_EQ(first, (GridCell{4, 5}));
    EXPECT_EQ(last, (GridCell{6, 7}));
}

// An even side lies round the cell corner nearest the position. An object standing
// on a cell's middle is a tie between two corners that float noise in its
// coordinates must not break: it always takes the corner after the cell, as an
// object standing on that corner does, on every cell of the turned grid.
TEST(SkewedGridTest, EvenFootprintsTakeTheSameCornerWhateverTheFloatNoise)
{
    test::FakeAppServices app;
    SkewedLevel level;
    cGameObject object(&level);
    const auto cellsAt = [&](const vec2& at, int32_t width, int32_t height, GridCell& first, GridCell& last) {
        object.SetPosition(at.x, at.y);
        object.SetZoneSize(width, height);
        return level.GetObjectCells(&object, first, last);
    };
    constexpr float kNoise = 0.001f;
    const vec2 nudges[] = {{0.0f, 0.0f}, {kNoise, kNoise}, {-kNoise, -kNoise}, {kNoise, -kNoise}, {-kNoise, kNoise}};
    int checked = 0;
    for (int32_t x = 1; x + 1 < level.GetGridWidth(); ++x) {
        for (int32_t y = 1; y + 1 < level.GetGridHeight(); ++y) {
            const vec2 middle = level.CellToPoint(GridCell{x, y});
            const vec2 corner = (middle + level.CellToPoint(GridCell{x + 1, y + 1})) * 0.5f;
            for (const vec2& nudge : nudges) {
                GridCell first;
                GridCell last;
                ASSERT_TRUE(cellsAt(middle + nudge, 2, 2, first, last));
                EXPECT_EQ(first, (GridCell{x, y})) << "middle of " << x << "," << y;
                EXPECT_EQ(last, (GridCell{x + 1, y + 1})) << "middle of " << x << "," << y;
                ASSERT_TRUE(cellsAt(corner + nudge, 2, 2, first, last));
                EXPECT_EQ(first, (GridCell{x, y})) << "corner after " << x << "," << y;
                EXPECT_EQ(last, (GridCell{x + 1, y + 1})) << "corner after " << x << "," << y;
                // A house's zone: its odd side round the cell, its even side round
                // the corner.
                const vec2 house = (middle + level.CellToPoint(GridCell{x, y + 1})) * 0.5f;
                ASSERT_TRUE(cellsAt(house + nudge, 3, 2, first, last));
                EXPECT_EQ(first, (GridCell{x - 1, y})) << "house on " << x << "," << y;
                EXPECT_EQ(last, (GridCell{x + 1, y + 1})) << "house on " << x << "," << y;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(ParallelGridTest, ParallelAxesKeepTheGridAndMapNoPoint)
{
    test::FakeAppServices app;
    ParallelLevel level;
    const int32_t width = level.GetGridWidth();
    level.SetLevelSize(500.0f, 500.0f);
    EXPECT_EQ(level.GetGridWidth(), width);
    EXPECT_EQ(level.PointToCell(vec2{10.0f, 10.0f}), (GridCell{-1, -1}));
    cObject object(&level);
    GridCell first;
    GridCell last;
    EXPECT_FALSE(level.GetObjectCells(&object, first, last));
}

TEST_F(LevelTest, FindObject_FirstOfTheNameOrNull)
{
    cGameObject* a = level.AddAt(GridCell{1, 1});
    a->SetName("well");
    EXPECT_EQ(level.FindObject("well", -1), a);
    EXPECT_EQ(level.FindObject("well", 0), nullptr);
    EXPECT_EQ(level.FindObject("none", -1), nullptr);
}

}  // namespace
