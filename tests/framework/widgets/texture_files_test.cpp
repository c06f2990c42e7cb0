// The texture-file routines: extension probing, the two ways of making a texture,
// and the description script beside the picture.
#include "framework/widgets/texture_files.h"

#include <gtest/gtest.h>

#include "engine/render/texture.h"
#include "tests/framework/app/middle_test_support.h"

namespace {

class TextureFilesTest : public test::StartupTest {};

TEST_F(TextureFilesTest, PathWithoutExtension_PrefersPngThenJpgThenPvrAndRunsTheDescription)
{
    WriteStatic("pics/logo.pvr", "x");
    const std::string jpg = Static() + "/pics/logo.jpg";
    ASSERT_TRUE(test::WriteJpeg(jpg, 4, 4, 3, std::vector<uint8_t>(4 * 4 * 3, 0x40)));
    WriteStatic("pics/logo.lua", "logoDescribed = 1");
    EXPECT_EQ(ImageFileProbe(vrk::PathRecord(Static() + "/pics/logo")).path, jpg);
    EXPECT_EQ(LoadTextureWithScript(vrk::PathRecord(Static() + "/pics/logo"), kTextureReadNow), 0);
    EXPECT_NE(vrk::FindTexture("logo"), nullptr);
    EXPECT_EQ(LuaNumber("logoDescribed"), 1.0);
}

TEST_F(TextureFilesTest, MissingPicture_AnswersTwoAndMakesNothing)
{
    for (const int mode : {kTextureReadNow, kTextureReadLater}) {
        EXPECT_EQ(LoadTextureWithScript(vrk::PathRecord(Static() + "/pics/none"), mode), 2);
        EXPECT_EQ(LoadTextureWithScript(vrk::PathRecord(Static() + "/pics/none.png"), mode), 2);
    }
    EXPECT_TRUE(ImageFileProbe(vrk::PathRecord(Static() + "/pics/none")).IsEmpty());
    EXPECT_EQ(vrk::FindTexture("none"), nullptr);
}

TEST_F(TextureFilesTest, BrokenPicture_GivesTheReadersCodeAndNoTexture)
{
    WriteStatic("pics/broken.png", "not a picture");
    EXPECT_NE(LoadTextureWithScript(vrk::PathRecord(Static() + "/pics/broken.png"), kTextureReadNow), 0);
    EXPECT_EQ(vrk::FindTexture("broken"), nullptr);
}

TEST_F(TextureFilesTest, JoinPath_AddsASeparatorOnlyWhereNeeded)
{
    EXPECT_EQ(JoinPath("/a/b", "c.png"), "/a/b/c.png");
    EXPECT_EQ(JoinPath("/a/b/", "c.png"), "/a/b/c.png");
    EXPECT_EQ(JoinPath("/a/b/logo", ".png"), "/a/b/logo.png");
}

}  // namespace
