// The lenient number parsers and the splitters.
#include "engine/text/text_parse.h"

#include <limits>

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    int32_t expected;
};

class StrToIntTable : public testing::TestWithParam<IntCase> {};

TEST_P(StrToIntTable, ReadsLeadingNumber)
{
    EXPECT_EQ(vrk::StrToInt(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, StrToIntTable, testing::Values(
    IntCase{"  -12abc", -12},
    IntCase{"+7", 7},
    IntCase{"abc", 0},
    IntCase{"", 0},
    IntCase{" \t 42", 42},
    IntCase{"\n5", 0},
    IntCase{"-", 0},
    IntCase{"2147483647", std::numeric_limits<int32_t>::max()},
    IntCase{"-2147483648", std::numeric_limits<int32_t>::min()},
    IntCase{"2147483648", std::numeric_limits<int32_t>::min()},  // wraps, no overflow trap
    IntCase{"4294967297", 1}));

TEST(StrToIntOrZero, ReadsTheLeadingNumberAndGivesZeroWhenItDoesNotFit)
{
    EXPECT_EQ(vrk::StrToIntOrZero("12"), 12);
    EXPECT_EQ(vrk::StrToIntOrZero("  +7abc"), 7);
    EXPECT_EQ(vrk::StrToIntOrZero("-3"), -3);
    EXPECT_EQ(vrk::StrToIntOrZero("abc"), 0);
    EXPECT_EQ(vrk::StrToIntOrZero(""), 0);
    EXPECT_EQ(vrk::StrToIntOrZero("99999999999"), 0);  // StrToInt would wrap
}

TEST(StrToInt, NullTextIsZero)
{
    EXPECT_EQ(vrk::StrToInt(nullptr), 0);
}

struct FloatCase {
    const char* text;
    float expected;
};

class StrToFloatTable : public testing::TestWithParam<FloatCase> {};

TEST_P(StrToFloatTable, ReadsLeadingNumber)
{
    EXPECT_FLOAT_EQ(vrk::StrToFloat(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, StrToFloatTable, testing::Values(
    FloatCase{" -1.25", -1.25f},
    FloatCase{"+3", 0.0f},
    FloatCase{"2e3", 2.0f},
    FloatCase{"", 0.0f},
    FloatCase{" \t\n ", 0.0f},
    FloatCase{"\n64", 64.0f},
    FloatCase{".5", 0.5f},
    FloatCase{"-0.75x", -0.75f},
    FloatCase{"12.", 12.0f}));

TEST(SplitPair, CutsAtFirstSeparator)
{
    EXPECT_EQ(vrk::SplitPair("snow=64=2", "="), std::make_pair(std::string("snow"), std::string("64=2")));
    EXPECT_EQ(vrk::SplitPair("simple", "="), std::make_pair(std::string("simple"), std::string()));
    EXPECT_EQ(vrk::SplitPair("key:", ":"), std::make_pair(std::string("key"), std::string()));
    EXPECT_EQ(vrk::SplitPair("abc", ""), std::make_pair(std::string("abc"), std::string()));
}

struct SplitCase {
    const char* text;
    const char* separator;
    std::vector<std::string> expected;
};

class SplitStringTable : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitStringTable, DropsEmptyPieces)
{
    EXPECT_EQ(vrk::SplitString(GetParam().text, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitStringTable, testing::Values(
    SplitCase{";a;;b;", ";", {"a", "b"}},
    SplitCase{"a", ";", {"a"}},
    SplitCase{"", ";", {}},
    SplitCase{";;;", ";", {}},
    SplitCase{"one\r\ntwo\r\n", "\r\n", {"one", "two"}},
    SplitCase{"a--b---c", "--", {"a", "b", "-c"}},
    SplitCase{"abc", "", {"abc"}}));

}  // namespace
