// The formatter's directive walk and its four argument conversions, one table each.
#include "engine/text/text_format.h"

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vrk::FormatArg;

struct FormatCase {
    const char* name;
    const char* format;
    std::vector<FormatArg> args;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string Format(const FormatCase& c)
{
    std::vector<FormatArg> args = c.args;
    args.resize(6);
    return vrk::FormatToString(c.format, args[0], args[1], args[2], args[3], args[4], args[5]);
}

std::string CaseName(const testing::TestParamInfo<FormatCase>& info)
{
    return info.param.name;
}

FormatArg Int(int32_t value) { return FormatArg::FromInt(value); }
FormatArg Real(double value) { return FormatArg::FromReal(value); }
FormatArg Text(const char* value) { return FormatArg::FromText(value); }

// --- The walk over the format --------------------------------------------------------

class FormatWalk : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatWalk, ProducesExpectedText)
{
    EXPECT_EQ(Format(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatWalk, testing::Values(
    FormatCase{"TrailingPercentIsDropped", "100%", {}, "100"},
    FormatCase{"PercentBeforeBlankIsText", "100% sure", {}, "100% sure"},
    FormatCase{"DoublePercentIsOnePercent", "%%", {}, "%"},
    FormatCase{"DoublePercentTakesNoArgument", "%5%%d", {Int(3)}, "%3"},
    FormatCase{"LengthModifierIsCopiedAndTakesNothing", "%ld", {Int(7)}, "%ld"},
    FormatCase{"UnknownLetterCopiesDirective", "a%-5yb", {}, "a%-5yb"},
    FormatCase{"SeventhConversionPrintsNothing", "%d%d%d%d%d%d[%d]",
               {Int(1), Int(2), Int(3), Int(4), Int(5), Int(6)}, "123456[]"},
    FormatCase{"BeyondTenPlacesPrintsNothing", "%d%d%d%d%d%d%d%d%d%d%d|", {Int(1)}, "1|"},
    FormatCase{"EmptyArgumentPrintsNothing", "[%5s]", {}, "[]"},
    FormatCase{"TagDecidesNotLetterStringAsInteger", "%s", {Int(-5)}, "-5"},
    FormatCase{"TagDecidesNotLetterIntegerAsString", "%d", {Text("abc")}, "abc"},
    FormatCase{"TagDecidesNotLetterIntegerAsReal", "%d", {Real(1.5)}, "1.500000"},
    FormatCase{"UnfinishedDirectiveAtEndIsDropped", "x%-08", {Int(1)}, "x"},
    FormatCase{"OverlongDirectiveStillConverts", "%0000000000000000000000000000000000000005d", {Int(7)}, "00007"},
    FormatCase{"DataTextWithPrintfDirectivesIsSafe", "%n%n%s%s%p", {}, "%p"}),
    CaseName);

// --- Integers -------------------------------------------------------------------------

class FormatInteger : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatInteger, ProducesExpectedText)
{
    EXPECT_EQ(Format(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatInteger, testing::Values(
    FormatCase{"ZeroFilledUpperHex", "%08X", {Int(static_cast<int32_t>(0x8876086Cu))}, "8876086C"},
    FormatCase{"NegativeAsLowerHex", "%x", {Int(-1)}, "ffffffff"},
    FormatCase{"AlternateHex", "%#x", {Int(255)}, "0xff"},
    FormatCase{"AlternateUpperHex", "%#X", {Int(255)}, "0XFF"},
    FormatCase{"AlternateOctal", "%#o", {Int(8)}, "010"},
    FormatCase{"ZeroFillAfterSign", "%05d", {Int(-42)}, "-0042"},
    FormatCase{"LeftAligned", "%-5d|", {Int(42)}, "42   |"},
    FormatCase{"LeftAlignedIgnoresZeroFlag", "%-05d|", {Int(42)}, "42   |"},
    FormatCase{"MostNegative", "%d", {Int(std::numeric_limits<int32_t>::min())}, "-2147483648"},
    FormatCase{"UnsignedOfNegative", "%u", {Int(-1)}, "4294967295"},
    FormatCase{"WidthWithSpaces", "%10d|", {Int(123)}, "       123|"},
    FormatCase{"ZeroFlagThenWidth", "%010d", {Int(123)}, "0000000123"},
    FormatCase{"PrecisionIsWidth", "%.3d", {Int(7)}, "  7"},
    FormatCase{"AlternateAddsNothingToDecimal", "%#d", {Int(9)}, "9"},
    FormatCase{"ZeroFillAfterHexPrefix", "%#06x", {Int(255)}, "0x00ff"},
    FormatCase{"WidthCountsPrefix", "%#6x", {Int(255)}, "  0xff"}),
    CaseName);

// --- Reals ---------------------------------------------------------------------------

class FormatReal : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatReal, ProducesExpectedText)
{
    EXPECT_EQ(Format(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatReal, testing::Values(
    FormatCase{"Precision2", "%.2f", {Real(1.5)}, "1.50"},
    FormatCase{"ZeroFixed", "%f", {Real(0.0)}, "0.000000"},
    FormatCase{"ZeroExponent", "%e", {Real(0.0)}, "0.000000e+000"},
    FormatCase{"ZeroUpperExponent", "%E", {Real(0.0)}, "0.000000E+000"},
    FormatCase{"NegativeZeroHasNoSign", "%f", {Real(-0.0)}, "0.000000"},
    FormatCase{"ZeroFillAfterSign", "%08.3f", {Real(-1.5)}, "-001.500"},
    FormatCase{"NegativeInfinity", "%f", {Real(-std::numeric_limits<double>::infinity())}, "-INF"},
    FormatCase{"PositiveInfinity", "%f", {Real(std::numeric_limits<double>::infinity())}, "+INF"},
    FormatCase{"NotANumber", "%f", {Real(std::nan(""))}, "NaN"},
    FormatCase{"ThreeDigitExponent", "%e", {Real(2.5e150)}, "2.500000e+150"},
    FormatCase{"TruncatesNotRounds", "%.2f", {Real(123.456)}, "123.45"},
    FormatCase{"TruncatesNines", "%.2f", {Real(2.999)}, "2.99"},
    FormatCase{"ExponentStyle", "%e", {Real(12345.678)}, "1.234568e+004"},
    FormatCase{"SmallValueKeepsMantissaBelowOne", "%e", {Real(0.05)}, "0.500000e-001"},
    FormatCase{"RoundingReachesTen", "%.2e", {Real(9.9999)}, "10.00e+000"},
    FormatCase{"ZeroAfterPointIsZeroFlag", "%.0f", {Real(1.25)}, "1.250000"},
    FormatCase{"OtherLetterKeepsFixed", "%g", {Real(2.5)}, "2.500000"},
    FormatCase{"LeftAligned", "%-8.2f|", {Real(-1.5)}, "-1.50   |"},
    FormatCase{"RightAlignedWithSpaces", "%8.2f|", {Real(-1.5)}, "   -1.50|"},
    FormatCase{"HugeFixedValuePrintsAllDigits", "%.1f", {Real(1e20)}, "100000000000000000000.0"}),
    CaseName);

// --- Characters and strings -------------------------------------------------------------

class FormatText : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatText, ProducesExpectedText)
{
    EXPECT_EQ(Format(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatText, testing::Values(
    FormatCase{"WidthCountsCodePoints", "[%5s]", {Text("\xC3\xA4\xC3\xB6")}, "[   \xC3\xA4\xC3\xB6]"},
    FormatCase{"LeftAligned", "[%-4s]", {Text("ab")}, "[ab  ]"},
    FormatCase{"PointMakesWidthZero", "[%.5s]", {Text("ab")}, "[ab]"},
    FormatCase{"ZeroWidthPadsWithSpaces", "[%05s]", {Text("ab")}, "[   ab]"},
    FormatCase{"LongerThanWidthIsWhole", "[%2s]", {Text("abcd")}, "[abcd]"},
    FormatCase{"Character", "[%3c]", {FormatArg::FromChar('x')}, "[  x]"},
    FormatCase{"NullTextIsEmpty", "[%s]", {Text(nullptr)}, "[]"},
    FormatCase{"InvalidUtf8IsCountedNotThrown", "[%3s]", {Text("\xFF")}, "[  \xFF]"}),
    CaseName);

TEST(FormatString, AppendsToExistingText)
{
    std::string out = "old:";
    vrk::FormatString(out, "%d", Int(5));
    EXPECT_EQ(out, "old:5");
}

TEST(FormatString, NullFormatAppendsNothing)
{
    std::string out = "x";
    vrk::FormatString(out, nullptr, Int(5));
    EXPECT_EQ(out, "x");
}

TEST(FormatStdString, FillsNumberedNames)
{
    EXPECT_EQ(vrk::FormatStdString("plr%03i", Int(7)), "plr007");
    EXPECT_EQ(vrk::FormatStdString("%slevel%03i.lvl", Text("{StaticPath}/level/"), Int(39)),
              "{StaticPath}/level/level039.lvl");
}

TEST(FormatString, AbsurdWidthAndPrecisionStayBounded)
{
    EXPECT_LE(vrk::FormatToString("%99999999999d", Int(1)).size(), 4096u);
    EXPECT_LE(vrk::FormatToString("%2147483647s", Text("a")).size(), 4096u);
    const std::string longFraction = vrk::FormatToString("%.999999f", Real(0.5));
    EXPECT_EQ(longFraction.substr(0, 3), "0.5");
    EXPECT_LE(longFraction.size(), 80u);
    const std::string tiny = vrk::FormatToString("%.1e", Real(5e-324));
    EXPECT_EQ(tiny.substr(tiny.size() - 5), "e-323");
}

}  // namespace
