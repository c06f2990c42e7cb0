// The art tool's own label font: 5 x 7 pixel capitals, digits and common marks,
// drawn at a whole-number scale. Small letters are drawn as capitals and any other
// character as "?", so labels never come out with holes.
#pragma once
#include <string>

#include "canvas.h"

namespace bitmap_font {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kAdvance = kGlyphWidth + 1;  // one blank column between letters

// Width and height in pixels of a one-line text at the given scale (at least 1).
int TextWidth(const std::string& text, int scale);
int TextHeight(int scale);
// True when the glyph of the character has its pixel (column, row) set.
bool GlyphBit(char character, int column, int row);

// Draws the text with its top-left corner at (left, top). With an outline colour
// that is not transparent, every lit pixel first gets a one-unit ring around it,
// which keeps labels readable on any background.
void DrawText(Canvas& canvas, const std::string& text, int left, int top, int scale, const Color& color,
              const Color& outline);

}  // namespace bitmap_font
