// Conversions between the engine's UTF-8 strings and UTF-16 text, and code-point counting.
// Invalid input never throws: a bad UTF-8 byte counts as one code point (and converts to
// U+FFFD), a lone UTF-16 surrogate converts to U+FFFD.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace vrk {

// UTF-16 units ending in a 0 unit.
std::vector<char16_t> Utf8ToWide(const std::string& text);
// From the units in [begin, end); surrogate pairs are joined.
std::string WideToUtf8(const char16_t* begin, const char16_t* end);
// From a text ending in a 0 unit; a null text gives "".
std::string WideToUtf8(const char16_t* text);

// Number of code points.
size_t Utf8Length(const std::string& text);
// A copy of text without the count code points that begin at code-point index start.
std::string Utf8Erase(const std::string& text, size_t start, size_t count);

}  // namespace vrk
