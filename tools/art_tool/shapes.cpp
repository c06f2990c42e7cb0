// Shape distance functions for the canvas.
#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

DistanceFunction BoxShape(float x, float y, float w, float h, float radius)
{
    const float halfW = w * 0.5f;
    const float halfH = h * 0.5f;
    const float r = std::clamp(radius, 0.0f, std::min(halfW, halfH));
    const float cx = x + halfW;
    const float cy = y + halfH;
    return [=](float px, float py) {
        const float qx = std::fabs(px - cx) - (halfW - r);
        const float qy = std::fabs(py - cy) - (halfH - r);
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - r;
    };
}

DistanceFunction EllipseShape(float cx, float cy, float rx, float ry)
{
    // Scaled circle distance: exact for circles, close enough near the edge of
    // ellipses, which is all the anti-aliasing and thin outlines need.
    const float minRadius = std::max(0.001f, std::min(rx, ry));
    return [=](float px, float py) {
        const float nx = (px - cx) / std::max(rx, 0.001f);
        const float ny = (py - cy) / std::max(ry, 0.001f);
        return (std::sqrt(nx * nx + ny * ny) - 1.0f) * minRadius;
    };
}

DistanceFunction RingShape(float cx, float cy, float radius, float width)
{
    return [=](float px, float py) { return std::fabs(std::hypot(px - cx, py - cy) - radius) - width * 0.5f; };
}

DistanceFunction SegmentShape(Point a, Point b, float width)
{
    return [=](float px, float py) {
        const float abx = b.x - a.x;
        const float aby = b.y - a.y;
        const float lengthSquared = abx * abx + aby * aby;
        float t = lengthSquared > 0.0f ? ((px - a.x) * abx + (py - a.y) * aby) / lengthSquared : 0.0f;
        t = std::clamp(t, 0.0f, 1.0f);
        return std::hypot(px - (a.x + abx * t), py - (a.y + aby * t)) - width * 0.5f;
    };
}

DistanceFunction PolygonShape(std::vector<Point> points)
{
    return [points = std::move(points)](float px, float py) {
        if (points.size() < 3) return 1.0f;
        float best = 1e30f;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            const float ex = b.x - a.x;
            const float ey = b.y - a.y;
            const float wx = px - a.x;
            const float wy = py - a.y;
            const float lengthSquared = ex * ex + ey * ey;
            const float t = lengthSquared > 0.0f ? std::clamp((wx * ex + wy * ey) / lengthSquared, 0.0f, 1.0f) : 0.0f;
            best = std::min(best, std::hypot(wx - ex * t, wy - ey * t));
            // Even-odd crossing test for the sign.
            if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) inside = !inside;
        }
        return inside ? -best : best;
    };
}

std::vector<Point> StarPoints(float cx, float cy, float outer, float inner, int points, float rotation)
{
    std::vector<Point> corners;
    const int count = std::clamp(points, 2, 64);
    const float start = (rotation - 90.0f) * std::numbers::pi_v<float> / 180.0f;
    for (int i = 0; i < count * 2; ++i) {
        const float angle = start + static_cast<float>(i) * std::numbers::pi_v<float> / static_cast<float>(count);
        const float radius = (i % 2 == 0) ? outer : inner;
        corners.push_back({cx + radius * std::cos(angle), cy + radius * std::sin(angle)});
    }
    return corners;
}
