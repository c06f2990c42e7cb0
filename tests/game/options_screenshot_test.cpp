// The options window drawn by the real game into a hidden OpenGL window of the size
// a windowed game gets on a 1366 x 768 desktop (986 x 740: the 4:3 client that fits
// under the title bar), opened from level "002"'s escape menu. The GUI is scaled
// there, so its skin is sampled between texels: nothing of another cell of the skin
// may show as a line along the Back button's top edge. The picture is written beside
// the build as "options_windowed_screenshot.png".
#include <gtest/gtest.h>

#include <string>

#include "engine/gui/ctrl.h"
#include "engine/render/render.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/menu_tour.h"
#include "tests/objects/support/level_screenshot.h"
#include "tests/support/headless_gl.h"

namespace {

constexpr int kWindowedWidth = 986;
constexpr int kWindowedHeight = 740;
// The band round the button's top edge, in window pixels, and the middle part of
// its width (the rounded corners left out).
constexpr int kBandAbove = 3;
constexpr int kBandBelow = 1;
constexpr float kMiddleShare = 0.8f;
// The panel's paper is near white; the button's rim is blue. A pixel well below
// the paper and no bluer than it is red came from elsewhere (the panel's brown rim).
constexpr int kPaperSum = 0xF4 + 0xEC + 0xD8;
constexpr int kDarker = 100;

class OptionsScreenshotTest : public test::MenuTour {
protected:
    void SetUp() override
    {
        MenuTour::SetUp();
        if (const std::string skip = gl_.Start("options screenshot", kWindowedWidth, kWindowedHeight); !skip.empty())
            GTEST_SKIP() << skip;
        vrk::cRender* render = vrk::GetRender();
        ASSERT_NE(render, nullptr);
        gl_.AttachRender(*render);
    }
    void TearDown() override
    {
        // The textures go with the game, before the device they live on.
        MenuTour::TearDown();
        gl_.Stop();
    }

    void DrawGame()
    {
        port::GpuDevice* device = gl_.Device();
        ASSERT_EQ(device->BeginScene(), port::kGpuOk);
        game->DrawFrame();
        device->EndScene();
        ASSERT_TRUE(device->ReadBackBuffer(image_));
    }
    test::ShotRgb At(int x, int y) const { return test::PixelAt(image_, kWindowedHeight, x, y); }

    test::HeadlessGl gl_;
    port::BackBufferImage image_;
};

TEST_F(OptionsScreenshotTest, WindowedFromTheEscapeMenu_NoLineAlongTheBackButtonsTop)
{
    StartGame();
    game->Resize(kWindowedWidth, kWindowedHeight);
    ASSERT_EQ(app->LogonPlayer(""), 0);
    // The cursor rests away from the edges and from the window.
    MoveMouse(900, 100);
    cMagicWidget* level = ShowLevel(2, test::kSceneTicks);
    ASSERT_NE(level, nullptr);
    // The opening talk's letterbox bars drawn back before the game is paused.
    level->EndTalk();
    Frames(test::kSceneTicks);
    Key(kKeyEscape);
    ASSERT_TRUE(IsOpen("escape"));
    ClickControl("escape", "btOptions");
    ASSERT_TRUE(IsOpen("options"));
    MoveMouse(900, 100);
    Settle();

    DrawGame();
    test::SaveShotPng(image_, kWindowedWidth, kWindowedHeight, "options_windowed_screenshot.png");
    const vrk::cCtrl* back = Control("options", "btBack");
    ASSERT_NE(back, nullptr);
    // The window is 4:3, so the GUI's 1024 x 768 fill it (y up in both).
    const vrk::GuiRect rect = back->GetRect();
    const float scale = static_cast<float>(kWindowedHeight) / cBaseWidget::kVirtualHeight;
    const float middle = rect.width * (1.0f - kMiddleShare) / 2.0f;
    const auto top = static_cast<int>((rect.y + rect.height) * scale);
    const Rect band{(rect.x + middle) * scale, static_cast<float>(top - kBandBelow - 1),
                    rect.width * kMiddleShare * scale, static_cast<float>(kBandAbove + kBandBelow + 1)};
    int rim = 0;
    const int stray = test::CountInRect(band, kWindowedWidth, kWindowedHeight, [&](int x, int y) {
        const test::ShotRgb p = At(x, y);
        if (p.b > p.r + 40) ++rim;
        return p.r + p.g + p.b < kPaperSum - kDarker && p.r >= p.b;
    });
    EXPECT_GT(rim, 0) << "the band misses the button's rim";
    EXPECT_EQ(stray, 0);
}

}  // namespace
