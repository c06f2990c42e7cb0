// Point-in-rectangle and point-in-polygon tests and vec2 normalisation.
#include "framework/objects/small_math.h"

#include <utility>

bool IsPointInRect(const Rect& rect, const vec2& point)
{
    return rect.x < point.x && point.x < rect.x + rect.width && rect.y < point.y &&
           point.y < rect.y + rect.height;
}

void Normalize(vec2& v)
{
    const float length = v.Length();
    // The negated test also sends a NaN length to the zero vector.
    if (!(length > kFloatEpsilon)) {
        v = vec2{};
        return;
    }
    v /= length;
}

bool IsPointInPolygon(const std::vector<vec2>& polygon, const vec2& point)
{
    const size_t count = polygon.size();
    if (count < 3) return false;
    bool inside = false;
    for (size_t i = 0; i < count; ++i) {
        vec2 a = polygon[i];
        vec2 b = polygon[(i + 1) % count];
        if (b.x < a.x) std::swap(a, b);
        if (!(a.x < point.x && point.x <= b.x)) continue;
        if ((point.y - a.y) * (b.x - a.x) - (point.x - a.x) * (b.y - a.y) < 0.0f) inside = !inside;
    }
    return inside;
}
