// A headless picture of the main menu: the game started in-process on the real data
// tree with an OpenGL device on a hidden window, one frame of the menu screen drawn
// with and without its "menu" window, read back and checked loosely: the scene is
// not blank, and the menu's buttons change the picture where their window script
// puts them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "tests/support/headless_gl.h"
#include "engine/gui/gui.h"
#include "engine/platform/fixed_step.h"
#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "tests/framework/app/tour_test_support.h"

namespace {

// A 4:3 client area: the 1024 x 768 screen maps to pixels by 320 / 1024.
constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 240;
constexpr float kScale = static_cast<float>(kWindowWidth) / 1024.0f;
// The button column of the menu window (GUI units, y up): five buttons 240 wide
// from x 392, the top one from y 466 down in steps of 58, each 44 high.
constexpr float kButtonLeft = 392.0f;
constexpr float kButtonTop = 466.0f;
constexpr float kButtonStep = 58.0f;
constexpr float kButtonHeight = 44.0f;
constexpr int kButtonCount = 5;
// Sampled just inside a button's left end, clear of its centred caption.
constexpr float kSampleInset = 16.0f;
// A picture with fewer colours than this is blank or one flat fill.
constexpr size_t kMinColours = 16;
constexpr int kSettleTicks = 30;
// Summed RGB difference from which a pixel counts as changed.
constexpr int kChanged = 24;

struct Rgb {
    int r, g, b;
};

int Difference(const Rgb& a, const Rgb& b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

class MenuScreenshotTest : public test::GameTourTest {
protected:
    void SetUp() override
    {
        GameTourTest::SetUp();
        if (const std::string skip = gl_.Start("menu screenshot", kWindowWidth, kWindowHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        vrk::cRender* render = vrk::GetRender();
        ASSERT_NE(render, nullptr);
        render->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render->SetScreenRect(0, 0, kWindowWidth, kWindowHeight);
        render->SetHardwareDefaults();
        game->gui->clientRect = vrk::ClientRect{0, 0, kWindowWidth, kWindowHeight};
    }
    void TearDown() override
    {
        // The textures go with the game, before the device they live on.
        GameTourTest::TearDown();
        gl_.Stop();
        device_ = nullptr;
    }

    // Windows fade in and out over their updates; let a second of game time pass.
    void Settle()
    {
        for (int tick = 0; tick < kSettleTicks; ++tick) game->UpdateFrame(vrk::kFixedTick);
    }
    void DrawFrame(port::BackBufferImage& image)
    {
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        game->DrawFrame();
        device_->EndScene();
        ASSERT_TRUE(device_->ReadBackBuffer(image));
    }
    // The picture at a point of the GUI screen (y up).
    static Rgb At(const port::BackBufferImage& image, float x, float y)
    {
        const auto px = static_cast<size_t>(x * kScale);
        const auto row = static_cast<size_t>(kWindowHeight - 1 - static_cast<int>(y * kScale));
        const size_t at = (row * image.width + px) * 4;
        return {image.bgra[at + 2], image.bgra[at + 1], image.bgra[at]};
    }
    static size_t Colours(const port::BackBufferImage& image)
    {
        std::set<uint32_t> colours;
        for (size_t at = 0; at + 3 < image.bgra.size(); at += 4)
            colours.insert(static_cast<uint32_t>(image.bgra[at]) | static_cast<uint32_t>(image.bgra[at + 1]) << 8 |
                           static_cast<uint32_t>(image.bgra[at + 2]) << 16);
        return colours.size();
    }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
};

TEST_F(MenuScreenshotTest, MenuFrame_ShowsTheSceneAndTheButtonsWhereTheWindowScriptPutsThem)
{
    Start();
    ASSERT_TRUE(game->gui->IsWindowOpen("menu"));
    Settle();
    port::BackBufferImage withMenu;
    DrawFrame(withMenu);
    ASSERT_EQ(withMenu.width, static_cast<uint32_t>(kWindowWidth));
    EXPECT_GE(Colours(withMenu), kMinColours) << "the menu frame is blank";

    game->gui->CloseWindow("menu");
    Settle();
    port::BackBufferImage sceneOnly;
    DrawFrame(sceneOnly);
    EXPECT_GE(Colours(sceneOnly), kMinColours) << "the menu scene is blank";

    for (int i = 0; i < kButtonCount; ++i) {
        const float x = kButtonLeft + kSampleInset;
        const float y = kButtonTop + kButtonHeight / 2.0f - kButtonStep * static_cast<float>(i);
        EXPECT_GE(Difference(At(withMenu, x, y), At(sceneOnly, x, y)), kChanged) << "button " << i;
    }
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
