// ReadPng: every colour type the game's art uses, written by libpng into a
// temporary folder, and broken files that must end in a result code.
#include "engine/files/png_reader.h"

#include <zlib.h>

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/files/files_test_support.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace vrk;
using Bytes = std::vector<uint8_t>;

Bytes LevelBytes(const cImage& image)
{
    const uint8_t* data = image.LevelData(0);
    return data ? Bytes(data, data + image.LevelByteSize(0)) : Bytes();
}

Bytes Ramp(std::size_t count, int step)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = uint8_t(i * step + 5);
    return bytes;
}

// Every second byte of a 16-bit sample stream: what stripping to 8 bits keeps.
Bytes HighBytes(const Bytes& samples16)
{
    Bytes high;
    for (std::size_t i = 0; i < samples16.size(); i += 2) high.push_back(samples16[i]);
    return high;
}

struct PngCase {
    const char* name;
    test::PngPicture picture;
    uint32_t format;
    Bytes expected;
};

void PrintTo(const PngCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<PngCase> DecodeCases()
{
    std::vector<PngCase> cases;
    const Bytes rgb = Ramp(3 * 2 * 3, 7);
    cases.push_back({"Rgb", {3, 2, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, rgb}, kFormatR8G8B8, rgb});
    const Bytes rgba = Ramp(3 * 2 * 4, 5);
    cases.push_back({"Rgba", {3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, {}, {}, rgba}, kFormatR8G8B8A8, rgba});
    const Bytes grey = Ramp(3 * 2, 31);
    cases.push_back({"Grey", {3, 2, PNG_COLOR_TYPE_GRAY, 8, false, {}, {}, grey}, kFormatL8, grey});
    const Bytes greyAlpha = Ramp(3 * 2 * 2, 13);
    cases.push_back({"GreyAlpha", {3, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {}, {}, greyAlpha}, kFormatL8A8,
                     greyAlpha});
    const Bytes grey16 = Ramp(3 * 2 * 2, 17);
    cases.push_back({"Grey16", {3, 2, PNG_COLOR_TYPE_GRAY, 16, false, {}, {}, grey16}, kFormatL8,
                     HighBytes(grey16)});
    const Bytes rgb16 = Ramp(2 * 2 * 6, 9);
    cases.push_back({"Rgb16", {2, 2, PNG_COLOR_TYPE_RGB, 16, false, {}, {}, rgb16}, kFormatR8G8B8,
                     HighBytes(rgb16)});
    // 2-bit grey: 0 1 2 3 / 3 2 1 0, scaled to 8 bits.
    cases.push_back({"Grey2Bit", {4, 2, PNG_COLOR_TYPE_GRAY, 2, false, {}, {}, {0x1B, 0xE4}}, kFormatL8,
                     {0, 85, 170, 255, 255, 170, 85, 0}});
    const std::vector<png_color> palette = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    cases.push_back({"Palette", {3, 1, PNG_COLOR_TYPE_PALETTE, 8, false, palette, {}, {2, 0, 1}}, kFormatR8G8B8,
                     {70, 80, 90, 10, 20, 30, 40, 50, 60}});
    // 4-bit indexes 0 1 2 0, a tRNS chunk for the first two entries.
    cases.push_back({"PaletteWithTransparency", {4, 1, PNG_COLOR_TYPE_PALETTE, 4, false, palette, {0, 128}, {0x01, 0x20}},
                     kFormatR8G8B8A8, {10, 20, 30, 0, 40, 50, 60, 128, 70, 80, 90, 255, 10, 20, 30, 0}});
    const Bytes interlaced = Ramp(9 * 9 * 3, 3);
    cases.push_back({"InterlacedRgb", {9, 9, PNG_COLOR_TYPE_RGB, 8, true, {}, {}, interlaced}, kFormatR8G8B8,
                     interlaced});
    const Bytes interlacedGrey = Ramp(5 * 3, 11);
    cases.push_back({"InterlacedGrey", {5, 3, PNG_COLOR_TYPE_GRAY, 8, true, {}, {}, interlacedGrey}, kFormatL8,
                     interlacedGrey});
    return cases;
}

class PngDecoding : public testing::TestWithParam<PngCase> {};

TEST_P(PngDecoding, GivesFormatSizeAndPixels)
{
    const PngCase& c = GetParam();
    test::TempFolder folder;
    const std::string file = folder.Str() + "/picture.png";
    ASSERT_TRUE(test::WritePng(file, c.picture));
    cImage image;
    ASSERT_EQ(ReadPng(image, PathRecord(file)), kImageReadOk);
    EXPECT_EQ(image.Format(), c.format);
    EXPECT_EQ(image.Width(), c.picture.width);
    EXPECT_EQ(image.Height(), c.picture.height);
    EXPECT_EQ(image.LevelCount(), 1u);
    EXPECT_EQ(LevelBytes(image), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ColourTypes, PngDecoding, testing::ValuesIn(DecodeCases()),
                         [](const testing::TestParamInfo<PngCase>& info) { return std::string(info.param.name); });

// A chunk: length, type, data, CRC over type and data.
std::string Chunk(const std::string& type, const std::string& data)
{
    std::string bytes;
    const uint32_t length = uint32_t(data.size());
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(char(length >> shift));
    const std::string body = type + data;
    bytes += body;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(char(crc >> shift));
    return bytes;
}

std::string Header(uint32_t width, uint32_t height, uint8_t colorType)
{
    std::string data;
    for (uint32_t value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) data.push_back(char(value >> shift));
    data += std::string{char(8), char(colorType), 0, 0, 0};
    return std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", data);
}

class PngFailures : public testing::Test {
protected:
    // A 32 x 32 RGB picture whose pixels do not compress away.
    std::string ValidFile()
    {
        test::PngPicture picture{32, 32, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}};
        picture.pixels.resize(32 * 32 * 3);
        uint32_t seed = 12345;
        for (uint8_t& byte : picture.pixels) {
            seed = seed * 69069 + 1;
            byte = uint8_t(seed >> 24);
        }
        const std::string file = folder.Str() + "/valid.png";
        EXPECT_TRUE(test::WritePng(file, picture));
        return test::TempFolder::Read(file);
    }

    // Reads the bytes as a PNG into an image prepared beforehand; the image must
    // not change when the read fails.
    int Read(const std::string& bytes)
    {
        const std::string file = folder.Write("broken.png", bytes);
        image = cImage(kFormatL8, 2, 2, 1);
        const int result = ReadPng(image, PathRecord(file));
        if (result != kImageReadOk) {
            EXPECT_EQ(image.Format(), kFormatL8);
            EXPECT_EQ(image.Width(), 2u);
        }
        return result;
    }

    test::TempFolder folder;
    cImage image;
};

TEST_F(PngFailures, MissingFileGivesTwo)
{
    EXPECT_EQ(ReadPng(image, PathRecord(folder.Str() + "/none.png")), kImageCannotOpen);
}

TEST_F(PngFailures, EmptyOrForeignFileGivesThreeAndNamesTheFile)
{
    test::LogRecorder log;
    EXPECT_EQ(Read(""), kImageUnsupported);
    EXPECT_EQ(Read("GIF89a not a png at all"), kImageUnsupported);
    EXPECT_TRUE(log.Contains("Invalid PNG format: Unknown signature in file " + folder.Str() + "/broken.png"));
}

TEST_F(PngFailures, TruncatedFileGivesFour)
{
    const std::string bytes = ValidFile();
    EXPECT_EQ(Read(bytes.substr(0, bytes.size() / 2)), kImageDataRefused);
    EXPECT_EQ(Read(bytes.substr(0, 40)), kImageDataRefused);
    EXPECT_EQ(Read(bytes.substr(0, bytes.size() - 12)), kImageDataRefused);  // no end chunk
}

TEST_F(PngFailures, DamagedChunkGivesFour)
{
    std::string bytes = ValidFile();
    const std::size_t data = bytes.find("IDAT") + 4;
    bytes[data + 100] = char(bytes[data + 100] ^ 0x5A);
    EXPECT_EQ(Read(bytes), kImageDataRefused);
}

TEST_F(PngFailures, CorruptCompressedDataWithAValidChecksumGivesFour)
{
    const std::string pixels(64, '\x33');  // no zlib header: inflate refuses it
    EXPECT_EQ(Read(Header(4, 4, PNG_COLOR_TYPE_RGB) + Chunk("IDAT", pixels) + Chunk("IEND", "")),
              kImageDataRefused);
}

TEST_F(PngFailures, PictureWiderThanTheLimitGivesThree)
{
    EXPECT_EQ(Read(Header(kMaxImageSide + 1, 1, PNG_COLOR_TYPE_RGB) + Chunk("IDAT", "")), kImageUnsupported);
    EXPECT_EQ(Read(Header(1, kMaxImageSide + 1, PNG_COLOR_TYPE_GRAY) + Chunk("IDAT", "")), kImageUnsupported);
}

TEST_F(PngFailures, HeaderPromisingMoreThanTheFileHoldsAllocatesNothing)
{
    const std::size_t peakBefore = test::PeakResidentBytes();
    EXPECT_EQ(Read(Header(kMaxImageSide, kMaxImageSide, PNG_COLOR_TYPE_RGB_ALPHA) + Chunk("IDAT", "x")),
              kImageDataRefused);
    EXPECT_LT(test::PeakResidentBytes() - peakBefore, std::size_t(64) << 20);
}

TEST_F(PngFailures, ZipEntryClaimingMoreThanItHoldsIsMeasuredByItsRealBytes)
{
    // The same lying header inside an archive whose entry also claims 4 GiB: the
    // check against the picture's size uses the bytes the entry really holds.
    const std::string archive = folder.Str() + "/pack.zip";
    ASSERT_TRUE(test::WriteZip(archive, {{"big.png", Header(kMaxImageSide, kMaxImageSide, PNG_COLOR_TYPE_RGB_ALPHA) +
                                                         Chunk("IDAT", "x")}}));
    ASSERT_TRUE(test::ClaimUncompressedSize(archive, 0xFFFFFFFFu));
    const std::size_t peakBefore = test::PeakResidentBytes();
    test::LogRecorder log;
    EXPECT_EQ(ReadPng(image, PathRecord(archive + "/big.png")), kImageDataRefused);
    EXPECT_TRUE(log.Contains("file shorter than its picture"));
    EXPECT_LT(test::PeakResidentBytes() - peakBefore, std::size_t(64) << 20);
}

}  // namespace
