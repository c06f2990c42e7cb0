// cPathFinder: the walking grid of a level (a cost per cell, two layers) with the A*
// search between two cells over the four straight neighbours, the cost of a straight
// walk between two cells, and the straightening of found paths.
#pragma once
#include <cstdint>
#include <vector>

#include "framework/objects/grid_cell.h"

class cPathFinder {
public:
    // Cell record of the grid. The level screen writes cost and mark; the rest
    // belongs to the search.
    struct Cell {
        int32_t x = 0;
        int32_t y = 0;
        // Below 0 blocked; 0 takes the second layer's value; above 0 this cost.
        float cost = 0.0f;
        // Kept per cell for the level screen and its file; the search never reads it.
        uint32_t mark = 0;
        float g = 0.0f;  // cost from the start along the best known route
        float f = 0.0f;  // g + straight-line distance to the goal in cells
        int32_t parentX = -1;
        int32_t parentY = -1;
        uint8_t open = 0;
        uint8_t closed = 0;
    };

    // The largest grid SetSize accepts; level sizes come from files, and a grid
    // this large already takes well over a hundred megabytes.
    static constexpr int64_t kMaxCells = int64_t{1} << 22;
    // The cost read outside the grid.
    static constexpr float kOutsideCost = -1.0f;

    cPathFinder() = default;
    virtual ~cPathFinder() = default;
    cPathFinder(const cPathFinder&) = delete;
    cPathFinder& operator=(const cPathFinder&) = delete;

    // Nothing when either side is below 1 (or the grid would be too large). Cells
    // inside both the old and the new size keep their costs and marks.
    void SetSize(int32_t width, int32_t height);
    int32_t GetWidth() const { return width_; }
    int32_t GetHeight() const { return height_; }
    // Null outside the grid.
    Cell* GetCell(int32_t x, int32_t y);
    const Cell* GetCell(int32_t x, int32_t y) const;
    // The second layer's value at (x, y); writes outside the grid do nothing.
    void SetSecondCost(int32_t x, int32_t y, float cost);

    // The cell's own cost, or the second layer's when the own cost is exactly 0.
    float CellCost(const Cell& cell) const;
    // -1.0 outside; with useOwnCost as CellCost, without it the second layer alone.
    float GetCost(int32_t x, int32_t y, bool useOwnCost) const;
    // Clears the search fields and the open list; costs stay.
    void ResetCells();
    // ResetCells, then every own cost and second-layer value becomes 0.
    void Reset();

    // A* from start to goal. On success out holds the route from start to goal,
    // both included; on failure out is left as it was.
    bool FindPath(std::vector<GridCell>& out, const GridCell& start, const GridCell& goal);
    // Removes points that a straight walk can skip without crossing a blocked cell
    // or costing more.
    void SmoothPath(std::vector<GridCell>& cells) const;
    // The cost of walking straight from a to b (a's cell counted, b's not); -1.0
    // when the segment is not walkable.
    float LineCost(const GridCell& a, const GridCell& b) const;

private:
    bool IsInside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int32_t IndexOf(int32_t x, int32_t y) const { return y * width_ + x; }
    // GetCost with the own cost: the effective cost of (x, y).
    float EffectiveCost(int32_t x, int32_t y) const { return GetCost(x, y, true); }
    // Passable when the effective cost is 0 or more (NaN is not).
    bool IsPassable(int32_t x, int32_t y) const { return EffectiveCost(x, y) >= 0.0f; }
    int32_t TakeBestOpenCell();
    void Relax(const Cell& from, int32_t x, int32_t y, const GridCell& goal);
    float SteepLineCost(const GridCell& a, const GridCell& b) const;
    float FlatLineCost(const GridCell& a, const GridCell& b) const;

    std::vector<Cell> cells_;
    // The A* frontier as cell indexes, unordered; a cell whose route improves is
    // appended again rather than moved.
    std::vector<int32_t> openList_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<float> secondCosts_;
};
