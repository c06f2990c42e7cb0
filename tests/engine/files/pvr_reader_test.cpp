// ReadPvr: headers made by hand, the four PVRTC formats, and the headers and
// sizes that must be refused.
#include "engine/files/pvr_reader.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/files/image_test_writers.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace vrk;

std::string Data(std::size_t count)
{
    std::string data(count, '\0');
    for (std::size_t i = 0; i < count; ++i) data[i] = char(i * 3 + 1);
    return data;
}

class PvrReader : public testing::Test {
protected:
    // Reads the bytes as a PVR into an image prepared beforehand; the image must
    // not change when the read fails.
    int Read(const std::string& bytes)
    {
        const std::string file = folder.Write("picture.pvr", bytes);
        image = cImage(kFormatL8, 2, 2, 1);
        const int result = ReadPvr(image, PathRecord(file));
        if (result != kImageReadOk) {
            EXPECT_EQ(image.Format(), kFormatL8);
            EXPECT_EQ(image.Width(), 2u);
        }
        return result;
    }

    test::TempFolder folder;
    cImage image;
};

struct PvrFormatCase {
    const char* name;
    uint32_t flags;
    uint32_t alphaMask;
    uint32_t format;
};

class PvrFormats : public PvrReader, public testing::WithParamInterface<PvrFormatCase> {};

TEST_P(PvrFormats, FlagsAndAlphaMaskChooseTheFormat)
{
    const PvrFormatCase& c = GetParam();
    const std::size_t bytes = ImageByteSize(32, 16, c.format);
    // The lower levels that follow the top one are not read.
    ASSERT_EQ(Read(test::MakePvr({32, 16, c.flags, c.alphaMask}, Data(bytes) + Data(64))), kImageReadOk);
    EXPECT_EQ(image.Format(), c.format);
    EXPECT_EQ(image.Width(), 32u);
    EXPECT_EQ(image.Height(), 16u);
    ASSERT_EQ(image.LevelCount(), 1u);
    const std::string expected = Data(bytes);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.LevelData(0)), image.LevelByteSize(0)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PvrFormats,
    testing::Values(PvrFormatCase{"Pvrtc2", 24, 0, kFormatPVRTC2_RGB},
                    PvrFormatCase{"Pvrtc2Alpha", 24, 0xFF000000u, kFormatPVRTC2_RGBA},
                    PvrFormatCase{"Pvrtc4", 25, 0, kFormatPVRTC4_RGB},
                    PvrFormatCase{"Pvrtc4Alpha", 25, 1, kFormatPVRTC4_RGBA}),
    [](const testing::TestParamInfo<PvrFormatCase>& info) { return std::string(info.param.name); });

TEST_F(PvrReader, SmallPictureReadsOneMinimumLevel)
{
    ASSERT_EQ(Read(test::MakePvr({1, 1, 25, 0}, Data(32))), kImageReadOk);
    EXPECT_EQ(image.LevelByteSize(0), 32u);
}

TEST_F(PvrReader, MissingFileGivesTwo)
{
    EXPECT_EQ(ReadPvr(image, PathRecord(folder.Str() + "/none.pvr")), kImageCannotOpen);
}

struct PvrRefusal {
    const char* name;
    test::PvrFields fields;
    int result;
};

class PvrRefusals : public PvrReader, public testing::WithParamInterface<PvrRefusal> {};

TEST_P(PvrRefusals, GiveTheirCode)
{
    const PvrRefusal& c = GetParam();
    EXPECT_EQ(Read(test::MakePvr(c.fields, Data(4096))), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PvrRefusals,
    testing::Values(PvrRefusal{"WrongTag", {8, 8, 25, 0, 0x21525651}, kImageUnsupported},
                    PvrRefusal{"MipmapFlag", {8, 8, 25 | 0x100, 0, 0x21525650}, kImageUnsupported},
                    PvrRefusal{"TwiddleFlag", {8, 8, 24 | 0x200, 0, 0x21525650}, kImageUnsupported},
                    PvrRefusal{"OtherType", {8, 8, 12, 0, 0x21525650}, kImageUnsupported},
                    PvrRefusal{"ZeroWidth", {0, 8, 25, 0, 0x21525650}, kImageUnsupported},
                    PvrRefusal{"TooWide", {kMaxImageSide * 2, 8, 25, 0, 0x21525650}, kImageUnsupported},
                    PvrRefusal{"DataShorterThanTopLevel", {128, 128, 25, 0, 0x21525650}, kImageDataRefused}),
    [](const testing::TestParamInfo<PvrRefusal>& info) { return std::string(info.param.name); });

TEST_F(PvrReader, ShortHeaderGivesThree)
{
    EXPECT_EQ(Read(""), kImageUnsupported);
    EXPECT_EQ(Read(test::MakePvr({}, "").substr(0, 51)), kImageUnsupported);
}

TEST_F(PvrReader, HeaderPromisingMoreThanTheFileHoldsAllocatesNothing)
{
    const std::size_t peakBefore = test::PeakResidentBytes();
    EXPECT_EQ(Read(test::MakePvr({kMaxImageSide, kMaxImageSide, 25, 0}, Data(16))), kImageDataRefused);
    EXPECT_LT(test::PeakResidentBytes() - peakBefore, std::size_t(64) << 20);
}

}  // namespace
