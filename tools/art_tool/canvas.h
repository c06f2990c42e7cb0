// The picture the art tool paints on: straight-alpha RGBA pixels, rows top first,
// with "source over" blending and shapes described by signed distance so that
// edges and outlines come out anti-aliased at any size.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;  // 0..1, straight alpha
};

// Parses "#RRGGBB" or "#RRGGBBAA"; false (and transparent black) otherwise.
bool ParseColor(const std::string& text, Color& color);
Color MixColor(const Color& from, const Color& to, float t);

struct ClipRect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

// Signed distance in pixels from a point to a shape's edge: negative inside.
using DistanceFunction = std::function<float(float x, float y)>;

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint32_t Pixel(int x, int y) const;  // 0xRRGGBBAA, 0 outside
    const std::vector<Color>& Pixels() const { return pixels_; }

    // Drawing is limited to the clip rectangle (the whole canvas by default).
    void SetClip(const ClipRect& clip);
    const ClipRect& Clip() const { return clip_; }

    void Blend(int x, int y, const Color& color, float coverage);
    // Paints the shape's inside (fill) and a band of the given width just inside its
    // edge (outline) over the bounding box; either colour may be transparent.
    void PaintShape(const DistanceFunction& distance, float left, float top, float right, float bottom,
                    const Color& fill, const Color& outline, float outlineWidth);
    // Paints every pixel of the box with the colour the function gives for its centre.
    void PaintField(float left, float top, float right, float bottom,
                    const std::function<Color(float x, float y)>& colorAt);

    bool WritePng(const std::string& file) const;

private:
    int width_;
    int height_;
    ClipRect clip_;
    std::vector<Color> pixels_;
};
