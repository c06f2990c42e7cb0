// A headless picture of a GUI window: a frame, buttons, a check box, a slider and a
// list drawn by the GUI manager through the OpenGL device into a hidden window, read
// back and compared at sampled points (RGB within 2 steps).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/list_sys_ctrl.h"
#include "engine/gui/slider_sys_ctrl.h"
#include "engine/render/font.h"
#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "port/gpu/gpu_system.h"
#include "port/window/main_window.h"
#include "port/window/video_system.h"
#include "tests/engine/platform/platform_test_support.h"

namespace {

// A 4:3 client area: GUI units map to pixels by 320 / 1024, without side bars.
constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 240;
constexpr float kScale = static_cast<float>(kWindowWidth) / 1024.0f;
constexpr int kTolerance = 2;

struct Rgb {
    uint8_t r, g, b;
};

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGray{128, 128, 128};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kOrange{255, 128, 0};
constexpr Rgb kPurple{128, 0, 128};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kBlack{0, 0, 0};

class GuiScreenshotTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        test::CoreTest::SetUp();
        if (!video_.Start() || !video_.LoadGlLibrary()) GTEST_SKIP() << "no video: " << video_.Error();
        port::WindowParams params;
        params.title = "gui screenshot";
        params.clientWidth = kWindowWidth;
        params.clientHeight = kWindowHeight;
        params.visible = false;
        window_ = port::MainWindow::Create(params, nullptr);
        if (!window_) GTEST_SKIP() << "no OpenGL window";
        system_ = port::CreateGlGpuSystem();
        ASSERT_TRUE(system_);
        port::PresentParameters present;
        present.windowed = 1;
        present.backBufferFormat = port::kFormatA8R8G8B8;
        present.backBufferCount = 1;
        present.swapEffect = port::kSwapEffectCopy;
        present.deviceWindow = window_.get();
        ASSERT_EQ(system_->CreateDevice(port::kCreateHardwareVertexProcessing, present, device_), port::kGpuOk);
        render_ = vrk::GetRender();
        ASSERT_NE(render_, nullptr);
        render_->CopyDevice(device_.get(), device_->GetPresentParameters(), nullptr);
        render_->SetScreenRect(0, 0, kWindowWidth, kWindowHeight);
        render_->SetHardwareDefaults();
        game->gui->clientRect = vrk::ClientRect{0, 0, kWindowWidth, kWindowHeight};
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        render_->clearColor = 0xFF000000u;
        render_->ClearRenderTarget();
    }
    void TearDown() override
    {
        if (device_) device_->EndScene();
        vrk::GetTextureMap().clear();
        vrk::GetFontMap().clear();
        game.reset();
        device_.reset();
        system_.reset();
        window_.reset();
    }

    // A point-sampled picture; rows are given top first, as the file formats store them.
    static void MakeTexture(const char* name, uint32_t width, uint32_t height, const std::vector<Rgb>& texels)
    {
        vrk::cImage picture(vrk::kFormatR8G8B8A8, width, height, 1);
        uint8_t* out = picture.LevelData(0);
        for (const Rgb& texel : texels) {
            *out++ = texel.b;
            *out++ = texel.g;
            *out++ = texel.r;
            *out++ = 0xFF;
        }
        auto texture = std::make_shared<vrk::cTexture>(name);
        texture->filterMode = vrk::kTextureFilterPoint;
        texture->SetImage(&picture);
        vrk::GetTextureMap()[name] = texture;
    }

    void Capture() { ASSERT_TRUE(device_->ReadBackBuffer(image_)); }
    // The picture at a point of the GUI screen (y up).
    Rgb AtGui(float x, float y) const
    {
        const auto px = static_cast<size_t>(x * kScale);
        const auto row = static_cast<size_t>(kWindowHeight - 1 - static_cast<int>(y * kScale));
        const size_t at = (row * image_.width + px) * 4;
        return {image_.bgra[at + 2], image_.bgra[at + 1], image_.bgra[at]};
    }
    void ExpectAt(float x, float y, const Rgb& expected, const char* what) const
    {
        const Rgb seen = AtGui(x, y);
        EXPECT_NEAR(seen.r, expected.r, kTolerance) << what;
        EXPECT_NEAR(seen.g, expected.g, kTolerance) << what;
        EXPECT_NEAR(seen.b, expected.b, kTolerance) << what;
    }

    port::VideoSystem video_;
    std::unique_ptr<port::MainWindow> window_;
    std::unique_ptr<port::GpuSystem> system_;
    std::unique_ptr<port::GpuDevice> device_;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
};

