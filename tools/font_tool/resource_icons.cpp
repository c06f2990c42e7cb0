// Resource icons: each shape is sampled 4 x 4 times per pixel for smooth edges.
#include "resource_icons.h"

#include <cmath>
#include <functional>

namespace {

constexpr int kSamples = 4;

struct Rgb {
    uint32_t r, g, b;
};

// A shape answers the colour at a point of the unit square, or false outside it.
using Shape = std::function<bool(float x, float y, Rgb& color)>;

bool InCircle(float x, float y, float cx, float cy, float radius)
{
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool Wood(float x, float y, Rgb& color)
{
    // A log lying on its side: bark body with a light cut face on the right.
    if (InCircle(x, y, 0.78f, 0.55f, 0.22f)) {
        color = InCircle(x, y, 0.78f, 0.55f, 0.08f) ? Rgb{150, 100, 50} : Rgb{222, 184, 120};
        return true;
    }
    if (x >= 0.12f && x <= 0.78f && y >= 0.33f && y <= 0.77f) {
        color = Rgb{120, 72, 32};
        return true;
    }
    return InCircle(x, y, 0.12f, 0.55f, 0.22f) && (color = Rgb{120, 72, 32}, true);
}

bool Food(float x, float y, Rgb& color)
{
    // An apple with a leaf.
    if (x > 0.52f && x < 0.8f && y > 0.05f && y < 0.25f && InCircle(x, y, 0.66f, 0.15f, 0.12f)) {
        color = Rgb{60, 160, 50};
        return true;
    }
    if (InCircle(x, y, 0.38f, 0.58f, 0.32f) || InCircle(x, y, 0.62f, 0.58f, 0.32f)) {
        color = InCircle(x, y, 0.35f, 0.45f, 0.08f) ? Rgb{255, 150, 150} : Rgb{210, 30, 30};
        return true;
    }
    return false;
}

bool Money(float x, float y, Rgb& color)
{
    // A gold coin with a darker rim.
    if (!InCircle(x, y, 0.5f, 0.5f, 0.45f)) return false;
    color = InCircle(x, y, 0.5f, 0.5f, 0.33f) ? Rgb{255, 210, 40} : Rgb{190, 140, 20};
    return true;
}

bool Mana(float x, float y, Rgb& color)
{
    // A blue crystal: a diamond with a lighter left facet.
    const float dx = std::fabs(x - 0.5f);
    const float dy = std::fabs(y - 0.5f);
    if (dx / 0.32f + dy / 0.47f > 1.0f) return false;
    color = x < 0.5f ? Rgb{110, 170, 255} : Rgb{40, 90, 220};
    return true;
}

const Shape kShapes[4] = {Wood, Food, Money, Mana};

}  // namespace

void DrawResourceIcon(GlyphAtlas& atlas, int index, int left, int top, int size)
{
    if (index < 0 || index >= 4 || size <= 0) return;
    const Shape& shape = kShapes[index];
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            uint32_t r = 0, g = 0, b = 0, hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float x = (static_cast<float>(px) + (static_cast<float>(sx) + 0.5f) / kSamples) / static_cast<float>(size);
                    const float y = (static_cast<float>(py) + (static_cast<float>(sy) + 0.5f) / kSamples) / static_cast<float>(size);
                    Rgb color{};
                    if (!shape(x, y, color)) continue;
                    r += color.r;
                    g += color.g;
                    b += color.b;
                    ++hits;
                }
            }
            if (hits == 0) continue;
            const uint32_t alpha = hits * 255 / (kSamples * kSamples);
            atlas.Put(left + px, top + py, ((r / hits) << 24) | ((g / hits) << 16) | ((b / hits) << 8) | alpha);
        }
    }
}
