// Parsing of the "^" colour codes.
#include "engine/text/color_code.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kBase = 0x12345678u;
constexpr uint32_t kUntouched = 0xDEADBEEFu;

struct ColorCase {
    const char* text;  // what follows the "^"
    bool recognised;
    uint32_t color;
    size_t consumed;   // bytes the position moves on
};

class ParseColorCodeTable : public testing::TestWithParam<ColorCase> {};

TEST_P(ParseColorCodeTable, DecidesColourAndPosition)
{
    const ColorCase& c = GetParam();
    const char* begin = c.text;
    const char* end = begin + std::strlen(begin);

    uint32_t color = kUntouched;
    const char* position = begin;
    EXPECT_EQ(vrk::ParseColorCode(&color, position, end, kBase), c.recognised);
    EXPECT_EQ(static_cast<size_t>(position - begin), c.consumed);
    EXPECT_EQ(color, c.recognised ? c.color : kUntouched);

    // Without a colour out the result and the position are the same.
    const char* position2 = begin;
    EXPECT_EQ(vrk::ParseColorCode(nullptr, position2, end, kBase), c.recognised);
    EXPECT_EQ(position2, position);
}

INSTANTIATE_TEST_SUITE_P(Table, ParseColorCodeTable, testing::Values(
    ColorCase{"FF0000FFtext", true, 0xFFFF0000u, 8},
    ColorCase{"11223344", true, 0x44112233u, 8},
    ColorCase{"aabbccdd9", true, 0xDDAABBCCu, 8},
    ColorCase{"4x", true, 0xFFFF0000u, 1},
    ColorCase{"12", true, 0xFF0000FFu, 1},
    ColorCase{"0", true, 0xFF000000u, 1},
    ColorCase{"2", true, 0xFF00FF00u, 1},
    ColorCase{"3", true, 0xFF00FFFFu, 1},
    ColorCase{"5", true, 0xFFFF00FFu, 1},
    ColorCase{"6", true, 0xFFFFFF00u, 1},
    ColorCase{"7", true, 0xFFFFFFFFu, 1},
    ColorCase{"7FFFFFF", true, 0xFFFFFFFFu, 1},
    ColorCase{"^rest", true, kBase, 1},
    ColorCase{"9z", false, 0, 0},
    ColorCase{"8", false, 0, 0},
    ColorCase{"FF", false, 0, 0},
    ColorCase{"z", false, 0, 0},
    ColorCase{"", false, 0, 0},
    ColorCase{"\xC3\xA4", false, 0, 0},
    ColorCase{"\xFF\xFE", false, 0, 0}));

TEST(ParseColorCode, StopsAtEndEvenInsideLongerText)
{
    const char* text = "FF0000FF";
    const char* position = text;
    uint32_t color = kUntouched;
    // Only four digits lie before end; a palette digit needs '0'-'7' first.
    EXPECT_FALSE(vrk::ParseColorCode(&color, position, text + 4, kBase));
    EXPECT_EQ(position, text);
}

TEST(RedColorCode, IsOpaqueRedMarkup)
{
    EXPECT_EQ(vrk::kRedColorCode, "^FF0000FF");
}

}  // namespace
