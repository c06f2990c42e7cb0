// The font picture being built: an RGBA canvas on which glyph cells are placed in
// rows, and the glyph records that the font script lists.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct GlyphEntry {
    std::string symbol;  // UTF-8
    int u = 0;           // cell left and top in pixels
    int v = 0;
    int cu = 0;          // cell width and height
    int cv = 0;
    float width = 0.0f;
    float bearingX = 0.0f;
    float advance = 0.0f;
};

class GlyphAtlas {
public:
    // cellHeight: the font's line height; every cell is that tall.
    GlyphAtlas(int width, int cellHeight);

    // Reserves a cell of the given width; false when the canvas is full (its height
    // is fixed by Grow). u, v receive the cell's top-left corner.
    bool Place(int cellWidth, int& u, int& v);
    // Sets the canvas height (a power of two that holds every placed row).
    void Finish();

    // Blends a pixel in (premultiplication is left to the drawing: straight alpha).
    void Put(int x, int y, uint32_t rgba);
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // Writes the canvas as an 8-bit RGBA PNG; false on failure.
    bool WritePng(const std::string& file) const;

private:
    int width_;
    int cellHeight_;
    int height_ = 0;
    int penX_ = 1;
    int penY_ = 1;
    std::vector<uint32_t> pixels_;  // rows top first, grown as rows are added
};

std::string EncodeUtf8(uint32_t codePoint);
