// The level editor as drawn on an OpenGL device: a level of the game opened with
// Tab, the palette showing the buildings. The picture is written beside the build
// (editor_palette.png) for a look; the test checks the editor's grey ground, the
// overlay's blue level lines at the top right and a palette full of icons.
#include <gtest/gtest.h>

#include "engine/files/byte_stream.h"
#include "engine/gui/find_control.h"
#include "engine/gui/list_ctrl.h"
#include "engine/platform/fixed_step.h"
#include "framework/app/game_registry.h"
#include "framework/app/player_base.h"
#include "game/editor/editor_palette.h"
#include "game/game_entries.h"
#include "game/level/magic_widget.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr const char* kLevel = KELVARA_SOURCE_DIR "/tests/data/levels/tour_test.lvl";
constexpr uint32_t kLevelIndex = 3;
constexpr int32_t kTabKey = 9;
constexpr test::ShotRgb kEditorGround{0xC0, 0xC0, 0xC0};
constexpr test::ShotRgb kOverlayBlue{0x00, 0xC0, 0xFF};
constexpr int kNear = 60;

class EditorScreenshotTest : public test::LevelShotTest {
protected:
    EditorScreenshotTest() : LevelShotTest("editor screenshot") {}
    void AddEntries(GameRegistry& registry) override { RegisterGameEntries(registry); }
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i) game->UpdateFrame(vrk::kFixedTick);
    }
    void DrawScreen(vrk::cWidget& screen)
    {
        vrk::cRender* render = vrk::GetRender();
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        render->clearColor = test::kGround;
        render->ClearRenderTarget();
        screen.Draw();
        device_->EndScene();
        ASSERT_TRUE(device_->ReadBackBuffer(image_));
    }
};

TEST_F(EditorScreenshotTest, EditorDrawsTheLevelTheOverlayAndThePalette)
{
    Start();
    game->Resize(kWidth, kHeight);
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cPlayerBase* player = app->GetActivePlayer();
    ASSERT_NE(player, nullptr);
    player->currentLevel = kLevelIndex;
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kLevelIndex)->LoadFromFile(kLevel), 0);
    app->developerFlag = 1;
    app->ShowComics("level", "menu");
    Frames(test::kSceneTicks);
    auto* screen = dynamic_cast<cMagicWidget*>(game->focused);
    ASSERT_NE(screen, nullptr);
    game->OnKeyDown(kTabKey);
    Frames(2);
    ASSERT_EQ(screen->GetMode(), kModeEditor);
    screen->SendEditorCommand(0, "build", 0);
    Frames(2);
    auto* palette = dynamic_cast<vrk::cListCtrl*>(vrk::FindControl("editor", "second"));
    ASSERT_NE(palette, nullptr);
    EXPECT_GE(palette->GetItemCount(), FindPaletteMenu("build").size() - 1);

    DrawScreen(*screen);
    SaveShot("editor_palette.png");
    const auto near = [](const test::ShotRgb& colour) {
        return [colour](const test::ShotRgb& pixel) { return test::Difference(pixel, colour) < kNear; };
    };
    EXPECT_GT(CountColour(Rect{0.0f, 0.0f, 1024.0f, 768.0f}, near(kEditorGround)), 1000);
    EXPECT_GT(CountColour(Rect{930.0f, 620.0f, 94.0f, 40.0f}, near(kOverlayBlue)), 10);
    EXPECT_GT(Colours(), 200u);
}

}  // namespace
