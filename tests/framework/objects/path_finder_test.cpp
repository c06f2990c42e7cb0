// Tests of the path grid and the A* search.
#include "framework/objects/path_finder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr float kBlocked = -2.0f;

// A grid from rows of text, the first text row being y = 0: '.' costs 1, '#' is
// blocked by an object, '~' is impassable terrain, a digit costs that much.
void Fill(cPathFinder& finder, const std::vector<std::string>& rows)
{
    finder.SetSize(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()));
    for (int32_t y = 0; y < static_cast<int32_t>(rows.size()); ++y) {
        for (int32_t x = 0; x < static_cast<int32_t>(rows[y].size()); ++x) {
            const char c = rows[y][x];
            if (c == '#') {
                finder.GetCell(x, y)->cost = kBlocked;
            } else if (c == '~') {
                finder.SetSecondCost(x, y, -1.0f);
            } else if (c == '.') {
                finder.SetSecondCost(x, y, 1.0f);
            } else {
                finder.SetSecondCost(x, y, static_cast<float>(c - '0'));
            }
        }
    }
}

// Consecutive cells are straight neighbours and none of them is blocked.
void ExpectWalkable(const cPathFinder& finder, const std::vector<GridCell>& path)
{
    for (size_t i = 0; i < path.size(); ++i) {
        EXPECT_GE(finder.GetCost(path[i].x, path[i].y, true), 0.0f) << i;
        if (i > 0) {
            EXPECT_EQ(std::abs(path[i].x - path[i - 1].x) + std::abs(path[i].y - path[i - 1].y), 1) << i;
        }
    }
}

TEST(PathFinder, SetSize_WritesCellCoordinates)
{
    cPathFinder finder;
    finder.SetSize(3, 2);
    EXPECT_EQ(finder.GetWidth(), 3);
    EXPECT_EQ(finder.GetHeight(), 2);
    const cPathFinder::Cell* cell = finder.GetCell(2, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->x, 2);
    EXPECT_EQ(cell->y, 1);
    EXPECT_EQ(finder.GetCell(3, 0), nullptr);
    EXPECT_EQ(finder.GetCell(0, -1), nullptr);
}

TEST(PathFinder, SetSize_BelowOneOrTooLargeKeepsGrid)
{
    cPathFinder finder;
    finder.SetSize(4, 4);
    finder.SetSize(0, 5);
    finder.SetSize(5, -1);
    finder.SetSize(1 << 16, 1 << 16);
    EXPECT_EQ(finder.GetWidth(), 4);
    EXPECT_EQ(finder.GetHeight(), 4);
}

TEST(PathFinder, SetSize_CellsKeepTheirCostsAtTheirCoordinates)
{
    cPathFinder finder;
    finder.SetSize(3, 3);
    finder.SetSecondCost(2, 1, 0.7f);
    finder.GetCell(1, 2)->cost = kBlocked;
    finder.GetCell(1, 2)->mark = 42u;
    finder.SetSize(5, 4);
    EXPECT_FLOAT_EQ(finder.GetCost(2, 1, false), 0.7f);
    EXPECT_EQ(finder.GetCell(1, 2)->cost, kBlocked);
    EXPECT_EQ(finder.GetCell(1, 2)->mark, 42u);
    EXPECT_EQ(finder.GetCost(4, 3, true), 0.0f);
    finder.SetSize(2, 2);
    EXPECT_EQ(finder.GetCost(2, 1, false), cPathFinder::kOutsideCost);
    EXPECT_EQ(finder.GetCost(1, 1, true), 0.0f);
}

TEST(PathFinder, Costs_OwnCostOverridesSecondLayerUnlessZero)
{
    cPathFinder finder;
    finder.SetSize(2, 1);
    finder.SetSecondCost(0, 0, 10.0f);
    EXPECT_FLOAT_EQ(finder.GetCost(0, 0, true), 10.0f);
    finder.GetCell(0, 0)->cost = kBlocked;
    EXPECT_FLOAT_EQ(finder.GetCost(0, 0, true), kBlocked);
    EXPECT_FLOAT_EQ(finder.GetCost(0, 0, false), 10.0f);
    EXPECT_FLOAT_EQ(finder.CellCost(*finder.GetCell(0, 0)), kBlocked);
    finder.GetCell(1, 0)->cost = 3.0f;
    EXPECT_FLOAT_EQ(finder.GetCost(1, 0, true), 3.0f);
    EXPECT_EQ(finder.GetCost(2, 0, true), -1.0f);
    EXPECT_EQ(finder.GetCost(-1, 0, false), -1.0f);
}

