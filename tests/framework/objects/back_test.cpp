// cBack: the background pictures of a level over the recording device: lookup by
// extension, per-object texture names, layout and release.
#include "framework/objects/back.h"

#include <gtest/gtest.h>

#include "engine/files/path_macros.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/support/temp_folder.h"

namespace {

class BackTest : public test::NullRenderTest {
protected:
    void SetUp() override
    {
        test::NullRenderTest::SetUp();
        oldStatic_ = vrk::GetPathMacro("{StaticPath}");
        vrk::SetPathMacro("{StaticPath}", folder_.Str());
    }
    void TearDown() override
    {
        vrk::SetPathMacro("{StaticPath}", oldStatic_);
        test::NullRenderTest::TearDown();
    }
    void WritePicture(const std::string& name, uint32_t width, uint32_t height)
    {
        test::PngPicture picture;
        picture.width = width;
        picture.height = height;
        picture.pixels.assign(static_cast<size_t>(width) * height * 3, 128);
        const std::string file = folder_.Str() + "/texture/back/" + name;
        folder_.Write("texture/back/" + name, "");
        ASSERT_TRUE(test::WritePng(file, picture));
    }
    test::TempFolder folder_;
    std::string oldStatic_;
    test::FakeOwner owner_;
};

TEST_F(BackTest, MissingSecondPicture_DrawsTheOtherThreeInPlace)
{
    WritePicture("010_0.png", 16, 8);
    WritePicture("010_2.png", 32, 4);
    WritePicture("010_3.png", 8, 8);
    owner_.levelName = "010";
    cBack back(&owner_);
    back.SetSprite("ignored");
    EXPECT_NE(back.GetSlot(0), nullptr);
    EXPECT_EQ(back.GetSlot(1), nullptr);
    back.Draw();
    ASSERT_EQ(owner_.batch.UsedVertices(), 18u);
    const auto& v = owner_.batch.vertices;
    EXPECT_FLOAT_EQ(v[0].x, 0.0f);    // slot 0 at the origin
    EXPECT_FLOAT_EQ(v[6].x, 16.0f);   // slot 2 right of the last drawn width
    EXPECT_FLOAT_EQ(v[6].y, 0.0f);
    EXPECT_FLOAT_EQ(v[12].x, 16.0f);  // slot 3 above slot 2
    EXPECT_FLOAT_EQ(v[12].y, 4.0f);
}

TEST_F(BackTest, JpgIsFoundWhenThereIsNoPng_AndFilterIsTrilinear)
{
    WritePicture("011_0.png", 4, 4);
    owner_.levelName = "011";
    cBack back(&owner_);
    back.SetSprite("");
    ASSERT_NE(back.GetSlot(0), nullptr);
    EXPECT_EQ(back.GetSlot(0)->filterMode, vrk::kTextureFilterLinearMipLinear);
    EXPECT_TRUE(back.GetSlot(0)->inUse);
    EXPECT_TRUE(back.GetSlot(0)->IsOnDevice());
}

TEST_F(BackTest, PicturesLaidEdgeToEdge_AreSampledClampedSoNoSeamShows)
{
    // A filtered edge texel of a wrapped picture takes in the far edge of the same
    // picture: where two pictures meet, that shows as a line.
    WritePicture("012_0.png", 8, 8);
    WritePicture("012_1.png", 8, 4);
    WritePicture("012_2.png", 8, 8);
    owner_.levelName = "012";
    cBack back(&owner_);
    back.SetSprite("");
    for (size_t slot : {0u, 1u, 2u}) {
        SCOPED_TRACE(slot);
        ASSERT_NE(back.GetSlot(slot), nullptr);
        EXPECT_EQ(back.GetSlot(slot)->addressMode, vrk::kTextureAddressClamp);
        ASSERT_TRUE(back.GetSlot(slot)->IsOnDevice());
        EXPECT_EQ(back.GetSlot(slot)->deviceTexture->addressMode, vrk::kTextureAddressClamp);
    }
}

TEST_F(BackTest, TwoBackgrounds_KeepTheirOwnTextures)
{
    WritePicture("012_0.png", 4, 4);
    WritePicture("013_0.png", 8, 8);
    owner_.levelName = "012";
    auto first = std::make_unique<cBack>(&owner_);
    first->SetSprite("");
    test::FakeOwner other;
    other.levelName = "013";
    cBack second(&other);
    second.SetSprite("");
    EXPECT_NE(first->SlotTextureName(0), second.SlotTextureName(0));
    EXPECT_EQ(first->SlotTextureName(0).rfind("_background0_", 0), 0u);
    EXPECT_EQ(vrk::FindTexture(first->SlotTextureName(0)), first->GetSlot(0));
    const std::string secondName = second.SlotTextureName(0);
    first.reset();  // the first one's textures leave the registry, the second's stay
    EXPECT_EQ(vrk::FindTexture(secondName), second.GetSlot(0));
}

TEST_F(BackTest, RegistryEntryReplacedByOthers_IsNotRemoved)
{
    WritePicture("014_0.png", 4, 4);
    owner_.levelName = "014";
    auto back = std::make_unique<cBack>(&owner_);
    back->SetSprite("");
    const std::string name = back->SlotTextureName(0);
    vrk::TexturePtr stranger = test::RegisterTestTexture("placeholder");
    vrk::GetTextureMap()[name] = stranger;
    back.reset();
    EXPECT_EQ(vrk::FindTexture(name), stranger);
}

TEST_F(BackTest, SameLevelAgain_ChangesNothing_AndGeometryIsFixed)
{
    WritePicture("015_0.png", 4, 4);
    owner_.levelName = "015";
    cBack back(&owner_);
    back.SetSprite("");
    const vrk::TexturePtr before = back.GetSlot(0);
    back.SetSprite("");
    EXPECT_EQ(back.GetSlot(0), before);
    back.SetPosition(50.0f, 50.0f);
    back.SetAngle(1.0f);
    EXPECT_EQ(back.GetPosition(), vec2(0.0f, 0.0f));
    EXPECT_FLOAT_EQ(back.GetAngle(), 0.0f);
    Rect rect;
    back.GetFrameRect(rect, 5);
    EXPECT_FLOAT_EQ(rect.width, 1024.0f);
    EXPECT_FLOAT_EQ(rect.height, 768.0f);
}

TEST_F(BackTest, LevelNameWithFolders_IsRefused)
{
    owner_.levelName = "../secret";
    cBack back(&owner_);
    back.SetSprite("");
    EXPECT_EQ(back.GetSlot(0), nullptr);
    EXPECT_TRUE(log_.Contains("not a plain name"));
}

}  // namespace
