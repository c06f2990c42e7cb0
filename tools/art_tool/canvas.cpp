// Canvas painting and PNG output.
#include "canvas.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

// Sub-pixel samples per axis for edge coverage: 4 x 4 gives 17 coverage levels,
// plenty for placeholder art and still quick on 1024-pixel pictures.
constexpr int kSamplesPerAxis = 4;
// More than the farthest sample's distance from its pixel's centre (0.53).
constexpr float kSampleReach = 1.0f;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

uint8_t ToByte(float value)
{
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

bool ParseColor(const std::string& text, Color& color)
{
    color = Color{};
    if ((text.size() != 7 && text.size() != 9) || text[0] != '#') return false;
    float channels[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const int high = HexDigit(text[i + 1]);
        const int low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0) return false;
        channels[i / 2] = static_cast<float>(high * 16 + low) / 255.0f;
    }
    color = {channels[0], channels[1], channels[2], channels[3]};
    return true;
}

Color MixColor(const Color& from, const Color& to, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), clip_{0, 0, width, height},
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height))
{
}

uint32_t Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const Color& c = pixels_[static_cast<size_t>(y) * width_ + x];
    return (uint32_t{ToByte(c.r)} << 24) | (uint32_t{ToByte(c.g)} << 16) | (uint32_t{ToByte(c.b)} << 8) |
           ToByte(c.a);
}

void Canvas::SetClip(const ClipRect& clip)
{
    clip_.left = std::clamp(clip.left, 0, width_);
    clip_.top = std::clamp(clip.top, 0, height_);
    clip_.right = std::clamp(clip.right, clip_.left, width_);
    clip_.bottom = std::clamp(clip.bottom, clip_.top, height_);
}

void Canvas::Blend(int x, int y, const Color& color, float coverage)
{
    if (x < clip_.left || y < clip_.top || x >= clip_.right || y >= clip_.bottom) return;
    const float alpha = std::clamp(color.a * coverage, 0.0f, 1.0f);
    if (alpha <= 0.0f) return;
    Color& dst = pixels_[static_cast<size_t>(y) * width_ + x];
    const float outAlpha = alpha + dst.a * (1.0f - alpha);
    const auto over = [&](float src, float below) {
        return (src * alpha + below * dst.a * (1.0f - alpha)) / outAlpha;
    };
    dst = {over(color.r, dst.r), over(color.g, dst.g), over(color.b, dst.b), outAlpha};
}

void Canvas::PaintShape(const DistanceFunction& distance, float left, float top, float right, float bottom,
                        const Color& fill, const Color& outline, float outlineWidth)
{
    const int x0 = std::max(clip_.left, static_cast<int>(std::floor(left)) - 1);
    const int y0 = std::max(clip_.top, static_cast<int>(std::floor(top)) - 1);
    const int x1 = std::min(clip_.right, static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(clip_.bottom, static_cast<int>(std::ceil(bottom)) + 1);
    const bool hasOutline = outline.a > 0.0f && outlineWidth > 0.0f;
    constexpr float kStep = 1.0f / kSamplesPerAxis;
    constexpr float kSampleWeight = 1.0f / (kSamplesPerAxis * kSamplesPerAxis);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            float inside = 0.0f;
            float band = 0.0f;
            // The shapes' distances grow at most a pixel per pixel, and no sample lies
            // farther than kSampleReach from the pixel's centre: a centre well outside
            // (or well inside, past the outline) decides every sample alike, with the
            // very sums the samples would give. Large pictures paint many times faster.
            const float centre = distance(x + 0.5f, y + 0.5f);
            if (centre >= kSampleReach) continue;
            if (centre <= -kSampleReach && (!hasOutline || centre <= -outlineWidth - kSampleReach)) {
                if (fill.a > 0.0f) Blend(x, y, fill, 1.0f);
                continue;
            }
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const float d = distance(x + (sx + 0.5f) * kStep, y + (sy + 0.5f) * kStep);
                    if (d >= 0.0f) continue;
                    inside += kSampleWeight;
                    if (hasOutline && d > -outlineWidth) band += kSampleWeight;
                }
            }
            if (inside <= 0.0f) continue;
            if (fill.a > 0.0f) Blend(x, y, fill, inside - band);
            if (hasOutline && band > 0.0f) Blend(x, y, outline, band);
        }
    }
}

void Canvas::PaintField(float left, float top, float right, float bottom,
                        const std::function<Color(float x, float y)>& colorAt)
{
    const int x0 = std::max(clip_.left, static_cast<int>(std::floor(left)));
    const int y0 = std::max(clip_.top, static_cast<int>(std::floor(top)));
    const int x1 = std::min(clip_.right, static_cast<int>(std::ceil(right)));
    const int y1 = std::min(clip_.bottom, static_cast<int>(std::ceil(bottom)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) Blend(x, y, colorAt(x + 0.5f, y + 0.5f), 1.0f);
    }
}

bool Canvas::WritePng(const std::string& file) const
{
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(file.c_str(), "wb"), &std::fclose);
    if (!out) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<uint8_t> rows(static_cast<size_t>(width_) * height_ * 4);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Color& c = pixels_[static_cast<size_t>(y) * width_ + x];
            uint8_t* p = &rows[(static_cast<size_t>(y) * width_ + x) * 4];
            // Fully transparent pixels are stored as black so the file compresses well.
            const bool clear = ToByte(c.a) == 0;
            p[0] = clear ? 0 : ToByte(c.r);
            p[1] = clear ? 0 : ToByte(c.g);
            p[2] = clear ? 0 : ToByte(c.b);
            p[3] = ToByte(c.a);
        }
    }
    std::vector<png_bytep> rowPointers(height_);
    for (int y = 0; y < height_; ++y) rowPointers[y] = &rows[static_cast<size_t>(y) * width_ * 4];
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out.get());
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, width_, height_, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}
