// The axes of the levels' path grid.
#include "objects/level_grid.h"

#include <cmath>
#include <numbers>

#include "framework/objects/small_math.h"

namespace {

vec2 UnitAt(float degrees)
{
    const float radians = degrees * std::numbers::pi_v<float> / 180.0f;
    vec2 axis{std::cos(radians), std::sin(radians)};
    Normalize(axis);
    return axis;
}

}  // namespace

void LevelGridAxes(vec2& axisX, vec2& axisY)
{
    axisX = UnitAt(kLevelGridAxisXDegrees);
    axisY = UnitAt(kLevelGridAxisYDegrees);
}

GridGeometry LevelGridGeometry()
{
    GridGeometry grid;
    LevelGridAxes(grid.axisX, grid.axisY);
    grid.cellSize = vec2{kLevelGridCellSize, kLevelGridCellSize};
    int32_t columns = 0;
    int32_t rows = 0;
    FitGridToArea(grid.axisX, grid.axisY, grid.cellSize, kLevelAreaWidth, kLevelAreaHeight, grid.origin, columns,
                  rows);
    return grid;
}
