// A forgiving UTF-8 reader for the text the renderer draws and the fonts are built
// from: displayed text comes from scripts and files, so a bad byte must not stop
// drawing; it reads as one U+FFFD.
#pragma once
#include <cstdint>

namespace vrk {

constexpr uint32_t kReplacementCodePoint = 0xFFFD;

// Reads the code point at position (position < end) and advances past it.
inline uint32_t NextCodePoint(const char*& position, const char* end)
{
    const auto lead = static_cast<unsigned char>(*position++);
    if (lead < 0x80) return lead;
    int extra = 0;
    uint32_t code = 0;
    uint32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1; code = lead & 0x1F; minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2; code = lead & 0x0F; minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3; code = lead & 0x07; minimum = 0x10000;
    } else {
        return kReplacementCodePoint;
    }
    const char* cursor = position;
    for (int i = 0; i < extra; ++i) {
        if (cursor == end || (static_cast<unsigned char>(*cursor) & 0xC0) != 0x80) {
            return kReplacementCodePoint;  // position stays just after the lead byte
        }
        code = (code << 6) | (static_cast<unsigned char>(*cursor++) & 0x3F);
    }
    position = cursor;
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kReplacementCodePoint;
    }
    return code;
}

}  // namespace vrk
