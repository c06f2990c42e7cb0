// The shapes of the drawing recipes.
#include "recipe_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "bitmap_font.h"
#include "lua_table.h"
#include "shapes.h"

using lua_table::ColorField;
using lua_table::Number;
using lua_table::Text;

namespace {

constexpr float kDefaultOutline = 1.0f;

}  // namespace

int RecipePainter::Paint(lua_State* lua, const char* context)
{
    if (!lua_istable(lua, -1)) return 0;
    const size_t count = lua_objlen(lua, -1);
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(lua, -1, static_cast<int>(i));
        if (lua_istable(lua, -1)) {
            PaintOne(lua, Text(lua, "op"), context);
        } else {
            std::fprintf(stderr, "art_tool: warning: %s: recipe entry %zu is not a table\n", context, i);
            ++unknown_;
        }
        lua_pop(lua, 1);
    }
    return unknown_;
}

void RecipePainter::PaintOne(lua_State* lua, const std::string& op, const char* context)
{
    const Color fill = ColorField(lua, "fill");
    const Color outline = ColorField(lua, "outline");
    const float width = Number(lua, "width", kDefaultOutline);
    const float ox = offsetX_;
    const float oy = offsetY_;
    if (op == "rect") {
        const float x = Number(lua, "x", 0) + ox, y = Number(lua, "y", 0) + oy;
        const float w = Number(lua, "w", 0), h = Number(lua, "h", 0);
        canvas_.PaintShape(BoxShape(x, y, w, h, Number(lua, "r", 0)), x, y, x + w, y + h, fill, outline, width);
    } else if (op == "circle" || op == "ellipse") {
        const float cx = Number(lua, "cx", 0) + ox, cy = Number(lua, "cy", 0) + oy;
        const float rx = Number(lua, op == "circle" ? "r" : "rx", 0);
        const float ry = op == "circle" ? rx : Number(lua, "ry", 0);
        canvas_.PaintShape(EllipseShape(cx, cy, rx, ry), cx - rx, cy - ry, cx + rx, cy + ry, fill, outline, width);
    } else if (op == "ring") {
        const float cx = Number(lua, "cx", 0) + ox, cy = Number(lua, "cy", 0) + oy;
        const float r = Number(lua, "r", 0), reach = r + width;
        canvas_.PaintShape(RingShape(cx, cy, r, width), cx - reach, cy - reach, cx + reach, cy + reach,
                           ColorField(lua, "color"), Color{}, 0.0f);
    } else if (op == "line") {
        const Point a{Number(lua, "x1", 0) + ox, Number(lua, "y1", 0) + oy};
        const Point b{Number(lua, "x2", 0) + ox, Number(lua, "y2", 0) + oy};
        canvas_.PaintShape(SegmentShape(a, b, width), std::min(a.x, b.x) - width, std::min(a.y, b.y) - width,
                           std::max(a.x, b.x) + width, std::max(a.y, b.y) + width, ColorField(lua, "color"),
                           Color{}, 0.0f);
    } else if (op == "poly" || op == "star") {
        std::vector<Point> points;
        if (op == "star") {
            const float r = Number(lua, "r", 0);
            points = StarPoints(Number(lua, "cx", 0) + ox, Number(lua, "cy", 0) + oy, r,
                                Number(lua, "inner", r * 0.45f), static_cast<int>(Number(lua, "points", 5)),
                                Number(lua, "rotation", 0));
        } else {
            const std::vector<float> xy = lua_table::Numbers(lua, "points");
            for (size_t i = 0; i + 1 < xy.size(); i += 2) points.push_back({xy[i] + ox, xy[i + 1] + oy});
        }
        if (points.size() < 3) return;
        float left = points[0].x, right = left, top = points[0].y, bottom = top;
        for (const Point& p : points) {
            left = std::min(left, p.x), right = std::max(right, p.x);
            top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        }
        canvas_.PaintShape(PolygonShape(std::move(points)), left, top, right, bottom, fill, outline, width);
    } else if (op == "glow") {
        const float cx = Number(lua, "cx", 0) + ox, cy = Number(lua, "cy", 0) + oy;
        const float r = std::max(Number(lua, "r", 0), 0.001f);
        const float power = Number(lua, "power", 1.0f);
        const Color color = ColorField(lua, "color");
        canvas_.PaintField(cx - r, cy - r, cx + r, cy + r, [&](float x, float y) {
            const float t = std::max(0.0f, 1.0f - std::hypot(x - cx, y - cy) / r);
            return Color{color.r, color.g, color.b, color.a * std::pow(t, power)};
        });
    } else if (op == "gradient") {
        PaintGradient(lua);
    } else if (op == "frame") {
        PaintFrame(lua);
    } else if (op == "label") {
        PaintLabel(lua);
    } else if (op == "speckle") {
        PaintSpeckle(lua);
    } else if (op == "group") {
        PaintGroup(lua, context);
    } else {
        std::fprintf(stderr, "art_tool: warning: %s: unknown shape \"%s\"\n", context, op.c_str());
        ++unknown_;
    }
}

void RecipePainter::PaintGroup(lua_State* lua, const char* context)
{
    const float savedX = offsetX_, savedY = offsetY_;
    const ClipRect savedClip = canvas_.Clip();
    offsetX_ += Number(lua, "dx", 0);
    offsetY_ += Number(lua, "dy", 0);
    const std::vector<float> clip = lua_table::Numbers(lua, "clip");
    if (clip.size() == 4) {
        const int left = static_cast<int>(std::floor(offsetX_ + clip[0]));
        const int top = static_cast<int>(std::floor(offsetY_ + clip[1]));
        canvas_.SetClip({std::max(left, savedClip.left), std::max(top, savedClip.top),
                         std::min(left + static_cast<int>(clip[2]), savedClip.right),
                         std::min(top + static_cast<int>(clip[3]), savedClip.bottom)});
    }
    if (lua_table::PushTable(lua, "ops")) {
        Paint(lua, context);
        lua_pop(lua, 1);
    }
    canvas_.SetClip(savedClip);
    offsetX_ = savedX;
    offsetY_ = savedY;
}

