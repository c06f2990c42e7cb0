// The alpha mask of a decoded picture: the cover of each texel by its alpha, read by
// texel and by the renderer's texture coordinates (v up), nothing kept for pictures
// that show all over or whose alpha is not read; and the mask a file texture keeps
// after its pixels went to the (recording) device.
#include "engine/render/alpha_mask.h"

#include <gtest/gtest.h>

#include "engine/render/image.h"
#include "engine/render/texture.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

// A 2 x 2 picture, rows from the top: transparent, faint; solid, just below faint.
constexpr uint8_t kAlphas[4] = {0, 40, 200, 25};

vrk::cImage Picture(uint32_t format)
{
    vrk::cImage image(format, 2, 2, 1);
    const uint32_t step = image.Desc().components;
    for (uint32_t i = 0; i < 4; ++i) image.LevelData(0)[i * step + step - 1] = kAlphas[i];
    return image;
}

class AlphaMaskTest : public test::NullRenderTest {};

TEST_F(AlphaMaskTest, FromImage_SortsEachTexelByItsAlphaAndReadsTextureCoordinatesUpwards)
{
    for (const uint32_t format : {vrk::kFormatR8G8B8A8, vrk::kFormatL8A8}) {
        const auto mask = vrk::cAlphaMask::FromImage(Picture(format));
        ASSERT_NE(mask, nullptr) << vrk::PixelFormatName(format);
        EXPECT_EQ(mask->CoverOfTexel(0, 0), vrk::kCoverNone);
        EXPECT_EQ(mask->CoverOfTexel(1, 0), vrk::kCoverFaint);
        EXPECT_EQ(mask->CoverOfTexel(0, 1), vrk::kCoverSolid);
        EXPECT_EQ(mask->CoverOfTexel(1, 1), vrk::kCoverNone);
        EXPECT_EQ(mask->CoverOfTexel(2, 0), vrk::kCoverNone) << "outside";
        // v = 0 is the bottom row; coordinates past 1 wrap round.
        EXPECT_EQ(mask->CoverAt(0.25f, 0.25f), vrk::kCoverSolid);
        EXPECT_EQ(mask->CoverAt(0.75f, 0.75f), vrk::kCoverFaint);
        EXPECT_EQ(mask->CoverAt(1.25f, -0.75f), vrk::kCoverSolid);
        EXPECT_EQ(mask->CoverAt(0.0f, 1.0f), vrk::kCoverSolid);
    }
}

TEST_F(AlphaMaskTest, FromImage_KeepsNothingForAPictureThatShowsAllOverOrWhoseAlphaIsNotRead)
{
    vrk::cImage opaque(vrk::kFormatR8G8B8A8, 4, 4, 1);
    for (uint32_t i = 0; i < 16; ++i) opaque.LevelData(0)[i * 4 + 3] = 255;
    EXPECT_EQ(vrk::cAlphaMask::FromImage(opaque), nullptr);
    EXPECT_EQ(vrk::cAlphaMask::FromImage(vrk::cImage(vrk::kFormatR8G8B8, 4, 4, 1)), nullptr);
    EXPECT_EQ(vrk::cAlphaMask::FromImage(vrk::cImage(vrk::kFormatDXT5, 4, 4, 1)), nullptr);
    EXPECT_EQ(vrk::cAlphaMask::FromImage(vrk::cImage(vrk::kFormatR4G4B4A4, 4, 4, 1)), nullptr);
    EXPECT_EQ(vrk::cAlphaMask::FromImage(vrk::cImage()), nullptr);
}

TEST_F(AlphaMaskTest, Texture_KeepsTheMaskOfItsDecodedPictureOnTheDeviceAndDropsItWithThePicture)
{
    test::TempFolder folder;
    test::PngPicture png;
    png.width = 2;
    png.height = 2;
    png.colorType = PNG_COLOR_TYPE_RGBA;
    for (const uint8_t alpha : kAlphas) png.pixels.insert(png.pixels.end(), {10, 20, 30, alpha});
    const std::string file = folder.Str() + "/masked.png";
    ASSERT_TRUE(test::WritePng(file, png));
    auto texture = vrk::CreateTextureFromFile("masked", vrk::PathRecord(file));
    EXPECT_EQ(texture->alphaMask, nullptr) << "nothing decoded yet";
    texture->inUse = true;
    texture->Apply();
    ASSERT_TRUE(texture->IsOnDevice());
    EXPECT_EQ(texture->image, nullptr);
    ASSERT_NE(texture->alphaMask, nullptr);
    EXPECT_EQ(texture->alphaMask->CoverAt(0.25f, 0.25f), vrk::kCoverSolid);
    texture->inUse = false;
    texture->Apply();
    EXPECT_EQ(texture->alphaMask, nullptr);

    const vrk::cImage picture = Picture(vrk::kFormatR8G8B8A8);
    auto made = vrk::CreateTextureFromImage("made", &picture);
    ASSERT_NE(made->alphaMask, nullptr);
    made->SetImage(nullptr);
    EXPECT_EQ(made->alphaMask, nullptr);
}

}  // namespace
