// Lenient number parsers and string splitters.
#include "engine/text/text_parse.h"

#include <charconv>

namespace vrk {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

int32_t StrToInt(const char* text)
{
    if (!text)
        return 0;
    while (*text == ' ' || *text == '\t')
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    // Unsigned arithmetic: an overlong number wraps around instead of overflowing.
    uint32_t value = 0;
    for (; IsDigit(*text); ++text)
        value = value * 10u + static_cast<uint32_t>(*text - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

float StrToFloat(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
        ++i;
    float sign = 1.0f;
    if (i < text.size() && text[i] == '-') {
        sign = -1.0f;
        ++i;
    }
    float value = 0.0f;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10.0f + static_cast<float>(text[i] - '0');
    float result = sign * value;
    if (i < text.size() && text[i] == '.') {
        float scale = sign;
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            scale *= 0.1f;
            result += static_cast<float>(text[i] - '0') * scale;
        }
    }
    return result;
}

std::pair<std::string, std::string> SplitPair(const std::string& text, const std::string& separator)
{
    const size_t at = separator.empty() ? std::string::npos : text.find(separator);
    if (at == std::string::npos)
        return {text, std::string()};
    // Callers pass one-character separators; the rest starts one byte past the match.
    return {text.substr(0, at), text.substr(at + 1)};
}

std::vector<std::string> SplitString(const std::string& text, const std::string& separator)
{
    std::vector<std::string> pieces;
    if (separator.empty()) {
        // Nothing to cut at; searching for "" would never advance.
        if (!text.empty())
            pieces.push_back(text);
        return pieces;
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t at = text.find(separator, start);
        if (at == std::string::npos)
            at = text.size();
        if (at > start)
            pieces.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    return pieces;
}

int32_t StrToIntOrZero(const std::string& text)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin != end && (*begin == ' ' || *begin == '\t')) ++begin;
    if (begin != end && *begin == '+') ++begin;
    int32_t value = 0;
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() ? value : 0;
}

}  // namespace vrk
