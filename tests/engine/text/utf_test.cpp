// UTF-8 / UTF-16 conversions, including invalid input.
#include "engine/text/utf.h"

#include <ostream>

#include <gtest/gtest.h>

namespace {

const std::string kMixed = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";  // a, ä, €, U+1F600

TEST(Utf8ToWide, ConvertsAndEndsInZero)
{
    const std::vector<char16_t> expected = {u'a', 0x00E4, 0x20AC, 0xD83D, 0xDE00, 0};
    EXPECT_EQ(vrk::Utf8ToWide(kMixed), expected);
    EXPECT_EQ(vrk::Utf8ToWide(""), std::vector<char16_t>{0});
}

TEST(WideToUtf8, RoundTripsBothForms)
{
    const std::vector<char16_t> wide = vrk::Utf8ToWide(kMixed);
    EXPECT_EQ(vrk::WideToUtf8(wide.data()), kMixed);
    EXPECT_EQ(vrk::WideToUtf8(wide.data(), wide.data() + wide.size() - 1), kMixed);
    EXPECT_EQ(vrk::WideToUtf8(nullptr), "");
}

TEST(Utf8Length, CountsCodePoints)
{
    EXPECT_EQ(vrk::Utf8Length(""), 0u);
    EXPECT_EQ(vrk::Utf8Length(kMixed), 4u);
}

TEST(Utf8Erase, RemovesCodePointRange)
{
    EXPECT_EQ(vrk::Utf8Erase(kMixed, 1, 2), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(vrk::Utf8Erase(kMixed, 0, 0), kMixed);
    EXPECT_EQ(vrk::Utf8Erase(kMixed, 3, 100), "a\xC3\xA4\xE2\x82\xAC");
    EXPECT_EQ(vrk::Utf8Erase(kMixed, 9, 1), kMixed);
    EXPECT_EQ(vrk::Utf8Erase(kMixed, 1, static_cast<size_t>(-1)), "a");
}

struct InvalidUtf8Case {
    const char* name;
    std::string text;
    size_t length;
    std::vector<char16_t> wide;
};

void PrintTo(const InvalidUtf8Case& c, std::ostream* os)
{
    *os << c.name;
}

class InvalidUtf8 : public testing::TestWithParam<InvalidUtf8Case> {};

TEST_P(InvalidUtf8, EveryBadByteIsOneReplacement)
{
    const InvalidUtf8Case& c = GetParam();
    EXPECT_EQ(vrk::Utf8Length(c.text), c.length);
    std::vector<char16_t> wide = c.wide;
    wide.push_back(0);
    EXPECT_EQ(vrk::Utf8ToWide(c.text), wide);
    EXPECT_EQ(vrk::Utf8Erase(c.text, 0, 0), c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, InvalidUtf8, testing::Values(
    InvalidUtf8Case{"StrayContinuation", "a\x80" "b", 3, {u'a', 0xFFFD, u'b'}},
    InvalidUtf8Case{"TruncatedAtEnd", "a\xE2\x82", 3, {u'a', 0xFFFD, 0xFFFD}},
    InvalidUtf8Case{"Overlong", "\xC0\xAF", 2, {0xFFFD, 0xFFFD}},
    InvalidUtf8Case{"EncodedSurrogate", "\xED\xA0\x80", 3, {0xFFFD, 0xFFFD, 0xFFFD}},
    InvalidUtf8Case{"InvalidLeadByte", "\xFF" "x", 2, {0xFFFD, u'x'}}),
    [](const testing::TestParamInfo<InvalidUtf8Case>& info) { return std::string(info.param.name); });

TEST(WideToUtf8, LoneSurrogatesBecomeReplacement)
{
    const char16_t loneHigh[] = {u'a', 0xD83D, u'b', 0};
    const char16_t loneLow[] = {0xDE00, 0};
    const char16_t highAtEnd[] = {u'a', 0xD83D};
    EXPECT_EQ(vrk::WideToUtf8(loneHigh), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(vrk::WideToUtf8(loneLow), "\xEF\xBF\xBD");
    EXPECT_EQ(vrk::WideToUtf8(highAtEnd, highAtEnd + 2), "a\xEF\xBF\xBD");
}

TEST(Utf8Erase, KeepsBadBytesOutsideTheRange)
{
    EXPECT_EQ(vrk::Utf8Erase("\xFF" "ab", 1, 1), "\xFF" "b");
}

}  // namespace
