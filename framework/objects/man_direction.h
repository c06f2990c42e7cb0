// DirectionIndex: the sector of a direction when the circle is cut into equal
// sectors, the first centred on angle 0; walkers pick their directional animation
// ("walk0" ... "walk7") by it.
#pragma once
#include <cstdint>

#include "framework/objects/vec2.h"

// 0 .. count - 1, counted anticlockwise from the positive x axis. A count below 1
// or a direction that is not a number gives 0.
int32_t DirectionIndex(const vec2& direction, int32_t count);
