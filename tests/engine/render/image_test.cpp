// cImage: level allocation, copying and the pixel operations run before upload.
#include "engine/render/image.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace vrk;
using Bytes = std::vector<uint8_t>;

Bytes LevelBytes(const cImage& image, uint32_t level)
{
    const uint8_t* data = image.LevelData(level);
    return data ? Bytes(data, data + image.LevelByteSize(level)) : Bytes();
}

// An image of one level holding exactly the given bytes.
cImage MakeImage(uint32_t format, uint32_t width, uint32_t height, Bytes bytes)
{
    cImage image(format, width, height, 1);
    EXPECT_TRUE(image.SetLevelBytes(0, std::move(bytes)));
    return image;
}

TEST(Image, DefaultImageIsFormatZeroOnePixelOneEmptyLevel)
{
    cImage image;
    EXPECT_EQ(image.Format(), kFormatUnknown);
    EXPECT_EQ(image.Width(), 1u);
    EXPECT_EQ(image.Height(), 1u);
    EXPECT_EQ(image.LevelCount(), 1u);
    EXPECT_EQ(image.LevelByteSize(0), 0u);
}

TEST(Image, Create_ZeroLevelsGivesOne)
{
    cImage image(kFormatR8G8B8A8, 16, 8, 0);
    EXPECT_EQ(image.LevelCount(), 1u);
    EXPECT_EQ(image.LevelByteSize(0), 16u * 8u * 4u);
}

TEST(Image, Create_CapsLevelsAtTheMipChainAndSizesEachLevel)
{
    cImage image(kFormatR8G8B8, 256, 64, 50);
    ASSERT_EQ(image.LevelCount(), 9u);
    EXPECT_EQ(image.LevelByteSize(0), 256u * 64u * 3u);
    EXPECT_EQ(image.LevelByteSize(2), 64u * 16u * 3u);
    EXPECT_EQ(image.LevelByteSize(6), 4u * 1u * 3u);
    EXPECT_EQ(image.LevelByteSize(8), 1u * 1u * 3u);
    EXPECT_EQ(image.LevelByteSize(9), 0u);
    EXPECT_EQ(image.LevelData(9), nullptr);
    for (uint32_t level = 0; level < image.LevelCount(); ++level)
        EXPECT_NE(image.LevelData(level), nullptr);
}

TEST(Image, Create_ZeroSideGivesNoLevels)
{
    cImage image(kFormatR8G8B8A8, 4, 4, 3);
    ASSERT_TRUE(image.Create(kFormatL8, 0, 16, 1));
    EXPECT_EQ(image.Format(), kFormatL8);
    EXPECT_EQ(image.LevelCount(), 0u);
    EXPECT_EQ(image.LevelData(0), nullptr);
    EXPECT_EQ(image.LevelByteSize(0), 0u);
}

TEST(Image, Create_ReplacesTheOldLevels)
{
    cImage image(kFormatR8G8B8A8, 32, 32, 6);
    ASSERT_TRUE(image.Create(kFormatDXT1, 8, 8, 2));
    EXPECT_EQ(image.Format(), kFormatDXT1);
    EXPECT_EQ(image.LevelCount(), 2u);
    EXPECT_EQ(image.LevelByteSize(0), 32u);
    EXPECT_EQ(image.LevelByteSize(1), 8u);  // 4 x 4 at least: one block
}

TEST(Image, FreeLevels_LeavesNoLevels)
{
    cImage image(kFormatL8, 8, 8, 4);
    image.FreeLevels();
    EXPECT_EQ(image.LevelCount(), 0u);
    EXPECT_EQ(image.LevelData(0), nullptr);
}

TEST(Image, Clone_CopiesFormatSizeLevelsAndBytes)
{
    cImage image(kFormatL8A8, 4, 2, 2);
    for (uint32_t level = 0; level < 2; ++level)
        for (std::size_t i = 0; i < image.LevelByteSize(level); ++i)
            image.LevelData(level)[i] = uint8_t(i + 10 * level);
    auto copy = image.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Format(), kFormatL8A8);
    EXPECT_EQ(copy->Width(), 4u);
    EXPECT_EQ(copy->Height(), 2u);
    ASSERT_EQ(copy->LevelCount(), 2u);
    EXPECT_EQ(LevelBytes(*copy, 0), LevelBytes(image, 0));
    EXPECT_EQ(LevelBytes(*copy, 1), LevelBytes(image, 1));
    copy->LevelData(0)[0] = 99;
    EXPECT_EQ(image.LevelData(0)[0], 0);
}

