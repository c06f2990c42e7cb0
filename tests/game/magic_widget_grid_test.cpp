// The level screen's skewed path grid: its size and origin over the level area,
// point and cell conversions well inside cells, and the stop point's candidates.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/objects/game_object.h"
#include "objects/level_grid.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

// A target of a fixed radius (no picture needed).
class RoundTarget : public cGameObject {
public:
    RoundTarget(cObjectOwner* owner, float radius) : cGameObject(owner), radius_(radius) {}
    float GetRadius() override { return radius_; }

private:
    float radius_;
};

bool Near(const vec2& a, const vec2& b) { return (a - b).Length() < 0.01f; }

TEST(MagicWidgetGrid, SkewedGridCoversTheLevelAreaWithItsCells)
{
    test::TestMagicWidget screen;
    EXPECT_EQ(screen.GetGridWidth(), 31);
    EXPECT_EQ(screen.GetGridHeight(), 25);
    EXPECT_NEAR(screen.GetGridOrigin().x, -605.70f, 0.01f);
    EXPECT_NEAR(screen.GetGridOrigin().y, 162.30f, 0.01f);

    int inside = 0;
    for (int32_t x = 0; x < screen.GetGridWidth(); ++x) {
        for (int32_t y = 0; y < screen.GetGridHeight(); ++y) {
            const vec2 centre = screen.CellToPoint(GridCell{x, y});
            inside += centre.x >= 0.0f && centre.x <= kLevelAreaWidth && centre.y >= 0.0f &&
                              centre.y <= kLevelAreaHeight
                          ? 1
                          : 0;
            EXPECT_EQ(screen.PointToCell(centre), (GridCell{x, y}));
        }
    }
    EXPECT_EQ(inside, 393);

    const struct {
        vec2 point;
        GridCell cell;
    } points[] = {{{512.0f, 384.0f}, {15, 12}}, {{1024.0f, 768.0f}, {17, 24}}, {{300.0f, 200.0f}, {14, 6}},
                  {{800.0f, 250.0f}, {22, 10}}};
    for (const auto& entry : points) {
        EXPECT_EQ(screen.PointToCell(entry.point), entry.cell) << entry.point.x << ", " << entry.point.y;
    }
}

TEST(MagicWidgetGrid, StopPoint_TakesTheFreeNeighbourNearestTheWayIn)
{
    test::FakeAppServices app;
    test::TestMagicWidget screen;
    screen.ClearLevel();
    const GridCell cell{15, 12};
    for (int32_t x = 14; x <= 16; ++x) {
        for (int32_t y = 11; y <= 13; ++y) screen.SetCellCost(x, y, kTerrainFree);
    }
    const float radius = 20.0f;
    RoundTarget target(&screen, radius);
    const vec2 position = screen.CellToPoint(cell);
    target.SetPositionV(position);
    vec2 origin;
    vec2 u;
    vec2 v;
    screen.GetGridBasis(origin, u, v);

    // Coming from each axis direction, the stop lies on that side.
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position + u * 300.0f), position + u * radius));
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position + v * 300.0f), position + v * radius));
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position - u * 300.0f), position - u * radius));
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position - v * 300.0f), position - v * radius));
    // A blocked or impassable neighbour does not count: the next nearest does.
    screen.SetCellBlocked(cell.x + 1, cell.y, true);
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position + u * 300.0f), position + v * radius));
    screen.SetCellCost(cell.x, cell.y + 1, kTerrainImpassable);
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position + u * 300.0f), position - v * radius));
    // None free: the target's own position; so too without a radius.
    screen.SetCellCost(cell.x - 1, cell.y, kTerrainImpassable);
    screen.SetCellCost(cell.x, cell.y - 1, kTerrainImpassable);
    EXPECT_TRUE(Near(screen.GetStopPoint(&target, position + u * 300.0f), position));
    RoundTarget point(&screen, 0.0f);
    point.SetPositionV(position);
    EXPECT_TRUE(Near(screen.GetStopPoint(&point, position + u * 300.0f), position));
}

TEST(MagicWidgetGrid, CellPath_OpensBlockedEndsOnlyForTheSearchAndRefusesCellsOutside)
{
    test::TestMagicWidget screen;
    screen.ClearLevel();
    for (int32_t x = 10; x <= 20; ++x) screen.SetCellCost(x, 12, kTerrainFree);
    screen.SetCellBlocked(10, 12, true);
    screen.SetCellBlocked(20, 12, true);
    std::vector<GridCell> cells;
    ASSERT_TRUE(screen.FindCellPath(cells, GridCell{10, 12}, GridCell{20, 12}));
    EXPECT_EQ(cells.front(), (GridCell{10, 12}));
    EXPECT_EQ(cells.back(), (GridCell{20, 12}));
    EXPECT_TRUE(screen.IsCellBlockedXY(10, 12));
    EXPECT_TRUE(screen.IsCellBlockedXY(20, 12));
    cells.clear();
    EXPECT_FALSE(screen.FindCellPath(cells, GridCell{10, 12}, GridCell{31, 12}));
    EXPECT_FALSE(screen.FindCellPath(cells, GridCell{-1, 12}, GridCell{20, 12}));
    EXPECT_FALSE(screen.FindCellPath(cells, GridCell{10, 12}, GridCell{10, 13}));
}

}  // namespace
