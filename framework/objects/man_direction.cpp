// The direction sectors of the walkers.
#include "framework/objects/man_direction.h"

#include <cmath>

namespace {
constexpr float kFullTurn = 6.2831855f;
}

int32_t DirectionIndex(const vec2& direction, int32_t count)
{
    if (count < 1) return 0;
    const float step = kFullTurn / static_cast<float>(count);
    float angle = std::atan2(direction.y, direction.x) + step * 0.5f;
    if (angle < 0.0f) angle += kFullTurn;
    const float sector = std::trunc(angle / step);
    // The angle pi sits on the upper edge of the last sector, and float rounding can
    // carry it onto the sector count itself: keep it in the last sector rather than
    // name an animation that does not exist.
    if (!(sector >= 0.0f)) return 0;
    if (sector >= static_cast<float>(count)) return count - 1;
    return static_cast<int32_t>(sector);
}
