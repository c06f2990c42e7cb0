// The game's Lua functions: what each loading function queues and answers, the
// sprite-description functions, the control creators and their handle checks.
#include "framework/widgets/game_bindings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/render/image.h"
#include "engine/render/texture.h"
#include "framework/objects/texture_info_ex.h"
#include "framework/widgets/animation_ctrl.h"
#include "framework/widgets/cup_ctrl.h"
#include "framework/widgets/editor_toolbar_ctrl.h"
#include "framework/widgets/face_ctrl.h"
#include "framework/widgets/load_items.h"
#include "framework/widgets/loading_widget.h"
#include "tests/framework/app/middle_test_support.h"

namespace {

class GameBindingsTest : public test::StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        RegisterGameScriptFunctions();
        WriteStatic("conf/loading.lua", "");
        loading = new cLoadingWidget(nullptr);
    }
    cLoadingWidget* loading = nullptr;
};

TEST_F(GameBindingsTest, RegistersTheEngineAndTheGameFunctions)
{
    for (const char* name : {"setSplashBackColor", "addSplashNode", "addSplashNodeImage", "loadTextures",
                             "updateTextures", "excludeFromCompression", "loadSounds", "loadSound", "loadMusic",
                             "loadStream", "createTextureInfoEx", "addTextureInfoExNodes", "createEditorToolbarCtrl",
                             "createFaceCtrl", "createCupCtrl", "createAnimationCtrl", "createLabelCtrl"})
        EXPECT_EQ(LuaNumber(std::string("type(") + name + ") == 'function' and 1 or 0"), 1.0) << name;
}

TEST_F(GameBindingsTest, LoadTextures_QueuesOnlyExactPictureExtensionsAndSkipsFolders)
{
    WritePicture("pics/a.png");
    WriteStatic("pics/b.PNG", "x");
    WriteStatic("pics/c.txt", "x");
    MakeFolder("pics/d.png");
    EXPECT_EQ(LuaNumber("loadTextures('{StaticPath}/pics', true)"), 0.0);
    ASSERT_EQ(loading->GetQueueCount(), 1u);
    loading->Update(0.0f);
    const auto* item = dynamic_cast<const cLoadTexture*>(loading->GetCurrentItem());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetName(), "a");
    EXPECT_EQ(item->GetParam(), 1);
}

TEST_F(GameBindingsTest, LoadTextures_DecodesAtOnceUnlessTheFlagIsTheBooleanTrue)
{
    WritePicture("pics/a.png");
    for (const char* flag : {"false", "1", "'yes'", "nil"}) {
        EXPECT_EQ(LuaNumber(std::string("loadTextures('{StaticPath}/pics', ") + flag + ")"), 0.0);
        loading->Update(0.0f);
        const auto* item = dynamic_cast<const cLoadTexture*>(loading->GetCurrentItem());
        ASSERT_NE(item, nullptr) << flag;
        EXPECT_EQ(item->GetParam(), 0) << flag;
        loading->Update(0.0f);
    }
}

TEST_F(GameBindingsTest, FolderFunctions_AnswerOneForAMissingFolderOrAFile)
{
    const std::string file = WriteStatic("file.png", "x");
    for (const char* function : {"loadTextures", "updateTextures", "loadSounds"}) {
        EXPECT_EQ(LuaNumber(std::string(function) + "('{StaticPath}/absent')"), 1.0) << function;
        EXPECT_EQ(LuaNumber(std::string(function) + "('" + file + "')"), 1.0) << function;
        EXPECT_EQ(LuaNumber(std::string(function) + "()"), 1.0) << function;
    }
    EXPECT_EQ(loading->GetQueueCount(), 0u);
}

TEST_F(GameBindingsTest, LoadSounds_QueuesEveryOggWithOnePlayback)
{
    WriteStatic("sound/click.ogg", "x");
    WriteStatic("sound/hit.ogg", "x");
    WriteStatic("sound/notes.wav", "x");
    EXPECT_EQ(LuaNumber("loadSounds('{StaticPath}/sound')"), 0.0);
    ASSERT_EQ(loading->GetQueueCount(), 2u);
    loading->Update(0.0f);
    const auto* item = dynamic_cast<const cLoadSound*>(loading->GetCurrentItem());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetParam(), 1);
}

TEST_F(GameBindingsTest, LoadSound_TakesOggOnlyWithItsCount)
{
    EXPECT_EQ(LuaNumber("loadSound('{StaticPath}/sound/notes.wav', 3)"), 1.0);
    EXPECT_EQ(loading->GetQueueCount(), 0u);
    // The file need not exist yet: the item reports nothing when its read fails.
    EXPECT_EQ(LuaNumber("loadSound('{StaticPath}/sound/bell.ogg', 3)"), 0.0);
    EXPECT_EQ(LuaNumber("loadSound('{StaticPath}/sound/gong.ogg')"), 0.0);
    ASSERT_EQ(loading->GetQueueCount(), 2u);
    loading->Update(0.0f);
    EXPECT_EQ(dynamic_cast<const cLoadSound*>(loading->GetCurrentItem())->GetParam(), 3);
    // The update that loads the first item takes the second.
    loading->Update(0.0f);
    EXPECT_EQ(dynamic_cast<const cLoadSound*>(loading->GetCurrentItem())->GetParam(), 1);
}

