// Parsing of the "^" colour codes of displayed text.
#include "engine/text/color_code.h"

namespace vrk {

const std::string kRedColorCode = "^FF0000FF";

namespace {

constexpr int kFullCodeDigits = 8;
constexpr uint32_t kOpaqueBlack = 0xFF000000u;
constexpr uint32_t kPaletteRed = 0x00FF0000u;
constexpr uint32_t kPaletteGreen = 0x0000FF00u;
constexpr uint32_t kPaletteBlue = 0x000000FFu;

// The value of a hexadecimal digit, -1 for any other byte. A byte of a multi-byte UTF-8
// sequence is never a digit, so reading bytes stops where reading code points would.
int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

uint32_t PaletteColor(int digit)
{
    uint32_t color = kOpaqueBlack;
    if (digit & 4) color |= kPaletteRed;
    if (digit & 2) color |= kPaletteGreen;
    if (digit & 1) color |= kPaletteBlue;
    return color;
}

}  // namespace

bool ParseColorCode(uint32_t* colorOut, const char*& position, const char* end, uint32_t baseColor)
{
    const char* p = position;
    if (!p || p >= end)
        return false;
    if (*p == '^') {
        if (colorOut) *colorOut = baseColor;
        position = p + 1;
        return true;
    }
    uint32_t rgba = 0;
    int digits = 0;
    while (digits < kFullCodeDigits && p < end && HexValue(*p) >= 0) {
        rgba = (rgba << 4) | static_cast<uint32_t>(HexValue(*p));
        ++digits;
        ++p;
    }
    if (digits == kFullCodeDigits) {
        // RRGGBBAA in the text, AARRGGBB in memory.
        if (colorOut) *colorOut = (rgba >> 8) | (rgba << 24);
        position = p;
        return true;
    }
    const char first = *position;
    if (digits > 0 && first >= '0' && first <= '7') {
        if (colorOut) *colorOut = PaletteColor(first - '0');
        position = position + 1;
        return true;
    }
    return false;
}

}  // namespace vrk
