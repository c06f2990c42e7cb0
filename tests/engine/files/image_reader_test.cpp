// LoadImageFile: decoder choice by extension, the "alpha" companion and the byte
// order and pixel size the textures get.
#include "engine/files/image_reader.h"

#include <cstdlib>
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

class LoadImage : public testing::Test {
protected:
    // A 2 x 1 PNG: red-ish then blue-ish, in RGB or RGBA.
    std::string WriteColourPng(const std::string& name, bool alpha)
    {
        test::PngPicture picture{2, 1, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}};
        picture.pixels = alpha ? Bytes{200, 10, 20, 99, 30, 40, 250, 77} : Bytes{200, 10, 20, 30, 40, 250};
        const std::string file = folder.Str() + "/" + name;
        EXPECT_TRUE(test::WritePng(file, picture));
        return file;
    }

    // A flat grey JPEG (flat pictures come back almost exactly).
    std::string WriteGreyJpeg(const std::string& name, uint32_t width, uint32_t height, uint8_t value)
    {
        const std::string file = folder.Str() + "/" + name;
        EXPECT_TRUE(test::WriteJpeg(file, width, height, 1, Bytes(std::size_t(width) * height, value)));
        return file;
    }

    test::TempFolder folder;
    cImage image;
};

TEST_F(LoadImage, RgbPngEndsAs32BitPixelsWithRedAndBlueSwapped)
{
    ASSERT_EQ(LoadImageFile(image, PathRecord(WriteColourPng("a.png", false))), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatR8G8B8X8);
    EXPECT_EQ(LevelBytes(image), (Bytes{20, 10, 200, 255, 250, 40, 30, 255}));
}

TEST_F(LoadImage, RgbaPngKeepsItsAlpha)
{
    ASSERT_EQ(LoadImageFile(image, PathRecord(WriteColourPng("a.png", true))), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatR8G8B8A8);
    EXPECT_EQ(LevelBytes(image), (Bytes{20, 10, 200, 99, 250, 40, 30, 77}));
}

TEST_F(LoadImage, GreyJpegStaysL8)
{
    ASSERT_EQ(LoadImageFile(image, PathRecord(WriteGreyJpeg("g.jpg", 8, 8, 90))), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatL8);
    EXPECT_EQ(image.LevelByteSize(0), 64u);
}

TEST_F(LoadImage, PvrKeepsItsCompressedFormat)
{
    const std::string file = folder.Write("p.pvr", test::MakePvr({8, 8, 24, 0}, std::string(16, 'x')));
    ASSERT_EQ(LoadImageFile(image, PathRecord(file)), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatPVRTC2_RGB);
    EXPECT_EQ(LevelBytes(image), Bytes(16, 'x'));
}

TEST_F(LoadImage, OtherExtensionsGiveThreeWithoutReading)
{
    WriteColourPng("a.PNG", false);
    test::LogRecorder log;
    const std::size_t linesBefore = log.Lines().size();
    for (const char* name : {"a.PNG", "a.Jpg", "a.bmp", "a", "missing.tga"})
        EXPECT_EQ(LoadImageFile(image, PathRecord(folder.Str() + "/" + name)), kImageUnsupported) << name;
    EXPECT_EQ(log.Lines().size(), linesBefore);
    EXPECT_EQ(image.Format(), kFormatUnknown);
}

TEST_F(LoadImage, DecoderCodesPassThroughAndLeaveTheImage)
{
    image = cImage(kFormatL8, 3, 3, 1);
    EXPECT_EQ(LoadImageFile(image, PathRecord(folder.Str() + "/none.png")), kImageCannotOpen);
    EXPECT_EQ(LoadImageFile(image, PathRecord(folder.Write("bad.png", "not a png"))), kImageUnsupported);
    EXPECT_EQ(LoadImageFile(image, PathRecord(folder.Write("bad.jpg", std::string(100, 'j')))),
              kImageDataRefused);
    EXPECT_EQ(image.Format(), kFormatL8);
    EXPECT_EQ(image.Width(), 3u);
}

TEST_F(LoadImage, AlphaCompanionGivesItsGreyValuesAsAlpha)
{
    const std::string file = WriteColourPng("a.png", false);
    WriteGreyJpeg("a.alpha", 2, 1, 128);
    ASSERT_EQ(LoadImageFile(image, PathRecord(file)), kImageReadOk);
    ASSERT_EQ(image.Format(), kFormatR8G8B8A8);
    const Bytes bytes = LevelBytes(image);
    ASSERT_EQ(bytes.size(), 8u);
    EXPECT_EQ((Bytes{bytes[0], bytes[1], bytes[2], bytes[4], bytes[5], bytes[6]}),
              (Bytes{20, 10, 200, 250, 40, 30}));
    EXPECT_NEAR(bytes[3], 128, 2);
    EXPECT_NEAR(bytes[7], 128, 2);
}

TEST_F(LoadImage, AlphaCompanionReplacesTheAlphaOfAnRgbaPicture)
{
    const std::string file = WriteColourPng("b.png", true);
    WriteGreyJpeg("b.alpha", 2, 1, 10);
    ASSERT_EQ(LoadImageFile(image, PathRecord(file)), kImageReadOk);
    ASSERT_EQ(image.Format(), kFormatR8G8B8A8);
    EXPECT_NEAR(LevelBytes(image)[3], 10, 2);
}

TEST_F(LoadImage, UnusableCompanionLeavesTheColourImage)
{
    const std::string small = WriteColourPng("s.png", false);
    WriteGreyJpeg("s.alpha", 4, 4, 128);  // other size
    const std::string broken = WriteColourPng("b.png", false);
    folder.Write("b.alpha", "no jpeg here, just text");
    for (const std::string& file : {small, broken}) {
        ASSERT_EQ(LoadImageFile(image, PathRecord(file)), kImageReadOk);
        EXPECT_EQ(image.Format(), kFormatR8G8B8X8);
        EXPECT_EQ(LevelBytes(image), (Bytes{20, 10, 200, 255, 250, 40, 30, 255}));
    }
}

TEST_F(LoadImage, PictureInsideAnArchiveDecodes)
{
    const std::string png = test::TempFolder::Read(WriteColourPng("z.png", false));
    ASSERT_TRUE(test::WriteZip(folder.Str() + "/pack.zip", {{"z.png", png}}));
    ASSERT_EQ(LoadImageFile(image, PathRecord(folder.Str() + "/pack.zip/z.png")), kImageReadOk);
    EXPECT_EQ(image.Format(), kFormatR8G8B8X8);
}

}  // namespace
