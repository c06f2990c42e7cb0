// Splits typed text into the characters the game receives one by one.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace port {

// The code points of UTF-8 text, one per character message. The game keeps characters
// in 16 bits, so code points above 0xFFFF are dropped; so are malformed sequences
// (stray continuation bytes, overlong forms, surrogates, cut-off tails), byte by byte,
// so one bad byte never swallows the good characters after it.
std::vector<std::uint32_t> CharacterCodePoints(std::string_view utf8);

}  // namespace port
