// Checks of the art tool's computing parts: label measuring, colour parsing,
// shape signs, the conversion of pixel frames into description nodes and the
// comparison of pictures by their pixels.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "bitmap_font.h"
#include "canvas.h"
#include "png_compare.h"
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

namespace {

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The RGBA pixels written by libpng's simplified writer: its own compression and
// filters, not the canvas's.
bool WriteOtherwise(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}

}  // namespace

TEST(PngCompare, SamePngPixels_TellsPicturesByTheirPixelsNotTheirBytes)
{
    const std::string folder = testing::TempDir();
    const std::string canvasFile = folder + "/compare_canvas.png";
    const std::string otherFile = folder + "/compare_other.png";
    Canvas canvas(16, 8);
    canvas.PaintShape(BoxShape(2, 2, 9, 5, 0), 2, 2, 11, 7, Color{0.2f, 0.6f, 1.0f, 1.0f}, Color{}, 0);
    canvas.PaintShape(BoxShape(0, 0, 16, 8, 0), 0, 0, 16, 8, Color{1.0f, 0.5f, 0.0f, 0.5f}, Color{}, 0);
    ASSERT_TRUE(canvas.WritePng(canvasFile));
    std::vector<uint8_t> rgba;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const uint32_t pixel = canvas.Pixel(x, y);
            for (int shift : {24, 16, 8, 0}) rgba.push_back(static_cast<uint8_t>(pixel >> shift));
        }
    }
    ASSERT_TRUE(WriteOtherwise(otherFile, 16, 8, rgba));
    ASSERT_NE(FileBytes(canvasFile), FileBytes(otherFile));
    std::string message;
    EXPECT_TRUE(SamePngPixels(canvasFile, otherFile, message)) << message;

    rgba[(2 * 16 + 3) * 4 + 1] ^= 1;
    ASSERT_TRUE(WriteOtherwise(otherFile, 16, 8, rgba));
    EXPECT_FALSE(SamePngPixels(canvasFile, otherFile, message));
    EXPECT_NE(message.find("differ first at pixel 3,2"), std::string::npos) << message;

    ASSERT_TRUE(WriteOtherwise(otherFile, 8, 8, rgba));
    EXPECT_FALSE(SamePngPixels(canvasFile, otherFile, message));
    EXPECT_NE(message.find("is 8 x 8"), std::string::npos) << message;
    EXPECT_FALSE(SamePngPixels(canvasFile, folder + "/compare_missing.png", message));
    EXPECT_NE(message.find("compare_missing.png"), std::string::npos) << message;
}
