// Path requests on hand-made grids: detours, unreachable goals, blocked end cells,
// smoothing, terrain costs, random walks, the nearest free cell and directions.
#include <cmath>

#include "framework/objects/node.h"
#include "tests/framework/widgets/level_fixtures.h"

namespace {

using test::LevelTest;

std::vector<GridCell> CellsOf(const test::TestLevel& level, const std::vector<vec2>& points)
{
    std::vector<GridCell> cells;
    for (const vec2& point : points) cells.push_back(level.PointToCell(point));
    return cells;
}

TEST_F(LevelTest, FindPath_StraightLineBetweenTwoObjects)
{
    level.Paint({"....."});
    cGameObject* from = level.AddAt(GridCell{0, 0});
    cGameObject* to = level.AddAt(GridCell{4, 0});
    std::vector<vec2> points;
    ASSERT_TRUE(level.FindPath(points, from, to, false));
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points.front(), (vec2{24.0f, 24.0f}));
    EXPECT_EQ(points.back(), (vec2{216.0f, 24.0f}));
    EXPECT_FLOAT_EQ(level.GetPathLength(points), 192.0f);
}

TEST_F(LevelTest, FindPath_GoesAroundAWallAndSmoothingDropsPoints)
{
    level.Paint({".....",
                 ".###.",
                 "....."});
    cGameObject* from = level.AddAt(GridCell{0, 1});
    cGameObject* to = level.AddAt(GridCell{4, 1});
    std::vector<vec2> rough;
    ASSERT_TRUE(level.FindPath(rough, from, to, false));
    for (const GridCell& cell : CellsOf(level, rough)) EXPECT_GE(level.GetCellCostAt(cell), 0);
    EXPECT_EQ(rough.size(), 7u);
    std::vector<vec2> smooth;
    ASSERT_TRUE(level.FindPath(smooth, from, to, true));
    EXPECT_LT(smooth.size(), rough.size());
    EXPECT_EQ(CellsOf(level, smooth).front(), (GridCell{0, 1}));
    EXPECT_EQ(CellsOf(level, smooth).back(), (GridCell{4, 1}));
}

TEST_F(LevelTest, FindPath_UnreachableLeavesTheOutputUntouched)
{
    level.Paint({"..#..",
                 "..#..",
                 "..#.."});
    cGameObject* from = level.AddAt(GridCell{0, 0});
    cGameObject* to = level.AddAt(GridCell{4, 2});
    std::vector<vec2> points{vec2{1.0f, 2.0f}};
    EXPECT_FALSE(level.FindPath(points, from, to, true));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0], (vec2{1.0f, 2.0f}));
    EXPECT_FALSE(level.FindPath(points, nullptr, to, true));
    EXPECT_FALSE(level.FindPathToPoint(points, from, 40, 40, false));  // goal outside
    EXPECT_EQ(points.size(), 1u);
}

TEST_F(LevelTest, FindPath_OpensBlockedEndCellsOnlyForTheSearch)
{
    level.Paint({"X...X"});
    cGameObject* from = level.AddAt(GridCell{0, 0});
    cGameObject* to = level.AddAt(GridCell{4, 0});
    std::vector<vec2> points;
    EXPECT_TRUE(level.FindPath(points, from, to, false));
    EXPECT_TRUE(level.IsCellBlockedXY(0, 0));
    EXPECT_TRUE(level.IsCellBlockedXY(4, 0));
}

TEST_F(LevelTest, FindPath_UsesTheFirstLinkedPoint)
{
    level.Paint({"....."});
    cGameObject* from = level.AddAt(GridCell{0, 0});
    cGameObject* house = level.AddAt(GridCell{2, 0});
    auto* door = new cNode(&level);
    const vec2 doorPoint = level.CellToPoint(GridCell{4, 0});
    door->SetPosition(doorPoint.x, doorPoint.y);
    level.AddObject(door, 0);
    house->Attach(door);
    std::vector<vec2> points;
    ASSERT_TRUE(level.FindPath(points, from, house, false));
    EXPECT_EQ(level.PointToCell(points.back()), (GridCell{4, 0}));
}

TEST_F(LevelTest, FindPath_PrefersCheapTerrain)
{
    level.Paint({".....",
                 ".222.",
                 "....."});
    cGameObject* from = level.AddAt(GridCell{0, 1});
    cGameObject* to = level.AddAt(GridCell{4, 1});
    std::vector<vec2> points;
    ASSERT_TRUE(level.FindPath(points, from, to, false));
    for (const GridCell& cell : CellsOf(level, points)) EXPECT_NE(level.GetCellCostAt(cell), 2);
}

