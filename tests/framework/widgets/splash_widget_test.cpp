// The splash screen: its sequence tick by tick, skipping, the end of the splash, the
// script's functions and their handle checks.
#include "framework/widgets/splash_widget.h"

#include <gtest/gtest.h>

#include "engine/render/texture.h"
#include "framework/widgets/game_bindings.h"
#include "tests/framework/app/middle_test_support.h"

namespace {

class SplashTest : public test::StartupTest {
protected:
    void SetUp() override
    {
        StartupTest::SetUp();
        RegisterGameScriptFunctions();
    }
    // The core owns the widget.
    cSplashWidget* MakeSplash(const std::string& script)
    {
        WriteStatic("conf/splash.lua", script);
        return new cSplashWidget(&app);
    }
    // Ticks until the predicate holds; the tick number (1-based), or 0 after limit.
    template <typename Predicate>
    static int TickUntil(cSplashWidget& splash, Predicate done, int limit = 200)
    {
        for (int tick = 1; tick <= limit; ++tick) {
            splash.Tick();
            if (done()) return tick;
        }
        return 0;
    }
    test::CountingMiddle app;
};

TEST_F(SplashTest, TwoSecondPicture_FadesInHoldsFadesOutInSinglePrecisionTicks)
{
    cSplashWidget* splash = MakeSplash("function FillSplash(s) addSplashNode(s, 2.0) addSplashNode(s, 2.0) end");
    ASSERT_EQ(splash->GetNodeCount(), 2u);
    EXPECT_FLOAT_EQ(splash->GetFade(), 0.0f);

    EXPECT_EQ(TickUntil(*splash, [&] { return splash->GetFade() == 1.0f; }), 15);
    // 1/30 in single precision leaves the time a hair above 0.5 after 45 steps and
    // above 0 after 60, so each change comes one tick later than the rounded figures.
    EXPECT_EQ(15 + TickUntil(*splash, [&] { return splash->IsFadingOut(); }), 46);
    EXPECT_EQ(46 + TickUntil(*splash, [&] { return splash->GetCurrent() == 1u; }), 61);
    EXPECT_FALSE(splash->IsFadingOut());
    EXPECT_EQ(app.splashEnds, 0);
}

TEST_F(SplashTest, ShortPicture_StartsFadingOutAtTheFirstTick)
{
    cSplashWidget* splash = MakeSplash("function FillSplash(s) addSplashNode(s, 0.4) end");
    splash->Tick();
    EXPECT_TRUE(splash->IsFadingOut());
    EXPECT_EQ(splash->GetCurrent(), 0u);
}

TEST_F(SplashTest, KeyOrClick_SkipsToTheNextPictureWhichFadesInFromTheValueReached)
{
    for (const int32_t kind : {vrk::kWidgetKeyDown, vrk::kWidgetButtonDown}) {
        cSplashWidget* splash = MakeSplash("function FillSplash(s) addSplashNode(s, 3.0) addSplashNode(s, 3.0) end");
        for (int tick = 0; tick < 6; ++tick) splash->Tick();
        const float reached = splash->GetFade();
        ASSERT_GT(reached, 0.0f);
        ASSERT_LT(reached, 1.0f);
        EXPECT_EQ(splash->OnEvent(kind, 0), 0);
        splash->Tick();
        EXPECT_EQ(splash->GetCurrent(), 1u);
        splash->Tick();
        EXPECT_GT(splash->GetFade(), reached);
    }
}

TEST_F(SplashTest, OtherEvents_DoNotSkip)
{
    cSplashWidget* splash = MakeSplash("function FillSplash(s) addSplashNode(s, 3.0) end");
    splash->OnEvent(vrk::kWidgetMouseMove, 0);
    splash->OnEvent(vrk::kWidgetChar, 65);
    EXPECT_FLOAT_EQ(splash->GetNode(0)->time, 3.0f);
}

TEST_F(SplashTest, ScriptWithoutFillSplash_EndsAtOnceReleasingTheSplashPictures)
{
    WritePicture("texture/splash/logo.png");
    // A FillSplash left by an earlier script must not run.
    RunLua("function FillSplash(s) addSplashNode(s, 5.0) end");
    cSplashWidget* splash = MakeSplash("-- nothing here");
    EXPECT_EQ(splash->GetNodeCount(), 0u);
    EXPECT_NE(vrk::FindTexture("logo"), nullptr);

    splash->Tick();
    EXPECT_EQ(app.splashEnds, 1);
    EXPECT_TRUE(vrk::GetTextureMap().empty());
}

TEST_F(SplashTest, EndOfSplash_KeepsTexturesThatDescriptionsShare)
{
    WritePicture("texture/splash/logo.png");
    WriteStatic("texture/splash/logo.lua",
                "addTextureInfoExNodes(createTextureInfoEx('logo_sprite'), 'logo', {{w = 4, h = 4}}, 0)");
    cSplashWidget* splash = MakeSplash("");
    splash->Tick();
    ASSERT_TRUE(vrk::GetTextureMap().empty());
    const TextureInfoExPtr sprite = GetTextureInfoExMap()["logo_sprite"];
    ASSERT_NE(sprite, nullptr);
    ASSERT_NE(sprite->texture, nullptr);
    EXPECT_EQ(sprite->texture->name, "logo");
}

TEST_F(SplashTest, LastPictureOver_EndsOncePerTickWhileFocused)
{
    cSplashWidget* splash = MakeSplash("function FillSplash(s) addSplashNode(s, 0.1) end");
    const int ended = TickUntil(*splash, [&] { return app.splashEnds == 1; });
    EXPECT_EQ(ended, 4);
    splash->Tick();
    EXPECT_EQ(app.splashEnds, 2);
}

TEST_F(SplashTest, ErrorInFillSplash_KeepsTheNodesAddedBefore)
{
    cSplashWidget* splash = MakeSplash("function FillSplash(s) addSplashNode(s, 1.0) error('broken') end");
    EXPECT_EQ(splash->GetNodeCount(), 1u);
    EXPECT_EQ(lua_gettop(vrk::GetLuaState()), 0);
}

TEST_F(SplashTest, BackColor_SetsTheApplicationsColourWithFullAlpha)
{
    MakeSplash("function FillSplash(s) setSplashBackColor(s, 0.25, 0.5) end");
    EXPECT_FLOAT_EQ(app.backColor.r, 0.25f);
    EXPECT_FLOAT_EQ(app.backColor.g, 0.5f);
    EXPECT_FLOAT_EQ(app.backColor.b, 0.0f);
    EXPECT_FLOAT_EQ(app.backColor.a, 1.0f);
}

TEST_F(SplashTest, NodeImage_UnknownTextureIsKeptAsNoPictureAndLeavesAnEmptyEntry)
{
    WritePicture("texture/splash/logo.png");
    cSplashWidget* splash = MakeSplash(
        "function FillSplash(s) local n = addSplashNode(s, 1.0) "
        "addSplashNodeImage(n, 'logo', 1.5, 2, 300, 200) addSplashNodeImage(n, 'absent', 0, 0, 8, 8) end");
    const SplashNode* node = splash->GetNode(0);
    ASSERT_NE(node, nullptr);
    ASSERT_EQ(node->textures.size(), 2u);
    EXPECT_NE(node->textures[0], nullptr);
    EXPECT_EQ(node->textures[1], nullptr);
    EXPECT_FLOAT_EQ(node->rectangles[0].x, 1.5f);
    EXPECT_FLOAT_EQ(node->rectangles[0].h, 200.0f);
    EXPECT_EQ(vrk::GetTextureMap().count("absent"), 1u);
}

TEST_F(SplashTest, Handles_OfAnotherKindOrGoneDoNothing)
{
    cSplashWidget* splash = MakeSplash("function FillSplash(s) keptSplash = s keptNode = addSplashNode(s, 1.0) end");
    ASSERT_EQ(splash->GetNodeCount(), 1u);
    // A node is not a splash screen, a splash screen is not a node, a number is neither.
    EXPECT_TRUE(LuaIsNil("addSplashNode(keptNode, 1.0)"));
    RunLua("addSplashNodeImage(keptSplash, 'x', 0, 0, 1, 1) setSplashBackColor(keptNode, 1, 1, 1)");
    RunLua("addSplashNodeImage(12, 'x', 0, 0, 1, 1) setSplashBackColor(nil, 1, 1, 1)");
    EXPECT_EQ(splash->GetNodeCount(), 1u);
    EXPECT_TRUE(splash->GetNode(0)->textures.empty());
    EXPECT_FLOAT_EQ(app.backColor.a, 0.0f);

    splash->OnEvent(vrk::kWidgetKeyDown, 0);
    splash->Tick();
    splash->Tick();  // ends the splash: the nodes are gone
    ASSERT_EQ(app.splashEnds, 1);
    RunLua("addSplashNodeImage(keptNode, 'x', 0, 0, 1, 1)");
    EXPECT_EQ(splash->GetNodeCount(), 0u);
}

}  // namespace
