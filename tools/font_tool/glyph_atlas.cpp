// GlyphAtlas: row packing of glyph cells and the PNG writer of the font picture.
#include "glyph_atlas.h"

#include <png.h>

#include <cstdio>

namespace {
constexpr int kPadding = 1;  // empty pixels between cells, so filtering never bleeds
}

GlyphAtlas::GlyphAtlas(int width, int cellHeight) : width_(width), cellHeight_(cellHeight) {}

bool GlyphAtlas::Place(int cellWidth, int& u, int& v)
{
    if (cellWidth + 2 * kPadding > width_) return false;
    if (penX_ + cellWidth + kPadding > width_) {
        penX_ = kPadding;
        penY_ += cellHeight_ + kPadding;
    }
    u = penX_;
    v = penY_;
    penX_ += cellWidth + kPadding;
    const size_t needed = static_cast<size_t>(width_) * static_cast<size_t>(penY_ + cellHeight_ + kPadding);
    if (pixels_.size() < needed) pixels_.resize(needed, 0);
    return true;
}

void GlyphAtlas::Finish()
{
    const int used = penY_ + cellHeight_ + kPadding;
    height_ = 1;
    while (height_ < used) height_ *= 2;
    pixels_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
}

void GlyphAtlas::Put(int x, int y, uint32_t rgba)
{
    if (x < 0 || y < 0 || x >= width_) return;
    const size_t index = static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    if (index >= pixels_.size()) return;
    pixels_[index] = rgba;
}

bool GlyphAtlas::WritePng(const std::string& file) const
{
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(out);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width_), static_cast<png_uint_32>(height_), 8,
                 PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width_) * 4);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const uint32_t pixel = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
            for (int channel = 0; channel < 4; ++channel) {
                row[static_cast<size_t>(x) * 4 + static_cast<size_t>(channel)] =
                    static_cast<png_byte>(pixel >> (24 - 8 * channel));
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0;
}

std::string EncodeUtf8(uint32_t codePoint)
{
    std::string out;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}
