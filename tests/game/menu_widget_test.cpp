// The main-menu screen: the light grey ground drawn before the scene, the scene read
// afresh on every visit (an edit is not kept), and the three editor palettes.
#include "game/screens/menu_widget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine/render/image.h"
#include "engine/render/vertex_batch.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/palette_recorder.h"

namespace {

class MenuDrawTest : public test::NullRenderTest {
protected:
    vrk::VertexBatch batch_;
    test::FakeAppServices app_;
};

TEST_F(MenuDrawTest, Draw_FillsTheScreenLightGreyBeforeTheScene)
{
    app_.batch = &batch_;
    const vrk::cImage picture(vrk::kFormatR8G8B8A8, 2, 2, 1);
    vrk::CreateTextureFromImage("menu_castle_tex", &picture);
    test::RegisterTestSprite("menu_castle", 1, 0.0f, 64.0f, 64.0f);
    cMenuWidget widget;
    cObject* castle = widget.CreateObject(kTypeDecor, 0);
    ASSERT_NE(castle, nullptr);
    castle->SetSprite("simple=menu_castle");
    widget.SetObjectLayer(castle, 0);
    widget.SetMode(kModePlay);
    ASSERT_EQ(widget.GetMode(), kModePlay);
    Recorder().Clear();

    widget.Draw();
    const auto& draws = Recorder().draws;
    ASSERT_GE(draws.size(), 2u);
    EXPECT_EQ(draws[0].textureId, 0u);
    EXPECT_EQ(draws[0].primitiveCount, 2u);
    ASSERT_GE(draws[0].vertices.size(), 4 * sizeof(vrk::BatchVertex));
    float right = 0.0f;
    float top = 0.0f;
    for (size_t corner = 0; corner < 4; ++corner) {
        vrk::BatchVertex vertex;
        std::memcpy(&vertex, draws[0].vertices.data() + corner * sizeof(vertex), sizeof(vertex));
        EXPECT_EQ(vertex.color, cMenuWidget::kGroundColor);
        right = std::max(right, vertex.x);
        top = std::max(top, vertex.y);
    }
    EXPECT_EQ(right, cBaseWidget::kVirtualWidth);
    EXPECT_EQ(top, cBaseWidget::kVirtualHeight);
    // The scene's decoration comes after the ground, with its texture.
    EXPECT_NE(draws[1].textureId, 0u);
}

class MenuWidgetTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        StartGame();
        ASSERT_EQ(middle_.GetLevelFiles().GetMenuStream()->LoadFromFile(KELVARA_SOURCE_DIR "/data/level/menu.lvl"), 0);
    }
    size_t ObjectCount() const
    {
        size_t count = 0;
        for (const ObjectList& layer : widget_.GetLayers()) count += layer.size();
        return count;
    }

    test::PaletteRecorder<cMenuWidget> widget_;
};

TEST_F(MenuWidgetTest, Leaving_DropsAnEditSoTheNextVisitShowsTheStoredScene)
{
    widget_.OnFocus();
    const size_t count = ObjectCount();
    widget_.SetObjectLayer(widget_.CreateObject(kTypeDecor, 0), 3);
    widget_.OnUnfocus();
    widget_.OnFocus();
    EXPECT_EQ(ObjectCount(), count);
}

TEST_F(MenuWidgetTest, PaletteEvents_EachFillTheirPaletteAndLinkBack)
{
    struct Case {
        const char* name;
        size_t count;
        test::PaletteItem first;
        test::PaletteItem last;
    };
    const Case cases[] = {
        {"second", 10, {"menu_back0", kTypeDecor, "simple=menu_back0"}, {"menu_mushroom0", 0, "tree"}},
        {"people", 5, {"editor_back", 0, "second"}, {"menu_hand0", kTypeDecor, "wave=menu_hand0;0;0;0;0;1.2;0.035"}},
        {"tree", 13, {"editor_back", 0, "second"}, {"menu_flower0", kTypeDecor, "tree=menu_flower0;-0.1;0.1;0.2"}},
    };
    int clears = 0;
    for (const Case& entry : cases) {
        widget_.OnGuiEvent(0, entry.name, 0);
        EXPECT_EQ(widget_.clears, ++clears) << entry.name;
        ASSERT_EQ(widget_.items.size(), entry.count) << entry.name;
        EXPECT_EQ(widget_.items.front(), entry.first) << entry.name;
        EXPECT_EQ(widget_.items.back(), entry.last) << entry.name;
    }
    EXPECT_EQ(widget_.items[4], (test::PaletteItem{"menu_bat0", kTypeDecor, "kv2_bat=menu_bat0"}));

    // Any other command is the base's: "_save" keeps the scene.
    widget_.OnGuiEvent(0, "_save", 0);
    EXPECT_EQ(widget_.clears, clears);
    EXPECT_EQ(middle_.savedFiles, 1);
}

}  // namespace
