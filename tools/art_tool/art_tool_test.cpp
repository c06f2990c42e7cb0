// Checks of the art tool's computing parts: label measuring, colour parsing,
// shape signs and the conversion of pixel frames into description nodes.
#include <gtest/gtest.h>

#include "bitmap_font.h"
#include "canvas.h"
#include "shapes.h"
#include "sprite_script.h"

TEST(BitmapFont, TextWidth_CountsOneBlankColumnBetweenLetters)
{
    EXPECT_EQ(bitmap_font::TextWidth("", 3), 0);
    EXPECT_EQ(bitmap_font::TextWidth("A", 1), 5);
    EXPECT_EQ(bitmap_font::TextWidth("AB", 1), 11);
    EXPECT_EQ(bitmap_font::TextWidth("AB", 4), 44);
    EXPECT_EQ(bitmap_font::TextWidth("AB", 0), 11);  // scale below 1 draws at 1
}

TEST(BitmapFont, GlyphBit_SmallLettersAndUnknownCharactersNeverLeaveHoles)
{
    for (int row = 0; row < bitmap_font::kGlyphHeight; ++row) {
        for (int column = 0; column < bitmap_font::kGlyphWidth; ++column) {
            EXPECT_EQ(bitmap_font::GlyphBit('k', column, row), bitmap_font::GlyphBit('K', column, row));
            EXPECT_EQ(bitmap_font::GlyphBit('~', column, row), bitmap_font::GlyphBit('?', column, row));
        }
    }
    EXPECT_FALSE(bitmap_font::GlyphBit('A', -1, 0));
    EXPECT_FALSE(bitmap_font::GlyphBit('A', 0, bitmap_font::kGlyphHeight));
}

TEST(Canvas, ParseColor_AcceptsSixOrEightHexDigitsOnly)
{
    Color color;
    ASSERT_TRUE(ParseColor("#ff8000", color));
    EXPECT_FLOAT_EQ(color.r, 1.0f);
    EXPECT_FLOAT_EQ(color.a, 1.0f);
    ASSERT_TRUE(ParseColor("#00000080", color));
    EXPECT_NEAR(color.a, 128.0f / 255.0f, 1e-6f);
    for (const char* bad : {"ff8000", "#ff80", "#gg8000", "#ff8000801", ""}) {
        EXPECT_FALSE(ParseColor(bad, color)) << bad;
        EXPECT_EQ(color.a, 0.0f);
    }
}

TEST(Canvas, PaintShape_FillsInsideAndLeavesOutsideClear)
{
    Canvas canvas(8, 8);
    canvas.PaintShape(BoxShape(2, 2, 4, 4, 0), 2, 2, 6, 6, Color{1, 0, 0, 1}, Color{}, 0);
    EXPECT_EQ(canvas.Pixel(3, 3), 0xFF0000FFu);
    EXPECT_EQ(canvas.Pixel(0, 0), 0u);
    EXPECT_EQ(canvas.Pixel(6, 6), 0u);
}

TEST(Shapes, PolygonShape_IsNegativeInsideWhateverThePointOrder)
{
    const auto clockwise = PolygonShape({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const auto counter = PolygonShape({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    EXPECT_FLOAT_EQ(clockwise(5, 5), -5.0f);
    EXPECT_FLOAT_EQ(counter(5, 5), -5.0f);
    EXPECT_FLOAT_EQ(clockwise(13, 5), 3.0f);
}

TEST(SpriteScript, ToFrameNode_CountsVAndHotSpotUpFromTheBottom)
{
    // A 32 x 16 frame at the top-left of a 128 x 64 picture, hot spot at its feet.
    const FrameNode node = ToFrameNode({0, 0, 32, 16, 16, 16}, 128, 64);
    EXPECT_FLOAT_EQ(node.u, 0.0f);
    EXPECT_FLOAT_EQ(node.v, 0.75f);
    EXPECT_FLOAT_EQ(node.cu, 0.25f);
    EXPECT_FLOAT_EQ(node.cv, 0.25f);
    EXPECT_FLOAT_EQ(node.dx, 16.0f);
    EXPECT_FLOAT_EQ(node.dy, 0.0f);
    EXPECT_FLOAT_EQ(node.w, 32.0f);
    EXPECT_FLOAT_EQ(node.h, 16.0f);
    // The bottom row of the picture starts at v 0.
    EXPECT_FLOAT_EQ(ToFrameNode({0, 48, 32, 16, 0, 0}, 128, 64).v, 0.0f);
}

TEST(SpriteScript, SpriteScript_WritesOneCallPerSpriteWithQuotedNames)
{
    const std::string script = SpriteScript("tex", 64, 64, {{"a\"b", 10.0f, "", {{0, 0, 64, 64, 32, 32}}}});
    EXPECT_NE(script.find("createTextureInfoEx(\"a\\\"b\"), \"tex\""), std::string::npos);
    EXPECT_NE(script.find("{ u = 0, v = 0, cu = 1, cv = 1, dx = 32, dy = 32, w = 64, h = 64 }"), std::string::npos);
    EXPECT_NE(script.find("}, 10)"), std::string::npos);
}

TEST(SpriteScript, SpriteScript_WritesTheTailAfterTheSpritesEndingInANewline)
{
    const std::string script =
        SpriteScript("tex", 64, 64, {{"a", 0.0f, "", {{0, 0, 64, 64, 32, 32}}}}, "updateTextures(\"x\")");
    const size_t sprite = script.find("createTextureInfoEx(\"a\")");
    const size_t tail = script.find("updateTextures(\"x\")\n");
    ASSERT_NE(tail, std::string::npos);
    EXPECT_GT(tail, sprite);
    EXPECT_EQ(SpriteScript("tex", 64, 64, {}, "").find("updateTextures"), std::string::npos);
}
