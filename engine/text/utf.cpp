// UTF-8 / UTF-16 conversions that tolerate invalid input.
#include "engine/text/utf.h"

#include <cstdint>
#include <iterator>

#include <utf8.h>

namespace vrk {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char16_t kHighSurrogateFirst = 0xD800;
constexpr char16_t kLowSurrogateFirst = 0xDC00;
constexpr char16_t kSurrogateLast = 0xDFFF;
constexpr char32_t kSupplementaryFirst = 0x10000;
constexpr int kSurrogateBits = 10;
// Room reserved per UTF-16 unit; generous, since a unit never needs more than three bytes.
constexpr size_t kUtf8BytesPerUnit = 6;

// Decodes the code point at it and advances. An invalid sequence yields U+FFFD and
// advances by one byte, so every bad byte counts as one code point.
char32_t NextCodePoint(std::string::const_iterator& it, std::string::const_iterator end)
{
    const unsigned char lead = static_cast<unsigned char>(*it);
    if (lead < 0x80) {
        ++it;
        return lead;
    }
    auto probe = it;
    try {
        const char32_t codePoint = utf8::next(probe, end);
        it = probe;
        return codePoint;
    } catch (const utf8::exception&) {
        ++it;
        return kReplacementCharacter;
    }
}

bool IsHighSurrogate(char16_t unit)
{
    return unit >= kHighSurrogateFirst && unit < kLowSurrogateFirst;
}

bool IsLowSurrogate(char16_t unit)
{
    return unit >= kLowSurrogateFirst && unit <= kSurrogateLast;
}

void AppendUtf16(std::vector<char16_t>& out, char32_t codePoint)
{
    if (codePoint < kSupplementaryFirst) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t offset = codePoint - kSupplementaryFirst;
    out.push_back(static_cast<char16_t>(kHighSurrogateFirst + (offset >> kSurrogateBits)));
    out.push_back(static_cast<char16_t>(kLowSurrogateFirst + (offset & ((1u << kSurrogateBits) - 1))));
}

}  // namespace

std::vector<char16_t> Utf8ToWide(const std::string& text)
{
    std::vector<char16_t> wide;
    wide.reserve(text.size() + 1);
    for (auto it = text.begin(); it != text.end();)
        AppendUtf16(wide, NextCodePoint(it, text.end()));
    wide.push_back(0);
    return wide;
}

std::string WideToUtf8(const char16_t* begin, const char16_t* end)
{
    std::string text;
    if (!begin || !end || end <= begin)
        return text;
    text.reserve(static_cast<size_t>(end - begin) * kUtf8BytesPerUnit + 1);
    auto out = std::back_inserter(text);
    for (const char16_t* p = begin; p < end; ++p) {
        char32_t codePoint = *p;
        if (IsHighSurrogate(*p) && p + 1 < end && IsLowSurrogate(p[1])) {
            codePoint = kSupplementaryFirst + ((char32_t(*p) - kHighSurrogateFirst) << kSurrogateBits)
                + (char32_t(p[1]) - kLowSurrogateFirst);
            ++p;
        } else if (IsHighSurrogate(*p) || IsLowSurrogate(*p)) {
            codePoint = kReplacementCharacter;
        }
        utf8::append(static_cast<uint32_t>(codePoint), out);
    }
    return text;
}

std::string WideToUtf8(const char16_t* text)
{
    if (!text)
        return std::string();
    const char16_t* end = text;
    while (*end != 0)
        ++end;
    return WideToUtf8(text, end);
}

size_t Utf8Length(const std::string& text)
{
    size_t count = 0;
    for (auto it = text.begin(); it != text.end(); ++count)
        NextCodePoint(it, text.end());
    return count;
}

std::string Utf8Erase(const std::string& text, size_t start, size_t count)
{
    std::string result;
    result.reserve(text.size());
    size_t index = 0;
    for (auto it = text.begin(); it != text.end(); ++index) {
        const auto codePointStart = it;
        NextCodePoint(it, text.end());
        const bool erased = index >= start && index - start < count;
        if (!erased)
            result.append(codePointStart, it);
    }
    return result;
}

}  // namespace vrk