TEST_F(GuiScreenshotTest, WindowWithFrameButtonsCheckBoxSliderAndList_DrawsEachPartWhereItBelongs)
{
    MakeTexture("gray", 1, 1, {kGray});
    // Button cells stacked downward: normal, pressed, hovered, disabled.
    MakeTexture("button", 1, 4, {kRed, kGreen, kBlue, kYellow});
    // Check box: columns normal / hovered, rows unchecked / checked.
    MakeTexture("check", 2, 2, {kCyan, kOrange, kPurple, kWhite});
    MakeTexture("track", 1, 1, {kWhite});
    MakeTexture("thumb", 1, 1, {kMagenta});
    MakeTexture("selection", 1, 1, {kTeal});

    vrk::cWindow* window = game->gui->AddWindow("options");
    auto* frame = new vrk::cFrameCtrl(window, "back");
    frame->SetTexture("gray", 0);
    frame->SetFrame(vrk::GuiRect{64.0f, 64.0f, 896.0f, 640.0f}, 0.0f, 0.0f, 0);

    auto* ok = new vrk::cButtonSysCtrl(window, "ok");
    ok->SetTexture("button", 0);
    ok->SetFrame(vrk::GuiRect{128.0f, 512.0f, 256.0f, 128.0f}, 0.0f, 0.0f, 0);
    ok->SetUVFrame(vrk::GuiRect{0.0f, 0.75f, 1.0f, 0.25f}, 0.0f, 0.0f, 0);
    auto* off = new vrk::cButtonSysCtrl(window, "off");
    off->SetTexture("button", 0);
    off->SetFrame(vrk::GuiRect{448.0f, 512.0f, 256.0f, 128.0f}, 0.0f, 0.0f, 0);
    off->SetUVFrame(vrk::GuiRect{0.0f, 0.75f, 1.0f, 0.25f}, 0.0f, 0.0f, 0);
    off->Enable(false);

    auto* check = new vrk::cCheckBoxSysCtrl(window, "music");
    check->SetTexture("check", 0);
    check->SetRect(vrk::GuiRect{128.0f, 320.0f, 256.0f, 128.0f}, 0);
    check->SetUVRect(vrk::GuiRect{0.0f, 0.5f, 0.5f, 0.5f}, 0);
    check->SetChecked(true);

    auto* slider = new vrk::cSliderSysCtrl(window, "volume");
    slider->SetTexture("track", vrk::cSliderSysCtrl::kTextureTrack);
    slider->SetTexture("thumb", vrk::cSliderSysCtrl::kTextureThumb);
    slider->SetFrame(vrk::GuiRect{448.0f, 352.0f, 384.0f, 64.0f}, 0.0f, 0.0f, 0);
    slider->SetRect(vrk::GuiRect{0.0f, 0.0f, 64.0f, 128.0f}, 0);
    slider->SetValue(50.0f);  // thumb at x 608 .. 672, y 320 .. 448

    auto* list = new vrk::cListSysCtrl(window, "saves");
    list->SetTexture("selection", 0);
    list->SetRect(vrk::GuiRect{128.0f, 96.0f, 512.0f, 160.0f}, 0);
    list->SetFrame(vrk::GuiRect{0.0f, 0.0f, 512.0f, 64.0f}, 0.0f, 0.0f, 0);
    list->InsertItem(0, "first", 0);
    list->InsertItem(1, "second", 0);
    list->SetSelected(1, true, false);  // row 1: y 128 .. 192

    game->gui->ShowWindow("options");
    game->gui->Draw();
    Capture();

    ExpectAt(20.0f, 20.0f, kBlack, "outside the window's frame");
    ExpectAt(900.0f, 100.0f, kGray, "frame body");
    ExpectAt(256.0f, 576.0f, kRed, "button, normal cell");
    ExpectAt(576.0f, 576.0f, kYellow, "disabled button, fourth cell");
    ExpectAt(192.0f, 384.0f, kPurple, "checked box, normal column");
    ExpectAt(320.0f, 384.0f, kGray, "the box is square: its caption area shows the frame");
    ExpectAt(480.0f, 384.0f, kWhite, "slider track");
    ExpectAt(640.0f, 430.0f, kMagenta, "slider thumb above the track");
    ExpectAt(384.0f, 160.0f, kTeal, "selected list row");
    ExpectAt(384.0f, 224.0f, kGray, "unselected list row");
}

}  // namespace
