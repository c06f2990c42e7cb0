// cLevelWidget: the path grid's cells (terrain codes, object marks, extra words) and
// its geometry (the basis, sizing to the level area, cells to points and back, the
// cells under an object).
#include <cmath>
#include <cstdint>

#include "framework/objects/game_object.h"
#include "framework/objects/grid_geometry.h"
#include "framework/widgets/level_widget.h"

namespace {

constexpr GridCell kNoCell{-1, -1};

}  // namespace

// --- Cell costs and marks ---

vec2 cLevelWidget::GetCellSize() const { return vec2{kCellSize, kCellSize}; }

void cLevelWidget::SetCellCostAt(const GridCell& cell, int32_t code) { SetCellCost(cell.x, cell.y, code); }

void cLevelWidget::SetCellCost(int32_t x, int32_t y, int32_t code) { pathFinder_.SetSecondCost(x, y, CostOfCode(code)); }

int32_t cLevelWidget::GetCellCostAt(const GridCell& cell) const { return GetCellCost(cell.x, cell.y); }

int32_t cLevelWidget::GetCellCost(int32_t x, int32_t y) const
{
    if (IsCellBlockedXY(x, y)) return kTerrainBlockedByObject;
    return CodeOfCost(pathFinder_.GetCost(x, y, false));
}

float cLevelWidget::CostOfCode(int32_t code) const
{
    for (const TerrainCost& entry : costTable_) {
        if (entry.code == code) return entry.cost;
    }
    return cPathFinder::kOutsideCost;
}

int32_t cLevelWidget::CodeOfCost(float cost) const
{
    for (const TerrainCost& entry : costTable_) {
        if (std::fabs(entry.cost - cost) < kCostEpsilon) return entry.code;
    }
    return kTerrainImpassable;
}

void cLevelWidget::SetCellBlockedAt(const GridCell& cell, bool blocked) { SetCellBlocked(cell.x, cell.y, blocked); }

void cLevelWidget::SetCellBlocked(int32_t x, int32_t y, bool blocked)
{
    if (cPathFinder::Cell* cell = pathFinder_.GetCell(x, y)) cell->cost = blocked ? kOwnCostBlocked : kOwnCostFree;
}

bool cLevelWidget::IsCellBlocked(const GridCell& cell) const { return IsCellBlockedXY(cell.x, cell.y); }

bool cLevelWidget::IsCellBlockedXY(int32_t x, int32_t y) const
{
    const cPathFinder::Cell* cell = pathFinder_.GetCell(x, y);
    return cell != nullptr && std::fabs(cell->cost - kOwnCostBlocked) < kCostEpsilon;
}

uint32_t cLevelWidget::GetCellExtra(int32_t x, int32_t y) const
{
    const cPathFinder::Cell* cell = pathFinder_.GetCell(x, y);
    return cell != nullptr ? cell->mark : 0;
}

void cLevelWidget::SetCellExtra(int32_t x, int32_t y, uint32_t value)
{
    if (cPathFinder::Cell* cell = pathFinder_.GetCell(x, y)) cell->mark = value;
}

void cLevelWidget::CellsToPoints(const std::vector<GridCell>& cells, std::vector<vec2>& points) const
{
    points.reserve(points.size() + cells.size());
    for (const GridCell& cell : cells) points.push_back(CellToPoint(cell));
}

cObject* cLevelWidget::FindObject(const std::string& name, int32_t layer)
{
    ObjectList found;
    return FindObjectsByName(found, name, layer) > 0 ? found.front() : nullptr;
}

// --- Geometry ---

void cLevelWidget::GetGridBasis(vec2& origin, vec2& axisX, vec2& axisY) const
{
    origin = gridOrigin_;
    axisX = vec2{1.0f, 0.0f};
    axisY = vec2{0.0f, 1.0f};
}

bool cLevelWidget::Decompose(const vec2& point, float& s, float& t) const
{
    return DecomposeOnGrid(CurrentGeometry(), point, s, t);
}

GridGeometry cLevelWidget::CurrentGeometry() const
{
    GridGeometry grid;
    GetGridBasis(grid.origin, grid.axisX, grid.axisY);
    grid.cellSize = GetCellSize();
    return grid;
}

void cLevelWidget::ResizeGrid()
{
    vec2 origin;
    vec2 axisX;
    vec2 axisY;
    GetGridBasis(origin, axisX, axisY);
    int32_t columns = 0;
    int32_t rows = 0;
    // Parallel axes span no grid: the origin and the size stay as they were. SetSize
    // refuses grids too large to hold.
    if (FitGridToArea(axisX, axisY, GetCellSize(), levelWidth_, levelHeight_, gridOrigin_, columns, rows))
        pathFinder_.SetSize(columns, rows);
}

bool cLevelWidget::GetCellCorners(int32_t x, int32_t y, vec2* c00, vec2* c01, vec2* c11, vec2* c10) const
{
    GridCellCorners(CurrentGeometry(), x, y, c00, c01, c11, c10);
    return true;
}

vec2 cLevelWidget::CellToPoint(const GridCell& cell) const
{
    vec2 low;
    vec2 high;
    GetCellCorners(cell.x, cell.y, &low, nullptr, &high, nullptr);
    return (low + high) * 0.5f;
}

GridCell cLevelWidget::PointToCell(const vec2& point) const { return GridPointToCell(CurrentGeometry(), point); }

bool cLevelWidget::IsPointOnObject(const cObject* object, const vec2& point) const
{
    return IsCellOnObject(object, PointToCell(point));
}

GridCell cLevelWidget::ObjectToCell(const cObject* object) const
{
    return object != nullptr ? PointToCell(object->GetPosition()) : kNoCell;
}

bool cLevelWidget::IsCellOnObject(const cObject* object, const GridCell& cell) const
{
    GridCell first;
    GridCell last;
    if (!GetObjectCells(object, first, last)) return false;
    return first.x <= cell.x && cell.x <= last.x && first.y <= cell.y && cell.y <= last.y;
}

bool cLevelWidget::GetObjectCells(const cObject* object, GridCell& first, GridCell& last) const
{
    if (object == nullptr) return false;
    int32_t zoneWidth = 1;
    int32_t zoneHeight = 1;
    if (const auto* gameObject = dynamic_cast<const cGameObject*>(object)) {
        zoneWidth = gameObject->GetZoneWidth();
        zoneHeight = gameObject->GetZoneHeight();
    }
    return GridFootprint(CurrentGeometry(), object->GetPosition(), zoneWidth, zoneHeight, first, last);
}