TEST(PathFinder, Reset_ClearsCostsButResetCellsKeepsThem)
{
    cPathFinder finder;
    Fill(finder, {"#~", "27"});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 1}, {1, 1}));
    finder.ResetCells();
    EXPECT_EQ(finder.GetCell(0, 0)->cost, kBlocked);
    EXPECT_EQ(finder.GetCost(1, 0, false), -1.0f);
    EXPECT_EQ(finder.GetCell(1, 1)->parentX, -1);
    EXPECT_EQ(finder.GetCell(1, 1)->open, 0);
    finder.Reset();
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 2; ++x) {
            EXPECT_EQ(finder.GetCost(x, y, true), 0.0f);
            EXPECT_EQ(finder.GetCost(x, y, false), 0.0f);
        }
    }
}

TEST(PathFinder, StartEqualsGoal_GivesThatOneCell)
{
    cPathFinder finder;
    Fill(finder, {"...", "...", "..."});
    std::vector<GridCell> path{{7, 7}};
    ASSERT_TRUE(finder.FindPath(path, {1, 1}, {1, 1}));
    EXPECT_EQ(path, (std::vector<GridCell>{{1, 1}}));
}

TEST(PathFinder, BlockedOrOutsideEnds_FailWithOutputUntouched)
{
    cPathFinder finder;
    Fill(finder, {"..#", "..~"});
    const std::vector<GridCell> before{{9, 9}, {8, 8}};
    const GridCell ends[][2] = {{{0, 0}, {2, 0}}, {{0, 0}, {2, 1}}, {{2, 0}, {0, 0}},
                                {{0, 0}, {3, 0}}, {{-1, 0}, {0, 0}}, {{0, 0}, {0, 2}}};
    for (const auto& end : ends) {
        std::vector<GridCell> path = before;
        EXPECT_FALSE(finder.FindPath(path, end[0], end[1]));
        EXPECT_EQ(path, before);
    }
}

TEST(PathFinder, NoRoute_FailsWithOutputUntouched)
{
    cPathFinder finder;
    Fill(finder, {"..#..", "..#..", "..~.."});
    std::vector<GridCell> path{{4, 4}};
    EXPECT_FALSE(finder.FindPath(path, {0, 0}, {4, 2}));
    EXPECT_TRUE(path.empty());  // the search empties it before it starts
}

TEST(PathFinder, StraightCorridor_GivesEveryCell)
{
    cPathFinder finder;
    Fill(finder, {"00000"});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 0}, {4, 0}));
    EXPECT_EQ(path, (std::vector<GridCell>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
}

TEST(PathFinder, EqualF_FirstEnteredCellIsExpandedFirst)
{
    // From (0, 0) both (1, 0) and (0, 1) reach f = 2; (1, 0) entered first, so the
    // goal is reached through it.
    cPathFinder finder;
    Fill(finder, {"..", ".."});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 0}, {1, 1}));
    EXPECT_EQ(path, (std::vector<GridCell>{{0, 0}, {1, 0}, {1, 1}}));
}

TEST(PathFinder, WallWithGap_RouteGoesThroughTheGap)
{
    cPathFinder finder;
    Fill(finder, {"..#..", "..#..", "..#..", "..#..", "....."});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 0}, {4, 0}));
    ASSERT_EQ(path.size(), 13u);  // up 4, across 4, down 4
    EXPECT_EQ(path.front(), (GridCell{0, 0}));
    EXPECT_EQ(path.back(), (GridCell{4, 0}));
    ExpectWalkable(finder, path);
}

TEST(PathFinder, ExpensiveCells_AreWalkedAround)
{
    cPathFinder finder;
    Fill(finder, {".....", "..9..", "....."});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 1}, {4, 1}));
    ExpectWalkable(finder, path);
    for (const GridCell& cell : path) {
        EXPECT_NE(cell, (GridCell{2, 1}));
    }
}

TEST(PathFinder, RepeatedSearch_GivesTheSameRoute)
{
    cPathFinder finder;
    Fill(finder, {"...#....", ".#.#.##.", ".#...#..", ".####.#.", "........"});
    std::vector<GridCell> first;
    std::vector<GridCell> second;
    ASSERT_TRUE(finder.FindPath(first, {0, 0}, {7, 0}));
    ASSERT_TRUE(finder.FindPath(second, {0, 0}, {7, 0}));
    EXPECT_EQ(first, second);
    ExpectWalkable(finder, first);
}

}  // namespace
