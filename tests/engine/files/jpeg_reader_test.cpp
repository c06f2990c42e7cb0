// ReadJpeg: grey and colour files written by libjpeg into a temporary folder,
// truncated files that end cleanly, and broken files that end in a result code.
#include "engine/files/jpeg_reader.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/files/image_test_writers.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace vrk;
using Bytes = std::vector<uint8_t>;

// JPEG is lossy; flat 8 x 8 blocks at the best quality come back within this.
constexpr int kTolerance = 3;

// A picture of flat 8 x 8 blocks, each block its own value per component.
Bytes Blocks(uint32_t width, uint32_t height, int components)
{
    Bytes pixels(std::size_t(width) * height * components);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                pixels[(std::size_t(y) * width + x) * components + c] = uint8_t(40 + 60 * c + 20 * (x / 8) + 30 * (y / 8));
    return pixels;
}

void ExpectNear(const cImage& image, const Bytes& expected)
{
    ASSERT_EQ(image.LevelByteSize(0), expected.size());
    int worst = 0;
    for (std::size_t i = 0; i < expected.size(); ++i)
        worst = std::max(worst, std::abs(int(image.LevelData(0)[i]) - int(expected[i])));
    EXPECT_LE(worst, kTolerance);
}

class JpegReader : public testing::Test {
protected:
    std::string Write(uint32_t width, uint32_t height, int components)
    {
        const std::string file = folder.Str() + "/picture.jpg";
        EXPECT_TRUE(test::WriteJpeg(file, width, height, components, Blocks(width, height, components)));
        return file;
    }

    // Reads the bytes as a JPEG into an image prepared beforehand; the image must
    // not change when the read fails.
    int Read(const std::string& bytes)
    {
        const std::string file = folder.Write("broken.jpg", bytes);
        image = cImage(kFormatL8A8, 2, 2, 1);
        const int result = ReadJpeg(image, PathRecord(file));
        if (result != kImageReadOk) {
            EXPECT_EQ(image.Format(), kFormatL8A8);
            EXPECT_EQ(image.Width(), 2u);
        }
        return result;
    }

    test::TempFolder folder;
    cImage image;
};

TEST_F(JpegReader, GreyFileGivesL8)
{
    ASSERT_EQ(ReadJpeg(image, PathRecord(Write(24, 16, 1))), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatL8);
    EXPECT_EQ(image.Width(), 24u);
    EXPECT_EQ(image.Height(), 16u);
    EXPECT_EQ(image.LevelCount(), 1u);
    ExpectNear(image, Blocks(24, 16, 1));
}

TEST_F(JpegReader, ColourFileGivesR8G8B8TopRowFirst)
{
    ASSERT_EQ(ReadJpeg(image, PathRecord(Write(16, 24, 3))), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatR8G8B8);
    EXPECT_EQ(image.Width(), 16u);
    EXPECT_EQ(image.Height(), 24u);
    ExpectNear(image, Blocks(16, 24, 3));
}

TEST_F(JpegReader, MissingFileGivesTwo)
{
    EXPECT_EQ(ReadJpeg(image, PathRecord(folder.Str() + "/none.jpg")), kImageCannotOpen);
}

TEST_F(JpegReader, EmptyFileGivesThree)
{
    EXPECT_EQ(Read(""), kImageUnsupported);
}

TEST_F(JpegReader, ForeignFileGivesFour)
{
    EXPECT_EQ(Read("\x89PNG\r\n\x1a\n and then some more bytes"), kImageDataRefused);
    EXPECT_EQ(Read(std::string(5000, '\0')), kImageDataRefused);
}

TEST_F(JpegReader, TruncatedFileEndsCleanlyWithItsFullSize)
{
    const std::string bytes = test::TempFolder::Read(Write(64, 64, 3));
    ASSERT_EQ(Read(bytes.substr(0, bytes.size() * 2 / 3)), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatR8G8B8);
    EXPECT_EQ(image.Width(), 64u);
    EXPECT_EQ(image.Height(), 64u);
    EXPECT_EQ(image.LevelByteSize(0), 64u * 64u * 3u);
}

TEST_F(JpegReader, FileCutInsideItsHeaderGivesFour)
{
    const std::string bytes = test::TempFolder::Read(Write(16, 16, 1));
    EXPECT_EQ(Read(bytes.substr(0, 30)), kImageDataRefused);
}

TEST_F(JpegReader, PictureLargerThanTheLimitGivesThree)
{
    std::string bytes = test::TempFolder::Read(Write(16, 16, 1));
    test::PatchJpegSize(bytes, uint16_t(kMaxImageSide + 1), 16);
    EXPECT_EQ(Read(bytes), kImageUnsupported);
}

TEST_F(JpegReader, HeaderPromisingMoreThanTheFileHoldsAllocatesNothing)
{
    std::string bytes = test::TempFolder::Read(Write(16, 16, 3));
    test::PatchJpegSize(bytes, uint16_t(kMaxImageSide), uint16_t(kMaxImageSide));
    const std::size_t peakBefore = test::PeakResidentBytes();
    EXPECT_EQ(Read(bytes), kImageDataRefused);
    EXPECT_LT(test::PeakResidentBytes() - peakBefore, std::size_t(64) << 20);
}

}  // namespace