TEST_F(GameBindingsTest, LoadMusicAndStream_QueueExistingOggFilesAndAlwaysAnswerZero)
{
    WriteStatic("music/theme.ogg", "x");
    WriteStatic("music/theme.mod", "x");
    MakeFolder("music/folder.ogg");
    for (const char* function : {"loadMusic", "loadStream"}) {
        EXPECT_EQ(LuaNumber(std::string(function) + "('{StaticPath}/music/missing.ogg')"), 0.0);
        EXPECT_EQ(LuaNumber(std::string(function) + "('{StaticPath}/music/theme.mod')"), 0.0);
        EXPECT_EQ(LuaNumber(std::string(function) + "('{StaticPath}/music/folder.ogg')"), 0.0);
        EXPECT_EQ(LuaNumber(std::string(function) + "('{StaticPath}/music/theme.ogg')"), 0.0);
    }
    ASSERT_EQ(loading->GetQueueCount(), 2u);
    loading->Update(0.0f);
    EXPECT_NE(dynamic_cast<const cLoadMusic*>(loading->GetCurrentItem()), nullptr);
    // The update that loads the first item takes the second.
    loading->Update(0.0f);
    EXPECT_NE(dynamic_cast<const cLoadStream*>(loading->GetCurrentItem()), nullptr);
}

TEST_F(GameBindingsTest, ExcludeFromCompression_KeepsTheNames)
{
    EXPECT_EQ(LuaNumber("excludeFromCompression('sky')"), 0.0);
    RunLua("excludeFromCompression('sea')");
    EXPECT_EQ(vrk::GetTextureNameList(), (std::vector<std::string>{"sky", "sea"}));
}

TEST_F(GameBindingsTest, UpdateTextures_GivesAnExistingTextureTheNewPictureAndRunsItsDescription)
{
    const vrk::TexturePtr old = vrk::CreateTextureFromImage("tree", nullptr);
    WritePicture("pics/tree.png");
    WritePicture("pics/bush.png");
    WriteStatic("pics/tree.lua", "treeDescribed = 1");
    EXPECT_EQ(LuaNumber("updateTextures('{StaticPath}/pics')"), 0.0);
    EXPECT_EQ(vrk::FindTexture("tree"), old);
    ASSERT_NE(old->image, nullptr);
    EXPECT_EQ(old->image->Width(), 4u);
    EXPECT_NE(vrk::FindTexture("bush"), nullptr);
    EXPECT_EQ(LuaNumber("treeDescribed"), 1.0);
    EXPECT_EQ(loading->GetQueueCount(), 0u);
}

TEST_F(GameBindingsTest, TextureInfoEx_NodesFillARegisteredDescription)
{
    vrk::CreateTextureFromImage("atlas", nullptr);
    EXPECT_EQ(LuaNumber("addTextureInfoExNodes(createTextureInfoEx('leaf'), 'atlas', "
                        "{ {u = 0.5, w = 32}, 'junk', {dx = 1} }, 12)"),
              0.0);
    const TextureInfoExPtr leaf = GetTextureInfoExMap()["leaf"];
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(leaf->GetFrameCount(), 3u);
    EXPECT_FLOAT_EQ(leaf->framesPerSecond, 12.0f);
    EXPECT_EQ(leaf->texture, vrk::FindTexture("atlas"));
}

TEST_F(GameBindingsTest, TextureInfoEx_StaleOrForeignHandleAnswersOne)
{
    RunLua("oldLeaf = createTextureInfoEx('leaf')");
    RunLua("createTextureInfoEx('leaf')");  // replaces the first
    EXPECT_EQ(LuaNumber("addTextureInfoExNodes(oldLeaf, 'atlas', {}, 1)"), 1.0);
    EXPECT_EQ(LuaNumber("addTextureInfoExNodes(nil, 'atlas', {}, 1)"), 1.0);
    EXPECT_EQ(LuaNumber("addTextureInfoExNodes(12, 'atlas', {}, 1)"), 1.0);
}

TEST_F(GameBindingsTest, ControlCreators_MakeTheGameControlsInALiveWindowOnly)
{
    vrk::cWindow* window = game->gui->AddWindow("panel");
    lua_State* state = vrk::GetLuaState();
    lua_pushlightuserdata(state, window);
    lua_setglobal(state, "panel");
    RunLua("toolbar = createEditorToolbarCtrl(panel, 'toolbar') face = createFaceCtrl(panel, 'face') "
           "cup = createCupCtrl(panel, 'cup') anim = createAnimationCtrl(panel, 'anim')");
    ASSERT_EQ(window->GetCtrlCount(), 4);
    EXPECT_NE(dynamic_cast<cEditorToolbarCtrl*>(window->GetCtrl(window->FindCtrl("toolbar"))), nullptr);
    EXPECT_NE(dynamic_cast<cFaceCtrl*>(window->GetCtrl(window->FindCtrl("face"))), nullptr);
    EXPECT_NE(dynamic_cast<cCupCtrl*>(window->GetCtrl(window->FindCtrl("cup"))), nullptr);
    EXPECT_NE(dynamic_cast<cAnimationCtrl*>(window->GetCtrl(window->FindCtrl("anim"))), nullptr);

    EXPECT_TRUE(LuaIsNil("createFaceCtrl(nil, 'x')"));
    EXPECT_TRUE(LuaIsNil("createCupCtrl(face, 'x')"));  // a control is not a window
    EXPECT_TRUE(LuaIsNil("createAnimationCtrl(42, 'x')"));
    EXPECT_EQ(window->GetCtrlCount(), 4);
}

}  // namespace
