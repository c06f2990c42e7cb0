// Point-in-rectangle test and vec2 normalisation.
#include "framework/objects/small_math.h"

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
