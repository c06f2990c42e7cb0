// The path grid's geometry: fitting a grid to an area, cell corners and centres,
// and the cell of a point.
#include "framework/objects/grid_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Below this the two axes count as parallel.
constexpr float kParallel = 1.1920929e-7f;

float Cross(const vec2& a, const vec2& b) { return a.x * b.y - a.y * b.x; }

int32_t ClampToInt(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// First and last cell of n cells on one axis for a point this many cells from the
// origin. The corner of an even side is taken from the point's cell and where in it
// the point lies, not by rounding the distance: a point on a cell's middle then never
// falls to either corner by the last bit of its coordinates.
void FootprintRange(float cells, int32_t n, int32_t& first, int32_t& last)
{
    const int64_t half = n / 2;
    const int64_t cell = GridCellIndex(cells);
    if (n % 2 != 0) {
        first = ClampToInt(cell - half);
        last = ClampToInt(cell + half);
        return;
    }
    const float within = cells - static_cast<float>(cell);
    const int64_t corner = within < 0.5f - kFootprintTie ? cell : cell + 1;
    first = ClampToInt(corner - half);
    last = ClampToInt(corner + half - 1);
}

// The point where the line through p along d1 meets the line through q along d2;
// false when the lines are parallel.
bool Intersect(const vec2& p, const vec2& d1, const vec2& q, const vec2& d2, vec2& point)
{
    const float divisor = Cross(d1, d2);
    if (std::fabs(divisor) < kParallel) return false;
    const float s = Cross(q - p, d2) / divisor;
    point = p + d1 * s;
    return true;
}

}  // namespace

int32_t GridCellIndex(float cells)
{
    constexpr auto kLargest = static_cast<float>(std::numeric_limits<int32_t>::max() / 2);
    if (!(cells < kLargest)) return static_cast<int32_t>(kLargest);
    return static_cast<int32_t>(std::trunc(cells));
}

bool FitGridToArea(const vec2& axisX, const vec2& axisY, const vec2& cellSize, float width, float height,
                   vec2& origin, int32_t& columns, int32_t& rows)
{
    // The corner from which both axes sweep over the whole area.
    const vec2 start{axisX.y > 0.0f ? width : 0.0f, axisY.x > 0.0f ? height : 0.0f};
    vec2 newOrigin;
    if (!Intersect(vec2{start.x, 0.0f}, axisX, vec2{0.0f, start.y}, axisY, newOrigin)) return false;
    origin = newOrigin;
    vec2 farX;
    vec2 farY;
    if (!Intersect(newOrigin, axisX, vec2{width, 0.0f}, axisY, farX)) return false;
    if (!Intersect(newOrigin, axisY, vec2{width, height}, axisX, farY)) return false;
    const float columnCount = std::ceil((farX - newOrigin).Length() / cellSize.x);
    const float rowCount = std::ceil((farY - newOrigin).Length() / cellSize.y);
    if (!(columnCount >= 1.0f && rowCount >= 1.0f)) return false;
    columns = GridCellIndex(columnCount);
    rows = GridCellIndex(rowCount);
    return true;
}

void GridCellCorners(const GridGeometry& grid, int32_t x, int32_t y, vec2* c00, vec2* c01, vec2* c11, vec2* c10)
{
    const vec2 stepX = grid.axisX * grid.cellSize.x;
    const vec2 stepY = grid.axisY * grid.cellSize.y;
    const vec2 corner = grid.origin + stepX * static_cast<float>(x) + stepY * static_cast<float>(y);
    if (c00 != nullptr) *c00 = corner;
    if (c01 != nullptr) *c01 = corner + stepY;
    if (c11 != nullptr) *c11 = corner + stepX + stepY;
    if (c10 != nullptr) *c10 = corner + stepX;
}

vec2 GridCellCentre(const GridGeometry& grid, const GridCell& cell)
{
    vec2 low;
    vec2 high;
    GridCellCorners(grid, cell.x, cell.y, &low, nullptr, &high, nullptr);
    return (low + high) * 0.5f;
}

bool DecomposeOnGrid(const GridGeometry& grid, const vec2& point, float& s, float& t)
{
    const float divisor = Cross(grid.axisX, grid.axisY);
    if (std::fabs(divisor) < kParallel) return false;
    const vec2 d = point - grid.origin;
    s = Cross(d, grid.axisY) / divisor;
    t = Cross(grid.axisX, d) / divisor;
    return true;
}

GridCell GridPointToCell(const GridGeometry& grid, const vec2& point)
{
    float s = 0.0f;
    float t = 0.0f;
    if (!DecomposeOnGrid(grid, point, s, t) || !(s >= 0.0f) || !(t >= 0.0f)) return GridCell{-1, -1};
    return GridCell{GridCellIndex((grid.axisX * s).Length() / grid.cellSize.x),
                    GridCellIndex((grid.axisY * t).Length() / grid.cellSize.y)};
}

bool GridFootprint(const GridGeometry& grid, const vec2& point, int32_t width, int32_t height, GridCell& first,
                   GridCell& last)
{
    float s = 0.0f;
    float t = 0.0f;
    if (!DecomposeOnGrid(grid, point, s, t)) return false;
    FootprintRange((grid.axisX * s).Length() / grid.cellSize.x, width, first.x, last.x);
    FootprintRange((grid.axisY * t).Length() / grid.cellSize.y, height, first.y, last.y);
    return true;
}