TEST(Image, Move_LeavesTheSourceWithoutLevels)
{
    cImage source(kFormatR8G8B8A8, 4, 4, 2);
    cImage target(std::move(source));
    EXPECT_EQ(target.LevelCount(), 2u);
    EXPECT_EQ(target.LevelByteSize(0), 64u);
    EXPECT_EQ(source.LevelCount(), 0u);  // NOLINT(bugprone-use-after-move): the state is defined
    EXPECT_EQ(source.LevelData(0), nullptr);
    cImage assigned;
    assigned = std::move(target);
    EXPECT_EQ(assigned.LevelCount(), 2u);
    EXPECT_EQ(target.LevelData(1), nullptr);
}

TEST(Image, SetLevelBytes_RefusesABlockOfTheWrongSize)
{
    cImage image(kFormatR8G8B8, 2, 2, 1);
    EXPECT_FALSE(image.SetLevelBytes(0, Bytes(11)));
    EXPECT_FALSE(image.SetLevelBytes(1, Bytes(3)));
    EXPECT_TRUE(image.SetLevelBytes(0, Bytes(12, 7)));
    EXPECT_EQ(image.LevelData(0)[11], 7);
}

TEST(Image, SwapRedBlue_ExchangesFirstAndThirdBytesOfRgbFormats)
{
    cImage rgb = MakeImage(kFormatR8G8B8, 2, 1, {1, 2, 3, 4, 5, 6});
    rgb.SwapRedBlue();
    EXPECT_EQ(LevelBytes(rgb, 0), (Bytes{3, 2, 1, 6, 5, 4}));

    for (uint32_t format : {kFormatR8G8B8X8, kFormatR8G8B8A8}) {
        cImage image = MakeImage(format, 2, 1, {1, 2, 3, 4, 5, 6, 7, 8});
        image.SwapRedBlue();
        EXPECT_EQ(LevelBytes(image, 0), (Bytes{3, 2, 1, 4, 7, 6, 5, 8})) << PixelFormatName(format);
    }
}

TEST(Image, SwapRedBlue_LeavesOtherFormatsAlone)
{
    for (uint32_t format : {kFormatL8A8, kFormatR4G4B4A4, kFormatDXT1}) {
        cImage image(format, 4, 4, 1);
        for (std::size_t i = 0; i < image.LevelByteSize(0); ++i) image.LevelData(0)[i] = uint8_t(i);
        const Bytes before = LevelBytes(image, 0);
        image.SwapRedBlue();
        EXPECT_EQ(LevelBytes(image, 0), before) << PixelFormatName(format);
    }
}

TEST(Image, ExpandToRGBX_AddsAnOpaqueFourthByte)
{
    cImage image = MakeImage(kFormatR8G8B8, 2, 1, {1, 2, 3, 4, 5, 6});
    image.ExpandToRGBX();
    EXPECT_EQ(image.Format(), kFormatR8G8B8X8);
    EXPECT_EQ(image.Desc().components, 4u);
    EXPECT_EQ(LevelBytes(image, 0), (Bytes{1, 2, 3, 255, 4, 5, 6, 255}));
}

TEST(Image, ExpandToRGBX_ExpandsEveryLevelSoUploadsNeverReadPastABlock)
{
    cImage image(kFormatR8G8B8, 4, 2, 3);
    ASSERT_EQ(image.LevelCount(), 3u);
    image.ExpandToRGBX();
    for (uint32_t level = 0; level < 3; ++level) {
        const Bytes bytes = LevelBytes(image, level);
        ASSERT_EQ(bytes.size(), std::size_t(image.LevelWidth(level)) * image.LevelHeight(level) * 4);
        for (std::size_t i = 3; i < bytes.size(); i += 4) EXPECT_EQ(bytes[i], 255);
    }
}

