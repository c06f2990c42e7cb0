// Textures over the recording device: upload, release and reload, file textures made
// from pictures the test writes, the registry walkers and the dump.
#include "engine/render/texture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "engine/render/image.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/support/temp_folder.h"

namespace {

class TextureTest : public test::NullRenderTest {
protected:
    // A 2 x 2 RGBA PNG with four distinct pixels.
    std::string WriteTestPng(const std::string& name)
    {
        test::PngPicture picture;
        picture.width = 2;
        picture.height = 2;
        picture.colorType = PNG_COLOR_TYPE_RGBA;
        picture.pixels = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};
        const std::string file = folder_.Str() + "/" + name;
        EXPECT_TRUE(test::WritePng(file, picture));
        return file;
    }
    std::string DumpLineOf(const vrk::cTexture& texture)
    {
        std::string line;
        uint32_t bytes = 0;
        vrk::TextureInfoLine(texture, line, bytes);
        return line;
    }
    test::TempFolder folder_;
};

TEST_F(TextureTest, NpotTexture_IsReportedAndStillUploaded)
{
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 100, 64, 1);
    auto texture = vrk::CreateTextureFromImage("wide", &picture);
    EXPECT_TRUE(log_.Contains("OnCreateContext 'wide'. NPOT texture width"));
    EXPECT_FALSE(log_.Contains("NPOT texture height"));
    EXPECT_TRUE(texture->IsOnDevice());
    EXPECT_EQ(texture->image, nullptr) << "the pixels live on the device only";
    EXPECT_NE(DumpLineOf(*texture).find("100x64"), std::string::npos);
    EXPECT_NE(DumpLineOf(*texture).find("25.00 KB"), std::string::npos);
}

TEST_F(TextureTest, PvrFile_LoadsButCannotBeUploaded)
{
    uint32_t header[13] = {52, 8, 8, 0, 25, 32, 4, 0, 0, 0, 0, 0x21525650, 1};
    std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
    bytes.append(32, '\x55');
    const std::string file = folder_.Write("tex.pvr", bytes);
    auto texture = vrk::CreateTextureFromFile("tex", vrk::PathRecord(file));
    texture->inUse = true;
    texture->Apply();
    EXPECT_TRUE(log_.Contains("OnCreateContext 'tex'. Can't create texture"));
    EXPECT_FALSE(texture->IsOnDevice());
}

TEST_F(TextureTest, Apply_FollowsTheInUseFlag)
{
    auto texture = vrk::CreateTextureFromFile("pic", vrk::PathRecord(WriteTestPng("pic.png")));
    EXPECT_FALSE(texture->IsOnDevice());
    texture->inUse = true;
    texture->Apply();
    ASSERT_TRUE(texture->IsOnDevice());
    EXPECT_EQ(texture->deviceTexture->formatId, vrk::kFormatR8G8B8A8);
    texture->inUse = false;
    texture->Apply();
    EXPECT_FALSE(texture->IsOnDevice());
    EXPECT_EQ(texture->image, nullptr);
    texture->inUse = true;
    texture->Apply();
    EXPECT_TRUE(texture->IsOnDevice());
}

TEST_F(TextureTest, Apply_MissingFileLogsItsName)
{
    auto texture = vrk::CreateTextureFromFile("gone", vrk::PathRecord(folder_.Str() + "/gone.png"));
    texture->inUse = true;
    texture->Apply();
    EXPECT_TRUE(log_.Contains("Apply can't load texture: gone.png"));
    EXPECT_FALSE(texture->IsOnDevice());
}

// The headless game applies its textures every frame without a device: the picture
// is decoded once and kept, and the device, once there, gets the kept picture.
TEST_F(TextureTest, Apply_WithoutDeviceDecodesOnceAndUploadsTheKeptPictureLater)
{
    vrk::DestroyRender();
    render_ = vrk::CreateRender();
    const std::string file = WriteTestPng("kept.png");
    auto kept = vrk::CreateTextureFromFile("kept", vrk::PathRecord(file));
    auto dropped = vrk::CreateTextureFromFile("dropped", vrk::PathRecord(WriteTestPng("dropped.png")));
    kept->inUse = true;
    dropped->inUse = true;
    kept->Apply();
    dropped->Apply();
    ASSERT_NE(kept->image, nullptr);
    EXPECT_FALSE(kept->IsOnDevice());

    // A second call does not read the file again: it is gone, and nothing complains.
    std::filesystem::remove(file);
    kept->Apply();
    EXPECT_FALSE(log_.Contains("Apply can't load texture"));
    ASSERT_NE(kept->image, nullptr);
    EXPECT_EQ(kept->image->Width(), 2u);
    dropped->inUse = false;
    dropped->Apply();

    render_->CopyDevice(device_.get(), device_->GetPresentParameters(), nullptr);
    vrk::RestoreAllTextures();
    ASSERT_TRUE(kept->IsOnDevice());
    EXPECT_EQ(kept->deviceTexture->width, 2u);
    EXPECT_EQ(kept->image, nullptr) << "the pixels live on the device only";
    // A texture let go while there was no device is not uploaded, and its picture goes.
    EXPECT_FALSE(dropped->IsOnDevice());
    EXPECT_EQ(dropped->image, nullptr);
}

