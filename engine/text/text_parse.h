// Lenient number parsers and string splitters for the descriptor strings of the game
// data ("snow=64", "a;b;c"). They never fail: text that is not a number reads as 0.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vrk {

// Optional blanks, an optional sign, decimal digits; stops at the first other byte.
// Overflow wraps around in 32 bits. A null text gives 0.
int32_t StrToInt(const char* text);

// The same reading of a text that must not wrap: the number when it fits in 32 bits,
// else 0 (names and keys of scene objects, such as map point "12" or a comic frame key).
int32_t StrToIntOrZero(const std::string& text);

// Optional blanks, an optional "-", digits, optionally "." and digits; no exponent.
float StrToFloat(const std::string& text);

// Splits at the first separator: (before, after). Without one: (text, "").
std::pair<std::string, std::string> SplitPair(const std::string& text, const std::string& separator);

// Cuts at every separator; empty pieces are dropped.
std::vector<std::string> SplitString(const std::string& text, const std::string& separator);

}  // namespace vrk
