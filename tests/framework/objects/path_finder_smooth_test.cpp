// Tests of straight-walk costs on the path grid and of path straightening.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/objects/path_finder.h"

namespace {

// '.' costs 1, '#' is blocked by an object, a digit costs that much; row 0 first.
void Fill(cPathFinder& finder, const std::vector<std::string>& rows)
{
    finder.SetSize(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()));
    for (int32_t y = 0; y < static_cast<int32_t>(rows.size()); ++y) {
        for (int32_t x = 0; x < static_cast<int32_t>(rows[y].size()); ++x) {
            const char c = rows[y][x];
            if (c == '#') {
                finder.GetCell(x, y)->cost = -2.0f;
            } else {
                finder.SetSecondCost(x, y, c == '.' ? 1.0f : static_cast<float>(c - '0'));
            }
        }
    }
}

struct LineCase {
    const char* name;
    std::vector<std::string> rows;
    GridCell a;
    GridCell b;
    float cost;
};

class LineCostTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineCostTest, CountsStartNotEnd)
{
    cPathFinder finder;
    Fill(finder, GetParam().rows);
    EXPECT_FLOAT_EQ(finder.LineCost(GetParam().a, GetParam().b), GetParam().cost);
}

const std::vector<std::string> kOpen = {".....", ".....", ".....", ".....", "....."};

INSTANTIATE_TEST_SUITE_P(
    Segments, LineCostTest,
    ::testing::Values(
        LineCase{"SameCell", {"3.", ".."}, {0, 0}, {0, 0}, 3.0f},
        LineCase{"Neighbour", {"3.", ".."}, {0, 0}, {1, 0}, 3.0f},
        LineCase{"DiagonalNeighbour", {"3.", ".."}, {0, 0}, {1, 1}, 3.0f},
        LineCase{"DiagonalPastBlockedCorner", {".#", ".."}, {0, 0}, {1, 1}, -1.0f},
        LineCase{"DiagonalPastOtherBlockedCorner", {"..", "#."}, {0, 0}, {1, 1}, -1.0f},
        LineCase{"Row", kOpen, {0, 0}, {4, 0}, 4.0f},
        LineCase{"RowBackwards", kOpen, {4, 2}, {0, 2}, 4.0f},
        LineCase{"Column", kOpen, {1, 4}, {1, 0}, 4.0f},
        LineCase{"RowWithExpensiveCell", {"..9.2"}, {0, 0}, {4, 0}, 12.0f},
        LineCase{"RowThroughBlockedCell", {"..#.."}, {0, 0}, {4, 0}, -1.0f},
        LineCase{"Flat", kOpen, {0, 0}, {4, 2}, 4.0f},
        LineCase{"Steep", kOpen, {0, 0}, {1, 4}, 4.0f},
        LineCase{"FlatTakesLargerOfTwoCells", {".....", ".5...", "....."}, {0, 0}, {4, 2}, 8.0f},
        LineCase{"FlatTouchingBlockedCell", {".....", ".#...", "....."}, {0, 0}, {4, 2}, -1.0f},
        LineCase{"SteepTouchingBlockedCell", {"..", "..", ".#", "..", ".."}, {0, 0}, {1, 4}, -1.0f},
        LineCase{"BlockedStart", {"#...."}, {0, 0}, {4, 0}, -1.0f},
        LineCase{"EndOutside", {"....."}, {0, 0}, {5, 0}, -1.0f}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(PathFinder, LineCost_AddsUpAlongARoute)
{
    cPathFinder finder;
    Fill(finder, {"1234567"});
    EXPECT_FLOAT_EQ(finder.LineCost({0, 0}, {6, 0}),
                    finder.LineCost({0, 0}, {3, 0}) + finder.LineCost({3, 0}, {6, 0}));
}

TEST(PathFinder, SmoothPath_ShortPathsStayAsTheyAre)
{
    cPathFinder finder;
    Fill(finder, {"...", "..."});
    std::vector<GridCell> one{{0, 0}};
    std::vector<GridCell> two{{0, 0}, {2, 1}};
    finder.SmoothPath(one);
    finder.SmoothPath(two);
    EXPECT_EQ(one.size(), 1u);
    EXPECT_EQ(two, (std::vector<GridCell>{{0, 0}, {2, 1}}));
}

TEST(PathFinder, SmoothPath_StraightCorridorKeepsOnlyItsEnds)
{
    cPathFinder finder;
    Fill(finder, {"00000"});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 0}, {4, 0}));
    ASSERT_EQ(path.size(), 5u);
    finder.SmoothPath(path);
    EXPECT_EQ(path, (std::vector<GridCell>{{0, 0}, {4, 0}}));
}

TEST(PathFinder, SmoothPath_KeepsCornerAroundBlockedCell)
{
    cPathFinder finder;
    Fill(finder, {"..", ".#"});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 1}, {1, 0}));
    ASSERT_EQ(path, (std::vector<GridCell>{{0, 1}, {0, 0}, {1, 0}}));
    finder.SmoothPath(path);
    EXPECT_EQ(path, (std::vector<GridCell>{{0, 1}, {0, 0}, {1, 0}}));
}

TEST(PathFinder, SmoothPath_AroundWallKeepsTheCorners)
{
    cPathFinder finder;
    Fill(finder, {".#.", ".#.", "..."});
    std::vector<GridCell> path;
    ASSERT_TRUE(finder.FindPath(path, {0, 0}, {2, 0}));
    ASSERT_EQ(path.size(), 7u);
    finder.SmoothPath(path);
    EXPECT_EQ(path, (std::vector<GridCell>{{0, 0}, {0, 2}, {2, 2}, {2, 0}}));
}

struct ShortcutCase {
    float middleCost;
    size_t pointsLeft;
};

class SmoothShortcutTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(SmoothShortcutTest, SkipsAPointOnlyWhenTheLineCostsNoMore)
{
    cPathFinder finder;
    Fill(finder, {"...", "...", "..."});
    finder.SetSecondCost(1, 1, GetParam().middleCost);
    std::vector<GridCell> path{{0, 1}, {1, 2}, {2, 1}};
    finder.SmoothPath(path);
    EXPECT_EQ(path.size(), GetParam().pointsLeft);
    EXPECT_EQ(path.front(), (GridCell{0, 1}));
    EXPECT_EQ(path.back(), (GridCell{2, 1}));
}

INSTANTIATE_TEST_SUITE_P(MiddleCosts, SmoothShortcutTest,
                         ::testing::Values(ShortcutCase{1.0f, 2u}, ShortcutCase{10.0f, 3u}));

}  // namespace
