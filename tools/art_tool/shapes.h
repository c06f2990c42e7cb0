// Signed distance functions of the shapes the manifest can draw, in pixels with
// y pointing down, as the canvas expects them.
#pragma once
#include <vector>

#include "canvas.h"

struct Point {
    float x = 0.0f, y = 0.0f;
};

// A box with corners rounded by radius (0 gives sharp corners).
DistanceFunction BoxShape(float x, float y, float w, float h, float radius);
DistanceFunction EllipseShape(float cx, float cy, float rx, float ry);
// A circular band of the given width centred on the radius.
DistanceFunction RingShape(float cx, float cy, float radius, float width);
// A straight stroke with round ends.
DistanceFunction SegmentShape(Point a, Point b, float width);
// Any simple polygon; the point order does not matter.
DistanceFunction PolygonShape(std::vector<Point> points);

// The corner points of a star with the given number of points, the first one
// straight up when rotation is 0 (degrees, clockwise).
std::vector<Point> StarPoints(float cx, float cy, float outer, float inner, int points, float rotation);