TEST_F(LevelTest, FindPathToPoint_ReplacesTheFirstPointItAppended)
{
    level.Paint({"....."});
    cGameObject* walker = level.AddAt(GridCell{0, 0});
    walker->SetPosition(30.0f, 20.0f);
    std::vector<vec2> points{vec2{-5.0f, -5.0f}};
    ASSERT_TRUE(level.FindPathToPoint(points, walker, 3, 0, false));
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points[0], (vec2{-5.0f, -5.0f}));
    EXPECT_EQ(points[1], (vec2{30.0f, 20.0f}));
    EXPECT_EQ(points.back(), (vec2{168.0f, 24.0f}));
}

TEST_F(LevelTest, GetPathLength_ZeroForFewerThanTwoPoints)
{
    EXPECT_EQ(level.GetPathLength({}), 0.0f);
    EXPECT_EQ(level.GetPathLength({vec2{3.0f, 4.0f}}), 0.0f);
    EXPECT_FLOAT_EQ(level.GetPathLength({vec2{0.0f, 0.0f}, vec2{3.0f, 4.0f}, vec2{3.0f, 0.0f}}), 9.0f);
}

TEST_F(LevelTest, PickRandomPoint_FalseWithoutDestinations)
{
    level.Paint({"..."});
    cGameObject* walker = level.AddAt(GridCell{0, 0});
    std::vector<vec2> points;
    EXPECT_FALSE(level.PickRandomPoint(points, walker));
}

TEST_F(LevelTest, PickRandomPoint_GivesUpAfterExactlyTenDraws)
{
    // Every destination is blocked or too far away from the walker.
    level.Paint({".........................",
                 "X........................"});
    level.LinkObjects();
    for (int32_t x = 0; x < level.kRandomPointReach; ++x) {
        level.SetCellBlocked(x, 0, true);
        level.SetCellBlocked(x, 1, true);
    }
    cGameObject* walker = level.AddAt(GridCell{0, 0});
    app.random.seed = 12345;
    RandomGen expected{12345};
    for (int i = 0; i < 10; ++i) expected.NextValue();
    std::vector<vec2> points;
    EXPECT_FALSE(level.PickRandomPoint(points, walker));
    EXPECT_EQ(app.random.seed, expected.seed);
    EXPECT_TRUE(points.empty());
}

TEST_F(LevelTest, PickRandomPoint_WalksToANearbyFreeCell)
{
    level.Paint({"....",
                 "...."});
    level.LinkObjects();
    cGameObject* walker = level.AddAt(GridCell{0, 0});
    app.random.seed = 7;
    std::vector<vec2> points;
    ASSERT_TRUE(level.PickRandomPoint(points, walker));
    ASSERT_GE(points.size(), 2u);
    EXPECT_EQ(points.front(), walker->GetPosition());
    EXPECT_NE(level.PointToCell(points.back()), (GridCell{0, 0}));
}

TEST_F(LevelTest, LinkObjects_ListsPassableCellsOnce)
{
    level.Paint({".#X",
                 "12."});
    level.LinkObjects();
    level.LinkObjects();
    EXPECT_EQ(level.GetDestinationCells().size(), 4u);
}

TEST_F(LevelTest, FindNearestFreeCell_ItselfRingOrderAndNone)
{
    level.Paint({".....",
                 ".###.",
                 ".#X#.",
                 ".###.",
                 "....."});
    EXPECT_EQ(level.FindNearestFreeCell(GridCell{0, 0}), (GridCell{0, 0}));
    // Ring 1 is walled; ring 2 is searched from its lower left corner along x first.
    EXPECT_EQ(level.FindNearestFreeCell(GridCell{2, 2}), (GridCell{0, 0}));
    level.Paint(std::vector<std::string>(20, std::string(20, '#')));
    EXPECT_EQ(level.FindNearestFreeCell(GridCell{10, 10}), (GridCell{-1, -1}));
    cGameObject* object = level.AddAt(GridCell{3, 3});
    EXPECT_EQ(level.NearestFreeCellOf(object), (GridCell{-1, -1}));
}

TEST_F(LevelTest, GetDirectionIndex_GuardsZeroCountAndClampsRounding)
{
    EXPECT_EQ(level.GetDirectionIndex(vec2{1.0f, 0.0f}, 0), 0);
    EXPECT_EQ(level.GetDirectionIndex(vec2{1.0f, 0.0f}, 4), 0);
    EXPECT_EQ(level.GetDirectionIndex(vec2{0.0f, 1.0f}, 4), 1);
    EXPECT_EQ(level.GetDirectionIndex(vec2{-1.0f, 0.0f}, 4), 2);
    EXPECT_EQ(level.GetDirectionIndex(vec2{0.0f, -1.0f}, 4), 3);
    // Just below the negative x axis the sum rounds onto the full turn.
    EXPECT_EQ(level.GetDirectionIndex(vec2{1.0f, -1e-7f}, 4), 0);
    EXPECT_LT(level.GetDirectionIndex(vec2{-1.0f, -1e-8f}, 1), 1);
}

TEST_F(LevelTest, SendWorker_AnswersTrueInTheBase)
{
    EXPECT_TRUE(level.SendWorker(nullptr, nullptr, 0));
}

}  // namespace