TEST(Image, ExpandToRGBX_LeavesOtherFormatsAlone)
{
    cImage image = MakeImage(kFormatR8G8B8A8, 1, 1, {1, 2, 3, 4});
    image.ExpandToRGBX();
    EXPECT_EQ(image.Format(), kFormatR8G8B8A8);
    EXPECT_EQ(LevelBytes(image, 0), (Bytes{1, 2, 3, 4}));
}

TEST(Image, ApplyAlpha_GreyMaskGivesAlphaOfA32BitImage)
{
    cImage image = MakeImage(kFormatR8G8B8X8, 2, 1, {1, 2, 3, 255, 4, 5, 6, 255});
    const cImage mask = MakeImage(kFormatL8, 2, 1, {10, 20});
    image.ApplyAlpha(mask);
    EXPECT_EQ(image.Format(), kFormatR8G8B8A8);
    EXPECT_EQ(LevelBytes(image, 0), (Bytes{1, 2, 3, 10, 4, 5, 6, 20}));
}

TEST(Image, ApplyAlpha_RebuildsA24BitImageAndStepsThroughAColourMask)
{
    cImage image = MakeImage(kFormatR8G8B8, 2, 1, {1, 2, 3, 4, 5, 6});
    const cImage mask = MakeImage(kFormatR8G8B8, 2, 1, {30, 0, 0, 40, 0, 0});
    image.ApplyAlpha(mask);
    EXPECT_EQ(image.Format(), kFormatR8G8B8A8);
    EXPECT_EQ(LevelBytes(image, 0), (Bytes{1, 2, 3, 30, 4, 5, 6, 40}));
}

TEST(Image, ApplyAlpha_Rebuilds24BitLowerLevelsOpaque)
{
    cImage image(kFormatR8G8B8, 2, 2, 2);
    cImage mask(kFormatL8, 2, 2, 1);
    std::memset(mask.LevelData(0), 7, 4);
    image.ApplyAlpha(mask);
    ASSERT_EQ(image.Format(), kFormatR8G8B8A8);
    EXPECT_EQ(LevelBytes(image, 0), (Bytes{0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 0, 7, 0, 0, 0, 7}));
    EXPECT_EQ(LevelBytes(image, 1), (Bytes{0, 0, 0, 255}));
}

struct AlphaRefusal {
    const char* name;
    uint32_t imageFormat;
    uint32_t maskFormat;
    uint32_t maskWidth;
};

class ApplyAlphaRefusals : public testing::TestWithParam<AlphaRefusal> {};

TEST_P(ApplyAlphaRefusals, LeaveTheImageUnchanged)
{
    const AlphaRefusal& c = GetParam();
    cImage image(c.imageFormat, 2, 2, 1);
    for (std::size_t i = 0; i < image.LevelByteSize(0); ++i) image.LevelData(0)[i] = uint8_t(i + 1);
    const Bytes before = LevelBytes(image, 0);
    cImage mask(c.maskFormat, c.maskWidth, 2, 1);
    image.ApplyAlpha(mask);
    EXPECT_EQ(image.Format(), c.imageFormat);
    EXPECT_EQ(LevelBytes(image, 0), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyAlphaRefusals,
    testing::Values(AlphaRefusal{"GreyImage", kFormatL8, kFormatL8, 2},
                    AlphaRefusal{"CompressedImage", kFormatDXT5, kFormatL8, 2},
                    AlphaRefusal{"MaskOfOtherSize", kFormatR8G8B8X8, kFormatL8, 4},
                    AlphaRefusal{"PackedMask", kFormatR8G8B8A8, kFormatR5G6B5, 2},
                    AlphaRefusal{"CompressedMask", kFormatR8G8B8, kFormatDXT1, 2},
                    AlphaRefusal{"UnknownMask", kFormatR8G8B8, kFormatUnknown, 2}),
    [](const testing::TestParamInfo<AlphaRefusal>& info) { return std::string(info.param.name); });

}  // namespace
