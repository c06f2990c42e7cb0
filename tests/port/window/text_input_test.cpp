// UTF-8 text input split into 16-bit characters.
#include "port/window/text_input.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextRow {
    const char* name;
    std::string utf8;
    std::vector<std::uint32_t> expected;
};

class CharacterCodePointsTable : public testing::TestWithParam<TextRow> {};

TEST_P(CharacterCodePointsTable, DecodesAsExpected)
{
    EXPECT_EQ(port::CharacterCodePoints(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CharacterCodePointsTable,
    testing::Values(
        TextRow{"Empty", "", {}},
        TextRow{"Ascii", "Ab1", {'A', 'b', '1'}},
        TextRow{"TwoByte", "\xC3\xA4", {0xE4}},
        TextRow{"ThreeByteEuro", "\xE2\x82\xAC", {0x20AC}},
        TextRow{"LargestCharacterKept", "\xEF\xBF\xBF", {0xFFFF}},
        TextRow{"AstralDropped", "a\xF0\x9F\x98\x80" "b", {'a', 'b'}},
        TextRow{"StrayContinuationSkipped", "\x80x", {'x'}},
        TextRow{"OverlongSlashSkipped", "\xC0\xAFy", {'y'}},
        TextRow{"SurrogateSkipped", "\xED\xA0\x80z", {'z'}},
        TextRow{"CutOffTailSkipped", "q\xE2\x82", {'q'}},
        TextRow{"BadLeadKeepsFollowing", "\xE2(\xC3\xA9", {'(', 0xE9}},
        TextRow{"AboveUnicodeSkipped", "\xF4\x90\x80\x80!", {'!'}},
        TextRow{"InvalidLeadByte", "\xFF\xFE" "k", {'k'}}),
    [](const testing::TestParamInfo<TextRow>& info) { return std::string(info.param.name); });

}  // namespace
