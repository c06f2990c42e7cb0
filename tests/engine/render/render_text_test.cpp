// Text drawing, measuring and wrapping with a font of fixed glyph metrics.
#include <gtest/gtest.h>

#include "engine/render/font.h"
#include "engine/render/render.h"
#include "tests/engine/render/render_test_support.h"

namespace {

using vrk::cRender;
using vrk::TextRect;

class RenderTextTest : public ::testing::Test {
protected:
    void SetUp() override { test::FillTestFont(font_); }
    vrk::cFont font_;
    vrk::VertexBatch batch_;
};

struct MeasureCase {
    const char* name;
    const char* text;
    bool skipMarkup;
    float left;
    float width;
};
class MeasureTextTest : public RenderTextTest, public ::testing::WithParamInterface<MeasureCase> {};

TEST_P(MeasureTextTest, MeasuresFromFirstBearingToLastRightEdge)
{
    const TextRect rect = cRender::MeasureText(&font_, GetParam().text, GetParam().skipMarkup);
    EXPECT_FLOAT_EQ(rect.left, GetParam().left);
    EXPECT_FLOAT_EQ(rect.top, 0.0f);
    EXPECT_FLOAT_EQ(rect.width, GetParam().width);
    EXPECT_FLOAT_EQ(rect.height, 16.0f);
}

// "ab": glyph 1 at 1..9, glyph 2 at 11..19 -> width 18. Eleven glyphs: 10*10 + 8 = 108.
INSTANTIATE_TEST_SUITE_P(
    Texts, MeasureTextTest,
    ::testing::Values(MeasureCase{"Plain", "ab", false, 1, 18},
                      MeasureCase{"CodeSkipped", "^FF0000FFab", true, 1, 18},
                      MeasureCase{"CodeMeasured", "^FF0000FFab", false, 1, 108},
                      MeasureCase{"Empty", "", false, 0, 0}, MeasureCase{"EmptySkipping", "", true, 0, 0},
                      MeasureCase{"CaretCaret", "^^a", true, 1, 8},
                      MeasureCase{"LoneCaretDropped", "^xa", true, 1, 18},
                      MeasureCase{"BeyondTableSkipped", "a\xF0\x9F\x98\x80", false, 1, 8}),
    [](const ::testing::TestParamInfo<MeasureCase>& info) { return std::string(info.param.name); });

TEST_F(RenderTextTest, MeasureText_EmptyTextGivesTheLineHeight)
{
    const TextRect rect = cRender::MeasureText(&font_, "", true);
    EXPECT_EQ(rect.left, 0.0f);
    EXPECT_EQ(rect.width, 0.0f);
    EXPECT_EQ(rect.height, 16.0f);
}

TEST_F(RenderTextTest, DrawText_MissingGlyphAdvancesBySpacingOnly)
{
    font_.spacing = 2.0f;
    cRender::DrawText(batch_, &font_, "a\xC3\xA9" "b", 0.7f, 3.9f, 0xFFFFFFFF);  // a, e-acute, b
    ASSERT_EQ(batch_.UsedVertices(), 18u);
    EXPECT_FLOAT_EQ(batch_.vertices[0].x, 1.0f);   // floor(0.7) + bearing 1
    EXPECT_FLOAT_EQ(batch_.vertices[0].y, 3.0f);   // floored
    EXPECT_FLOAT_EQ(batch_.vertices[2].y, 19.0f);  // + line height
    EXPECT_FLOAT_EQ(batch_.vertices[6].x, 12.0f);  // missing glyph: zero-width quad at pen 12
    EXPECT_FLOAT_EQ(batch_.vertices[7].x, 12.0f);
    EXPECT_FLOAT_EQ(batch_.vertices[12].x, 15.0f);  // pen 14 (12 + 0 + 2) + bearing 1
}

TEST_F(RenderTextTest, DrawText_StopsWhenTheBatchIsFull)
{
    ASSERT_NE(cRender::AllocBatchVertices(batch_, nullptr, 65520), nullptr);
    cRender::DrawText(batch_, &font_, "abcdef", 0, 0, 0xFFFFFFFF);
    EXPECT_EQ(batch_.UsedVertices(), 65532u);
}

TEST_F(RenderTextTest, DrawTextMarkup_ColoursFollowCodesAndCaretCaretStepsBack)
{
    uint32_t color = 0xFF00FF00;
    cRender::DrawTextMarkup(batch_, &font_, "a^FF0000FFb^^c^zd", 0, 0, &color);
    ASSERT_EQ(batch_.UsedVertices(), 30u);  // a, b, c, z, d: only the caret of "^z" is dropped
    EXPECT_EQ(batch_.vertices[0].color, 0xFF00FF00u);
    EXPECT_EQ(batch_.vertices[6].color, 0xFFFF0000u);
    EXPECT_EQ(batch_.vertices[12].color, 0xFF00FF00u);
    EXPECT_EQ(batch_.vertices[24].color, 0xFF00FF00u);
    EXPECT_EQ(color, 0xFF00FF00u);
}

TEST_F(RenderTextTest, DrawTextMarkup_StartsWhiteWithoutAColour)
{
    cRender::DrawTextMarkup(batch_, &font_, "a", 0, 0, nullptr);
    EXPECT_EQ(batch_.vertices[0].color, 0xFFFFFFFFu);
}

TEST_F(RenderTextTest, NullFont_DrawsAndMeasuresNothing)
{
    cRender::DrawText(batch_, nullptr, "abc", 0, 0, 0);
    EXPECT_EQ(batch_.UsedVertices(), 0u);
    EXPECT_EQ(cRender::MeasureText(nullptr, "abc", true).width, 0.0f);
}

struct WrapCase {
    const char* name;
    bool byWords;
    const char* text;
    float maxWidth;
    std::vector<std::string> lines;
};
class WrapTextTest : public RenderTextTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(WrapTextTest, BreaksIntoTheExpectedLines)
{
    std::vector<std::string> lines{"stale"};
    std::vector<TextRect> rects;
    const WrapCase& c = GetParam();
    const TextRect block = c.byWords ? cRender::WrapTextByWords(&font_, c.text, c.maxWidth, lines, rects)
                                     : cRender::WrapTextByChars(&font_, c.text, c.maxWidth, lines, rects);
    EXPECT_EQ(lines, c.lines);
    ASSERT_EQ(rects.size(), lines.size());
    float widest = 0.0f;
    for (const TextRect& rect : rects) widest = std::max(widest, rect.width);
    EXPECT_FLOAT_EQ(block.width, widest);
    EXPECT_FLOAT_EQ(block.height, 16.0f * static_cast<float>(lines.size()));
}

// Word "ab" is 18 wide, "ab cd" is 43 wide (space advances 5).
INSTANTIATE_TEST_SUITE_P(
    Texts, WrapTextTest,
    ::testing::Values(
        WrapCase{"WordsFit", true, "ab cd", 50, {"ab cd"}},
        WrapCase{"WordsBreak", true, "ab cd ef", 40, {"ab", "cd", "ef"}},
        WrapCase{"LongWordOwnLine", true, "a abcdefgh b", 30, {"a", "abcdefgh", "b"}},
        WrapCase{"LineFeeds", true, "ab\n\ncd", 100, {"ab", "", "cd"}},
        WrapCase{"MarkupTakesNoWidth", true, "^FF0000FFab ^^cd", 45, {"^FF0000FFab ^^cd"}},
        WrapCase{"Empty", true, "", 100, {}},
        WrapCase{"CharsBreak", false, "abcde", 30, {"abc", "de"}},
        WrapCase{"CharsLineFeed", false, "ab\n\nc", 100, {"ab", "", "c"}},
        WrapCase{"CharsMarkup", false, "^FF0000FFabc", 30, {"^FF0000FFabc"}}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return std::string(info.param.name); });

}  // namespace
