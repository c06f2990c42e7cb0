// The map screen drawn by the real game into a hidden OpenGL window after the player
// scrolled it to the top, where the scene reaches beyond its landscape picture. The
// back buffer starts out filled with a loud colour, as a frame left over from another
// screen would; none of it may show through, and the band above the picture is sky. The picture is written beside the build
// as "map_top_screenshot.png".
#include <gtest/gtest.h>

#include "engine/render/render.h"
#include "game/screens/map_widget.h"
#include "tests/game/support/game_tour.h"
#include "tests/objects/support/level_screenshot.h"
#include "tests/support/headless_gl.h"

namespace {

constexpr test::ShotRgb kStaleRgb{0xFF, 0x00, 0xFF};
constexpr uint32_t kStale = 0xFF000000u | kStaleRgb.r << 16 | kStaleRgb.g << 8 | kStaleRgb.b;

class MapScreenshotTest : public test::GameTour {
protected:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    void SetUp() override
    {
        GameTour::SetUp();
        if (const std::string skip = gl_.Start("map screenshot", kWidth, kHeight); !skip.empty())
            GTEST_SKIP() << skip;
        device_ = gl_.Device();
        vrk::cRender* render = vrk::GetRender();
        ASSERT_NE(render, nullptr);
        render->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render->SetScreenRect(0, 0, kWidth, kHeight);
        render->SetHardwareDefaults();
    }
    void TearDown() override
    {
        GameTour::TearDown();
        gl_.Stop();
        device_ = nullptr;
    }
    void DrawGameOverStale()
    {
        vrk::cRender* render = vrk::GetRender();
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        render->clearColor = kStale;
        render->ClearRenderTarget();
        game->DrawFrame();
        device_->EndScene();
        ASSERT_TRUE(device_->ReadBackBuffer(image_));
    }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    port::BackBufferImage image_;
};

TEST_F(MapScreenshotTest, ScrolledToTheTop_ShowsNoLeftoverOfAnEarlierFrame)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    app->ShowComics("map", "menu");
    Frames(test::kSceneTicks);
    auto* map = Screen<cMapWidget>("map");
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->GetMode(), kModePlay);
    // The cursor at the window's top edge scrolls the view up as far as it goes.
    MoveMouse(kWidth / 2, 1);
    Frames(200);
    MoveMouse(kWidth / 2, kHeight / 2);
    EXPECT_EQ(map->GetViewCenter().y, cMapWidget::kSceneHeight - kHeight / 2.0f);

    DrawGameOverStale();
    test::SaveShotPng(image_, kWidth, kHeight, "map_top_screenshot.png");
    const int stale = test::CountInRect(Rect{0.0f, 0.0f, 1024.0f, 768.0f}, kWidth, kHeight, [&](int x, int y) {
        return test::Difference(test::PixelAt(image_, kHeight, x, y), kStaleRgb) < 30;
    });
    EXPECT_EQ(stale, 0);
    // Above the landscape the sky goes on in its own colour.
    const test::ShotRgb band = test::PixelAt(image_, kHeight, kWidth / 2, kHeight - 20);
    EXPECT_LT(test::Difference(band, test::ShotRgb{0x8A, 0xB8, 0xE0}), 6) << band.r << " " << band.g << " " << band.b;
}

}  // namespace
