// GridCell: the column and row of one cell of the level's path grid.
#pragma once
#include <cstdint>

struct GridCell {
    int32_t x = 0;
    int32_t y = 0;
};

constexpr bool operator==(const GridCell& a, const GridCell& b) { return a.x == b.x && a.y == b.y; }
constexpr bool operator!=(const GridCell& a, const GridCell& b) { return !(a == b); }
