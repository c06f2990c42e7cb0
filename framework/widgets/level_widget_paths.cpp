// cLevelWidget: path requests on the grid (between objects, to a cell, to a random
// nearby cell), path lengths and the search for a free cell near a blocked one.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/objects/app_services.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_widget.h"

namespace {

constexpr GridCell kNoCell{-1, -1};

// The cell of the object's first linked point; false when it has none.
bool FirstLinkedCell(const cLevelWidget& level, const cObject* object, GridCell& cell)
{
    if (object == nullptr) return false;
    std::vector<vec2> points;
    object->GetLinkedPoints(points);
    if (points.empty()) return false;
    cell = level.PointToCell(points.front());
    return true;
}

}  // namespace

bool cLevelWidget::SearchGrid(const GridCell& start, const GridCell& goal, bool smooth, std::vector<GridCell>& cells)
{
    // A walker standing in a building, or heading into one, crosses its blocked
    // footprint: the two end cells are opened for this search only.
    const bool startBlocked = IsCellBlocked(start);
    const bool goalBlocked = IsCellBlocked(goal);
    if (startBlocked) SetCellBlocked(start.x, start.y, false);
    if (goalBlocked) SetCellBlocked(goal.x, goal.y, false);
    const bool found = pathFinder_.FindPath(cells, start, goal);
    if (found && smooth) pathFinder_.SmoothPath(cells);
    if (startBlocked) SetCellBlocked(start.x, start.y, true);
    if (goalBlocked) SetCellBlocked(goal.x, goal.y, true);
    return found;
}

bool cLevelWidget::FindPath(std::vector<vec2>& points, cObject* from, cObject* to, bool smooth)
{
    GridCell start;
    GridCell goal;
    if (!FirstLinkedCell(*this, from, start) || !FirstLinkedCell(*this, to, goal)) return false;
    std::vector<GridCell> cells;
    if (!SearchGrid(start, goal, smooth, cells)) return false;
    CellsToPoints(cells, points);
    return true;
}

bool cLevelWidget::FindPathToPoint(std::vector<vec2>& points, cObject* from, int32_t x, int32_t y, bool smooth)
{
    GridCell start;
    if (!FirstLinkedCell(*this, from, start)) return false;
    std::vector<GridCell> cells;
    if (!SearchGrid(start, GridCell{x, y}, smooth, cells)) return false;
    // The walk starts where the walker stands, not at its cell's centre; the point
    // replaced is the first of this path, whatever the output held before.
    const size_t first = points.size();
    CellsToPoints(cells, points);
    if (points.size() > first) points[first] = from->GetPosition();
    return true;
}

float cLevelWidget::GetPathLength(const std::vector<vec2>& points) const
{
    float length = 0.0f;
    for (size_t i = 1; i < points.size(); ++i) length += (points[i] - points[i - 1]).Length();
    return length;
}

bool cLevelWidget::PickRandomPoint(std::vector<vec2>& points, cObject* object)
{
    if (destinations_.empty()) return false;
    const GridCell start = ObjectToCell(object);
    const auto count = static_cast<int32_t>(std::min<size_t>(destinations_.size(), INT32_MAX));
    for (int32_t attempt = 0; attempt < kRandomPointTries; ++attempt) {
        const int32_t index = AppRandom(count - 1);
        const GridCell candidate = destinations_[static_cast<size_t>(index)];
        if (IsCellBlocked(candidate) || candidate == start) continue;
        if (std::abs(int64_t{candidate.x} - start.x) >= kRandomPointReach ||
            std::abs(int64_t{candidate.y} - start.y) >= kRandomPointReach) {
            continue;
        }
        if (GetCellCostAt(candidate) < 0) continue;
        if (FindPathToPoint(points, object, candidate.x, candidate.y, false)) return true;
    }
    return false;
}

GridCell cLevelWidget::NearestFreeCellOf(const cObject* object) const
{
    return FindNearestFreeCell(ObjectToCell(object));
}

GridCell cLevelWidget::FindNearestFreeCell(const GridCell& cell) const
{
    if (GetCellCostAt(cell) >= 0) return cell;
    const int64_t cx = cell.x;
    const int64_t cy = cell.y;
    const auto isFree = [this](int64_t x, int64_t y) {
        // Cells beyond the int range lie outside every grid.
        if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX) return false;
        return GetCellCost(static_cast<int32_t>(x), static_cast<int32_t>(y)) >= 0;
    };
    for (int64_t r = 1; r <= kNearestFreeRings; ++r) {
        for (int64_t x = cx - r; x <= cx + r; ++x) {
            if (isFree(x, cy - r)) return GridCell{static_cast<int32_t>(x), static_cast<int32_t>(cy - r)};
            if (isFree(x, cy + r)) return GridCell{static_cast<int32_t>(x), static_cast<int32_t>(cy + r)};
        }
        for (int64_t y = cy - r; y <= cy + r; ++y) {
            if (isFree(cx - r, y)) return GridCell{static_cast<int32_t>(cx - r), static_cast<int32_t>(y)};
            if (isFree(cx + r, y)) return GridCell{static_cast<int32_t>(cx + r), static_cast<int32_t>(y)};
        }
    }
    return kNoCell;
}

bool cLevelWidget::SendWorker(cMan* /*walker*/, cGameObject* /*target*/, int32_t /*kind*/) { return true; }