TEST_F(TextureTest, ReleaseAndRestore_ImageTextureKeepsItsPixels)
{
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 2, 2, 1);
    std::memcpy(picture.LevelData(0), "ABCDEFGHIJKLMNOP", 16);
    auto texture = vrk::CreateTextureFromImage("kept", &picture);
    vrk::ReleaseAllTextures();
    EXPECT_FALSE(texture->IsOnDevice());
    ASSERT_NE(texture->image, nullptr);
    EXPECT_EQ(std::memcmp(texture->image->LevelData(0), "ABCDEFGHIJKLMNOP", 16), 0);
    vrk::RestoreAllTextures();
    EXPECT_TRUE(texture->IsOnDevice());
    port::LockedRect locked;
    ASSERT_EQ(texture->GetDeviceTexture()->LockRect(0, locked, port::kLockReadOnly), port::kGpuOk);
    EXPECT_EQ(std::memcmp(locked.bits, "ABCDEFGHIJKLMNOP", 16), 0);
    texture->GetDeviceTexture()->UnlockRect(0);
}

TEST_F(TextureTest, AddressMode_SetBeforeOrAfterUploadOutlastsReleaseAndRestore)
{
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 2, 2, 1);
    auto texture = vrk::CreateTextureFromImage("clamped", &picture);
    ASSERT_TRUE(texture->IsOnDevice());
    EXPECT_EQ(texture->deviceTexture->addressMode, static_cast<uint32_t>(vrk::kTextureAddressWrap));
    texture->SetAddressMode(vrk::kTextureAddressClamp);
    EXPECT_EQ(texture->deviceTexture->addressMode, static_cast<uint32_t>(vrk::kTextureAddressClamp));
    vrk::ReleaseAllTextures();
    vrk::RestoreAllTextures();
    ASSERT_TRUE(texture->IsOnDevice());
    EXPECT_EQ(texture->deviceTexture->addressMode, static_cast<uint32_t>(vrk::kTextureAddressClamp));

    // Set while only the pixels are held: the first upload takes it.
    vrk::ReleaseAllTextures();
    texture->SetAddressMode(vrk::kTextureAddressMirror);
    vrk::RestoreAllTextures();
    EXPECT_EQ(texture->deviceTexture->addressMode, static_cast<uint32_t>(vrk::kTextureAddressMirror));
}

TEST_F(TextureTest, TwentyFourBitImage_IsExpandedBeforeUpload)
{
    vrk::cImage picture(vrk::kFormatR8G8B8, 2, 1, 1);
    std::memcpy(picture.LevelData(0), "\x01\x02\x03\x04\x05\x06", 6);
    auto texture = vrk::CreateTextureFromImage("rgb", &picture);
    ASSERT_TRUE(texture->IsOnDevice());
    EXPECT_EQ(texture->deviceTexture->formatId, vrk::kFormatR8G8B8X8);
    port::LockedRect locked;
    ASSERT_EQ(texture->GetDeviceTexture()->LockRect(0, locked, port::kLockReadOnly), port::kGpuOk);
    const uint8_t expected[8] = {1, 2, 3, 255, 4, 5, 6, 255};
    EXPECT_EQ(std::memcmp(locked.bits, expected, 8), 0);
    texture->GetDeviceTexture()->UnlockRect(0);
}

TEST_F(TextureTest, Walkers_SkipEmptyRegistryEntries)
{
    vrk::GetTextureMap()["ghost"];
    auto file = vrk::CreateTextureFromFile("idle", vrk::PathRecord(folder_.Str() + "/idle.png"));
    vrk::ReleaseAllTextures();
    vrk::RestoreAllTextures();
    const uint32_t total = vrk::DumpTextures();
    EXPECT_EQ(total, 0u);
    EXPECT_TRUE(log_.Contains("Dump textures:"));
    EXPECT_TRUE(log_.Contains("  Total size: 0.00 KB"));
    EXPECT_FALSE(log_.Contains("ghost"));
}

TEST_F(TextureTest, Dump_TextureNotOnDeviceShowsDashAndAddsNothing)
{
    auto file = vrk::CreateTextureFromFile("lazy", vrk::PathRecord(WriteTestPng("lazy.png")));
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 16, 16, 1);
    auto resident = vrk::CreateTextureFromImage("resident", &picture);
    EXPECT_EQ(vrk::DumpTextures(), 1024u);
    const std::string line = DumpLineOf(*file);
    EXPECT_NE(line.find("| " + std::string(14, ' ') + "- |"), std::string::npos) << line;
    EXPECT_NE(line.find("| ?"), std::string::npos);
}

TEST_F(TextureTest, MemoryText_UsesTheUnitOfItsSize)
{
    EXPECT_EQ(vrk::TextureMemoryText(0), "-");
    EXPECT_EQ(vrk::TextureMemoryText(1023), "1023 B");
    EXPECT_EQ(vrk::TextureMemoryText(1536), "1.50 KB");
    EXPECT_EQ(vrk::TextureMemoryText(3 * 1024 * 1024), "3.00 MB");
}

TEST_F(TextureTest, Register_ReplacedTextureLivesOnWhileShared)
{
    vrk::cImage picture(vrk::kFormatR8G8B8A8, 4, 4, 1);
    auto old = vrk::CreateTextureFromImage("same", &picture);
    auto replacement = vrk::CreateTextureFromImage("same", &picture);
    EXPECT_EQ(vrk::FindTexture("same"), replacement);
    EXPECT_TRUE(old->IsOnDevice()) << "a user holding the old texture can still draw it";
}

}  // namespace
