// Small shared math of the scene: the float rectangle, the strict point-in-rectangle
// test and the normalisation of a vec2.
#pragma once
#include "framework/objects/vec2.h"

// The float epsilon: lengths at or below it count as no direction at all.
constexpr float kFloatEpsilon = 1.1920929e-7f;

// x, y is the bottom-left corner on the y-up screen and in the world.
struct Rect {
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// Strict on all four sides: a point on an edge is outside.
bool IsPointInRect(const Rect& rect, const vec2& point);

// v becomes v / |v|, or (0, 0) when it is too short to give a direction.
void Normalize(vec2& v);