void RecipePainter::PaintFrame(lua_State* lua)
{
    // A panel made for nine-slice stretching: a rounded rim, a body shaded from a
    // light top to the fill colour, and a one-pixel highlight under the rim. All
    // detail stays inside the border so that stretched edges keep their look.
    const float x = Number(lua, "x", 0) + offsetX_, y = Number(lua, "y", 0) + offsetY_;
    const float w = Number(lua, "w", 0), h = Number(lua, "h", 0);
    const float border = Number(lua, "border", 8);
    const float radius = Number(lua, "r", border * 0.75f);
    const float rim = Number(lua, "rim", std::max(2.0f, border * 0.25f));
    const Color edge = ColorField(lua, "edge");
    const Color fill = ColorField(lua, "fill");
    Color light = ColorField(lua, "light");
    if (light.a <= 0.0f) light = MixColor(fill, Color{1, 1, 1, fill.a}, 0.35f);
    canvas_.PaintShape(BoxShape(x, y, w, h, radius), x, y, x + w, y + h, edge, Color{}, 0.0f);
    const float ix = x + rim, iy = y + rim, iw = w - 2 * rim, ih = h - 2 * rim;
    const DistanceFunction body = BoxShape(ix, iy, iw, ih, std::max(0.0f, radius - rim));
    const float shadeHeight = std::max(1.0f, std::min(border, ih * 0.5f));
    canvas_.PaintShape(body, ix, iy, ix + iw, iy + ih, fill, Color{}, 0.0f);
    canvas_.PaintField(ix, iy, ix + iw, iy + shadeHeight, [&](float px, float py) {
        const float t = (py - iy) / shadeHeight;
        Color c = MixColor(light, fill, t);
        if (body(px, py) >= 0.0f) c.a = 0.0f;
        return c;
    });
    const Color shine = ColorField(lua, "shine");
    if (shine.a > 0.0f) {
        canvas_.PaintShape(SegmentShape({ix + radius, iy + 1.0f}, {ix + iw - radius, iy + 1.0f}, 1.0f), ix, iy,
                           ix + iw, iy + 2.0f, shine, Color{}, 0.0f);
    }
}

void RecipePainter::PaintLabel(lua_State* lua)
{
    const std::string text = Text(lua, "text");
    const int scale = std::max(1, static_cast<int>(Number(lua, "scale", 1)));
    const std::string align = Text(lua, "align", "left");
    const std::string valign = Text(lua, "valign", "top");
    float x = Number(lua, "x", 0) + offsetX_;
    float y = Number(lua, "y", 0) + offsetY_;
    const float width = static_cast<float>(bitmap_font::TextWidth(text, scale));
    if (align == "center") x -= width * 0.5f;
    if (align == "right") x -= width;
    if (valign == "middle") y -= static_cast<float>(bitmap_font::TextHeight(scale)) * 0.5f;
    if (valign == "bottom") y -= static_cast<float>(bitmap_font::TextHeight(scale));
    Color color = ColorField(lua, "color");
    if (Text(lua, "color").empty()) color = {1, 1, 1, 1};
    bitmap_font::DrawText(canvas_, text, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), scale,
                          color, ColorField(lua, "outline"));
}

void RecipePainter::PaintGradient(lua_State* lua)
{
    const float x = Number(lua, "x", 0) + offsetX_, y = Number(lua, "y", 0) + offsetY_;
    const float w = std::max(Number(lua, "w", 0), 0.001f), h = std::max(Number(lua, "h", 0), 0.001f);
    const Color from = ColorField(lua, "from");
    const Color to = ColorField(lua, "to");
    const std::string direction = Text(lua, "direction", "down");
    canvas_.PaintField(x, y, x + w, y + h, [&](float px, float py) {
        float t = (py - y) / h;
        if (direction == "right") t = (px - x) / w;
        if (direction == "radial") {
            t = std::min(1.0f, std::hypot((px - x - w * 0.5f) / (w * 0.5f), (py - y - h * 0.5f) / (h * 0.5f)));
        }
        return MixColor(from, to, t);
    });
}

void RecipePainter::PaintSpeckle(lua_State* lua)
{
    // Scattered dots from a fixed-seed generator: texture for grass, stone or
    // snow that comes out the same on every run.
    const float x = Number(lua, "x", 0) + offsetX_, y = Number(lua, "y", 0) + offsetY_;
    const float w = Number(lua, "w", 0), h = Number(lua, "h", 0);
    const int count = std::clamp(static_cast<int>(Number(lua, "count", 50)), 0, 100000);
    const float size = Number(lua, "size", 1.5f);
    const Color color = ColorField(lua, "color");
    uint32_t seed = static_cast<uint32_t>(Number(lua, "seed", 1));
    const auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / static_cast<float>(1u << 24);
    };
    for (int i = 0; i < count; ++i) {
        const float cx = x + next() * w, cy = y + next() * h, r = size * (0.5f + next());
        canvas_.PaintShape(EllipseShape(cx, cy, r, r), cx - r, cy - r, cx + r, cy + r, color, Color{}, 0.0f);
    }
}
