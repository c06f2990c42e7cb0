// Small shared math of the scene: the float rectangle, the strict point-in-rectangle
// test, the point-in-polygon test of hit outlines and the normalisation of a vec2.
#pragma once
#include <vector>

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

// Even-odd test against the closed outline (the last point may repeat the first).
// An edge counts when, with a its end of smaller x and b the other, a.x < p.x <= b.x
// and p lies below the line from a to b. Fewer than 3 points contain nothing.
bool IsPointInPolygon(const std::vector<vec2>& polygon, const vec2& point);
