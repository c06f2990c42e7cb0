// cPathFinder: the grid, its costs and the A* search.
#include "framework/objects/path_finder.h"

#include <algorithm>
#include <cmath>

#include "engine/log/log.h"

namespace {

constexpr const char* kSender = "cPathFinder";

}  // namespace

void cPathFinder::SetSize(int32_t width, int32_t height)
{
    if (width < 1 || height < 1) {
        return;
    }
    if (static_cast<int64_t>(width) * height > kMaxCells) {
        vrk::LogWrite(kSender, "^5", "Path grid %i x %i is too large; the grid is kept",
                      vrk::FormatArg::FromInt(width), vrk::FormatArg::FromInt(height));
        return;
    }
    openList_.clear();
    // Built afresh so that a cell that stays inside the grid keeps its costs at its
    // own column and row even when the width changes.
    std::vector<Cell> cells(static_cast<size_t>(width) * height);
    std::vector<float> secondCosts(cells.size(), 0.0f);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const size_t index = static_cast<size_t>(y) * width + x;
            Cell& cell = cells[index];
            cell.x = x;
            cell.y = y;
            if (const Cell* old = GetCell(x, y)) {
                cell.cost = old->cost;
                cell.mark = old->mark;
                secondCosts[index] = secondCosts_[IndexOf(x, y)];
            }
        }
    }
    cells_ = std::move(cells);
    secondCosts_ = std::move(secondCosts);
    width_ = width;
    height_ = height;
}

cPathFinder::Cell* cPathFinder::GetCell(int32_t x, int32_t y)
{
    return IsInside(x, y) ? &cells_[IndexOf(x, y)] : nullptr;
}

const cPathFinder::Cell* cPathFinder::GetCell(int32_t x, int32_t y) const
{
    return IsInside(x, y) ? &cells_[IndexOf(x, y)] : nullptr;
}

void cPathFinder::SetSecondCost(int32_t x, int32_t y, float cost)
{
    if (IsInside(x, y)) {
        secondCosts_[IndexOf(x, y)] = cost;
    }
}

float cPathFinder::CellCost(const Cell& cell) const
{
    // The record may come from another grid; its coordinates decide.
    if (!IsInside(cell.x, cell.y)) {
        return kOutsideCost;
    }
    return cell.cost == 0.0f ? secondCosts_[IndexOf(cell.x, cell.y)] : cell.cost;
}

float cPathFinder::GetCost(int32_t x, int32_t y, bool useOwnCost) const
{
    if (!IsInside(x, y)) {
        return kOutsideCost;
    }
    const int32_t index = IndexOf(x, y);
    return useOwnCost ? CellCost(cells_[index]) : secondCosts_[index];
}

void cPathFinder::ResetCells()
{
    openList_.clear();
    for (Cell& cell : cells_) {
        cell.g = 0.0f;
        cell.f = 0.0f;
        cell.open = 0;
        cell.closed = 0;
        cell.parentX = -1;
        cell.parentY = -1;
    }
}

void cPathFinder::Reset()
{
    ResetCells();
    for (Cell& cell : cells_) {
        cell.cost = 0.0f;
    }
    std::fill(secondCosts_.begin(), secondCosts_.end(), 0.0f);
}

int32_t cPathFinder::TakeBestOpenCell()
{
    size_t best = 0;
    for (size_t i = 1; i < openList_.size(); ++i) {
        // Strictly smaller only: among equal f the cell that entered first wins.
        if (cells_[openList_[i]].f < cells_[openList_[best]].f) {
            best = i;
        }
    }
    const int32_t index = openList_[best];
    openList_.erase(openList_.begin() + static_cast<std::ptrdiff_t>(best));
    cells_[index].open = 0;
    return index;
}

void cPathFinder::Relax(const Cell& from, int32_t x, int32_t y, const GridCell& goal)
{
    if (!IsPassable(x, y)) {
        return;
    }
    const float g = from.g + EffectiveCost(x, y);
    const int32_t index = IndexOf(x, y);
    Cell& next = cells_[index];
    if ((next.open == 0 && next.closed == 0) || g < next.g) {
        next.parentX = from.x;
        next.parentY = from.y;
        next.g = g;
        const float toGoalX = static_cast<float>(goal.x - x);
        const float toGoalY = static_cast<float>(goal.y - y);
        next.f = g + std::sqrt(toGoalX * toGoalX + toGoalY * toGoalY);
        next.open = 1;
        next.closed = 0;
        openList_.push_back(index);
    }
}

bool cPathFinder::FindPath(std::vector<GridCell>& out, const GridCell& start, const GridCell& goal)
{
    if (!IsPassable(start.x, start.y) || !IsPassable(goal.x, goal.y)) {
        return false;
    }
    out.clear();
    ResetCells();
    const int32_t startIndex = IndexOf(start.x, start.y);
    cells_[startIndex].open = 1;
    openList_.push_back(startIndex);

    while (!openList_.empty()) {
        Cell& cell = cells_[TakeBestOpenCell()];
        if (cell.x == goal.x && cell.y == goal.y) {
            cell.closed = 1;
            // Routes only ever improve strictly, so parents form no cycle; the bound
            // merely keeps a corrupted grid from looping for ever.
            const Cell* step = &cell;
            for (size_t guard = 0; guard <= cells_.size(); ++guard) {
                out.push_back(GridCell{step->x, step->y});
                if (step->parentX < 0 || step->parentY < 0) {
                    break;
                }
                step = &cells_[IndexOf(step->parentX, step->parentY)];
            }
            std::reverse(out.begin(), out.end());
            return true;
        }
        // Straight neighbours only, in this order: below, left, right, above.
        Relax(cell, cell.x, cell.y - 1, goal);
        Relax(cell, cell.x - 1, cell.y, goal);
        Relax(cell, cell.x + 1, cell.y, goal);
        Relax(cell, cell.x, cell.y + 1, goal);
        cell.closed = 1;
    }
    return false;
}
