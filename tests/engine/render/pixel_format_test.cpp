// The pixel format table: names, flags, level byte sizes and the mip level count.
#include "engine/render/pixel_format.h"

#include <cstring>
#include <ostream>

#include <gtest/gtest.h>

namespace {

using namespace vrk;

struct FormatRow {
    uint32_t id;
    const char* name;
    uint32_t compressed;
    uint32_t components;
    uint32_t alpha;
    std::size_t bytes16x8;  // one level of 16 x 8 pixels
    std::size_t bytes1x1;
};

void PrintTo(const FormatRow& row, std::ostream* os)
{
    *os << row.name;
}

class PixelFormatTable : public testing::TestWithParam<FormatRow> {};

TEST_P(PixelFormatTable, EntryMatchesRow)
{
    const FormatRow& row = GetParam();
    const PixelFormatDesc& desc = GetPixelFormatDesc(row.id);
    EXPECT_EQ(desc.id, row.id);
    EXPECT_STREQ(PixelFormatName(row.id), row.name);
    EXPECT_EQ(desc.compressed, row.compressed);
    EXPECT_EQ(desc.components, row.components);
    EXPECT_EQ(desc.alpha, row.alpha);
    EXPECT_EQ(ImageByteSize(16, 8, row.id), row.bytes16x8);
    EXPECT_EQ(ImageByteSize(1, 1, row.id), row.bytes1x1);
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, PixelFormatTable,
    testing::Values(FormatRow{0, "?", 0, 0, 0, 0, 0},
                    FormatRow{1, "L8", 0, 1, 0, 128, 1},
                    FormatRow{2, "L8A8", 0, 2, 1, 256, 2},
                    FormatRow{3, "R5G6B5", 0, 3, 0, 256, 2},
                    FormatRow{4, "R8G8B8", 0, 3, 0, 384, 3},
                    FormatRow{5, "R4G4B4A4", 0, 4, 1, 256, 2},
                    FormatRow{6, "R8G8B8X8", 0, 4, 0, 512, 4},
                    FormatRow{7, "R8G8B8A8", 0, 4, 1, 512, 4},
                    FormatRow{8, "DXT1", 1, 3, 0, 64, 8},
                    FormatRow{9, "DXT3", 1, 4, 1, 128, 16},
                    FormatRow{10, "DXT5", 1, 4, 1, 128, 16},
                    FormatRow{11, "PVRTC2_RGB", 1, 3, 0, 32, 16},
                    FormatRow{12, "PVRTC2_RGBA", 1, 4, 1, 32, 16},
                    FormatRow{13, "PVRTC4_RGB", 1, 3, 0, 64, 32},
                    FormatRow{14, "PVRTC4_RGBA", 1, 4, 1, 64, 32}),
    [](const testing::TestParamInfo<FormatRow>& info) { return "Id" + std::to_string(info.param.id); });

struct SizeCase {
    uint32_t width;
    uint32_t height;
    uint32_t format;
    std::size_t expected;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.width << "x" << c.height << " " << PixelFormatName(c.format);
}

class ImageByteSizeCases : public testing::TestWithParam<SizeCase> {};

TEST_P(ImageByteSizeCases, GivesBytesOfOneLevel)
{
    const SizeCase& c = GetParam();
    EXPECT_EQ(ImageByteSize(c.width, c.height, c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    SmallLevels, ImageByteSizeCases,
    testing::Values(SizeCase{1, 1, kFormatDXT1, 8}, SizeCase{2, 2, kFormatDXT5, 16},
                    SizeCase{1, 1, kFormatPVRTC4_RGB, 32}, SizeCase{6, 4, kFormatDXT1, 8},
                    SizeCase{8, 8, kFormatDXT1, 32}, SizeCase{4, 16, kFormatPVRTC2_RGBA, 32},
                    SizeCase{0, 5, kFormatR8G8B8A8, 0}, SizeCase{3, 5, kFormatR8G8B8, 45}));

TEST(PixelFormat, IdsOutsideTheTableReadAsEntryZero)
{
    for (uint32_t id : {15u, 16u, 1000u, 0xFFFFFFFFu}) {
        EXPECT_STREQ(PixelFormatName(id), "?");
        EXPECT_EQ(GetPixelFormatDesc(id).id, kFormatUnknown);
        EXPECT_EQ(GetPixelFormatDesc(id).components, 0u);
        EXPECT_EQ(ImageByteSize(16, 16, id), 0u);
    }
}

TEST(PixelFormat, ImageByteSize_LargestSidesDoNotOverflow)
{
    EXPECT_EQ(ImageByteSize(0xFFFFFFFFu, 0xFFFFFFFFu, kFormatR8G8B8A8),
              std::size_t(0xFFFFFFFFu) * std::size_t(0xFFFFFFFFu) * 4);
}

TEST(PixelFormat, MaxMipLevels_CountsHalvingsOfTheLongerSide)
{
    EXPECT_EQ(MaxMipLevels(256, 64), 9u);
    EXPECT_EQ(MaxMipLevels(64, 256), 9u);
    EXPECT_EQ(MaxMipLevels(1, 1), 1u);
    EXPECT_EQ(MaxMipLevels(2, 1), 2u);
    EXPECT_EQ(MaxMipLevels(3, 3), 2u);
    EXPECT_EQ(MaxMipLevels(1, 1024), 11u);
    EXPECT_EQ(MaxMipLevels(0, 0), 1u);
    EXPECT_EQ(MaxMipLevels(0xFFFFFFFFu, 1), 32u);
}

}  // namespace
