// The geometry of a level's path grid as plain arithmetic: a grid is spanned from
// an origin by two unit axes in steps of the cell size. Sizing a grid to cover a
// level area, the corners of a cell and the cell of a point are shared by the
// level screens and the level tool, so both place cells alike.
#pragma once
#include <cstdint>

#include "framework/objects/grid_cell.h"
#include "framework/objects/vec2.h"

// How near a cell's middle (in cells) a point counts as on it when an even footprint
// picks its corner: far above float noise, far below any placement's step.
constexpr float kFootprintTie = 1.0f / 64.0f;

struct GridGeometry {
    vec2 origin;
    vec2 axisX{1.0f, 0.0f};
    vec2 axisY{0.0f, 1.0f};
    vec2 cellSize{48.0f, 48.0f};
};

// The origin and the cell counts of the grid on these axes that covers the area
// (0, 0) to (width, height). Parallel axes write nothing; an area that spans no
// cell writes the origin only. True when the counts were written.
bool FitGridToArea(const vec2& axisX, const vec2& axisY, const vec2& cellSize, float width, float height,
                   vec2& origin, int32_t& columns, int32_t& rows);
// Each output may be null: the corners (x, y), (x, y+1), (x+1, y+1), (x+1, y).
void GridCellCorners(const GridGeometry& grid, int32_t x, int32_t y, vec2* c00, vec2* c01, vec2* c11, vec2* c10);
// The middle of the cell.
vec2 GridCellCentre(const GridGeometry& grid, const GridCell& cell);
// point - origin as s * axisX + t * axisY; false when the axes are parallel.
bool DecomposeOnGrid(const GridGeometry& grid, const vec2& point, float& s, float& t);
// The cell the point lies in; (-1, -1) for points before either axis line. Cells
// beyond the grid's far edges are answered as they are: callers check the bounds.
GridCell GridPointToCell(const GridGeometry& grid, const vec2& point);
// A non-negative cell coordinate from a distance in cells; points far beyond the
// grid stay far beyond it instead of wrapping into it.
int32_t GridCellIndex(float cells);
// The first and last cell under an object of width x height cells standing at the
// point (false when the axes are parallel). Along an odd side they are the cells
// round the point's cell; along an even side the cells round the cell corner nearest
// the point, where a point within kFootprintTie cells of a cell's middle counts as
// on it and goes to the corner after that cell, so float noise never picks the corner.
bool GridFootprint(const GridGeometry& grid, const vec2& point, int32_t width, int32_t height, GridCell& first,
                   GridCell& last);
