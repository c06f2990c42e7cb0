// A headless picture of workers in the started game, on the real data tree's
// pictures, drawn by the stand-in level screen on a hidden OpenGL window: a frozen
// worker in its ice block under its bar, a worker shielded by the shield spell, a
// charmed worker under its hearts (the hearts rise while the charm holds him, before
// he follows in love), a cut-off worker's thought cloud, and a worker
// running with the faster-workers spell's trail. The picture is written beside the
// build for a look and checked loosely where each element must show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/render/render.h"
#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/framework/app/tour_test_support.h"
#include "tests/objects/support/test_level_screen.h"
#include "tests/support/headless_gl.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kLoadingTicks = 2000;
// Past the cloud's first showing (4 to 7 s) and its one-second fade in.
constexpr int kPlayTicks = 300;
// The runner's last ticks: long enough for a trail, short of the walk's end.
constexpr int kRunTicks = 20;
constexpr int32_t kFastWorkersSpell = 0;
constexpr int32_t kShieldSpell = 5;
constexpr float kSpellSeconds = 60.0f;

struct Rgb {
    int r, g, b;
};

int Difference(const Rgb& a, const Rgb& b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }
constexpr Rgb kGroundRgb{0x4A, 0x7A, 0x3A};
constexpr uint32_t kGround = 0xFF000000u | kGroundRgb.r << 16 | kGroundRgb.g << 8 | kGroundRgb.b;
constexpr int kChanged = 40;

class ShotLevelScreen : public test::TestLevelScreen {
public:
    using cBaseWidget::DrawPlay;
};

class WorkersScreenshotTest : public test::GameTourTest {
protected:
    void SetUp() override
    {
        GameTourTest::SetUp();
        if (const std::string skip = gl_.Start("workers screenshot", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        vrk::cRender* render = vrk::GetRender();
        ASSERT_NE(render, nullptr);
        render->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render->SetScreenRect(0, 0, kWidth, kHeight);
        render->SetHardwareDefaults();
    }
    void TearDown() override
    {
        // The textures go with the game, before the device they live on.
        GameTourTest::TearDown();
        gl_.Stop();
        device_ = nullptr;
    }

    static cWorker* MakeWorker(ShotLevelScreen& screen, const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(screen.CreateObject(kTypeWorker, 0));
        if (worker == nullptr) return nullptr;
        worker->SetPositionV(at);
        worker->SetSprite(std::string());
        return worker;
    }
    void DrawFrame(ShotLevelScreen& screen)
    {
        vrk::cRender* render = vrk::GetRender();
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        render->clearColor = kGround;
        render->ClearRenderTarget();
        render->SetOrtho2D(true, cBaseWidget::kVirtualWidth, cBaseWidget::kVirtualHeight);
        screen.DrawPlay(*screen.GetPrimitiveBatch());
        device_->EndScene();
        ASSERT_TRUE(device_->ReadBackBuffer(image_));
        ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    }
    // The picture at a level point (y up).
    Rgb At(int x, int y) const
    {
        const size_t at = (static_cast<size_t>(kHeight - 1 - y) * image_.width + static_cast<size_t>(x)) * 4;
        return {image_.bgra[at + 2], image_.bgra[at + 1], image_.bgra[at]};
    }
    template <class Colour>
    int CountColour(const Rect& area, Colour colour) const
    {
        const int x0 = std::max(static_cast<int>(area.x), 0);
        const int y0 = std::max(static_cast<int>(area.y), 0);
        const int x1 = std::min(static_cast<int>(area.x + area.width), kWidth);
        const int y1 = std::min(static_cast<int>(area.y + area.height), kHeight);
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) count += colour(At(x, y)) ? 1 : 0;
        }
        return count;
    }
    int CountChanged(const Rect& area) const
    {
        return CountColour(area, [](const Rgb& p) { return Difference(p, kGroundRgb) > kChanged; });
    }
    void SaveShot() const
    {
        test::PngPicture picture;
        picture.width = kWidth;
        picture.height = kHeight;
        picture.pixels.resize(static_cast<size_t>(kWidth) * kHeight * 3);
        for (size_t i = 0; i < static_cast<size_t>(kWidth) * kHeight; ++i) {
            for (size_t c = 0; c < 3; ++c) picture.pixels[i * 3 + c] = image_.bgra[i * 4 + 2 - c];
        }
        test::WritePng(std::string(KELVARA_BINARY_DIR) + "/workers_screenshot.png", picture);
    }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    port::BackBufferImage image_;
};

TEST_F(WorkersScreenshotTest, Screenshot_ShowsIceBlockShieldHeartsCloudAndTrail)
{
    Start();
    // Made while the core runs, so the core owns it and the objects added to it.
    auto* screen = new ShotLevelScreen();
    screen->InitLevel("010");
    const vec2 frozenAt{200.0f, 250.0f};
    const vec2 shieldedAt{420.0f, 250.0f};
    const vec2 loverAt{640.0f, 250.0f};
    const vec2 cutOffAt{850.0f, 250.0f};
    const vec2 runFrom{150.0f, 550.0f};
    const vec2 runTo{950.0f, 550.0f};

    cWorker* frozen = MakeWorker(*screen, frozenAt);
    cWorker* shielded = MakeWorker(*screen, shieldedAt);
    cWorker* lover = MakeWorker(*screen, loverAt);
    cWorker* cutOff = MakeWorker(*screen, cutOffAt);
    cWorker* runner = MakeWorker(*screen, runFrom);
    ASSERT_TRUE(frozen && shielded && lover && cutOff && runner);
    frozen->OnMessage(kEventFreeze, 0);
    lover->OnMessage(kEventCharm, reinterpret_cast<uintptr_t>(shielded));
    cutOff->SetMarker(true);
    ASSERT_NE(cutOff->GetCloud(), nullptr);

    // The pictures load as the loading mode does.
    screen->SetMode(kModeLoading);
    for (int tick = 0; tick < kLoadingTicks && screen->GetMode() != kModePlay; ++tick) screen->Tick();
    ASSERT_EQ(screen->GetMode(), kModePlay);
    screen->spellTimers[kShieldSpell] = kSpellSeconds;
    for (int tick = 0; tick < kPlayTicks; ++tick) {
        if (tick == kPlayTicks - kRunTicks) {
            screen->spellTimers[kFastWorkersSpell] = kSpellSeconds;
            runner->WalkPath({runFrom, runTo}, shielded, 0);
        }
        screen->Tick();
        screen->Update(test::kTick);
    }
    ASSERT_TRUE(frozen->IsFrozen());
    ASSERT_EQ(lover->GetState(), cWorker::kStateCharmed);
    ASSERT_TRUE(runner->IsTrailOn());
    ASSERT_EQ(runner->GetAnimationKey().rfind("run", 0), 0u);

    DrawFrame(*screen);
    SaveShot();

    // The ice block: pale blue over the frozen worker; its bar was asked for.
    const auto isIce = [](const Rgb& p) { return p.b > 180 && p.g > 160 && p.r > 100; };
    EXPECT_GT(CountColour(Rect{frozenAt.x - 30.0f, frozenAt.y, 60.0f, 60.0f}, isIce), 200) << "ice block";
    // Its bar below it, a third filled after 10 of its 30 s: orange on the left only.
    const auto isBarFill = [](const Rgb& p) { return p.r > 200 && p.g > 100 && p.g < 200 && p.b < 100; };
    EXPECT_GT(CountColour(Rect{frozenAt.x - 110.0f, frozenAt.y - 26.0f, 50.0f, 12.0f}, isBarFill), 300) << "bar";
    EXPECT_EQ(CountColour(Rect{frozenAt.x + 40.0f, frozenAt.y - 26.0f, 50.0f, 12.0f}, isBarFill), 0);
    // The shield turns around the shielded worker's middle: the same worker drawn
    // without the spell differs there.
    const int shieldedChanged = CountChanged(Rect{shieldedAt.x - 45.0f, shieldedAt.y - 20.0f, 90.0f, 110.0f});
    // Hearts rise above the charmed worker, the cloud above the cut-off one.
    EXPECT_GT(CountChanged(Rect{loverAt.x - 50.0f, loverAt.y + 60.0f, 100.0f, 100.0f}), 50) << "hearts";
    EXPECT_GT(CountChanged(Rect{cutOffAt.x - 80.0f, cutOffAt.y + 40.0f, 160.0f, 140.0f}), 500) << "cloud";
    // The trail: after-images behind the runner, between his start and where he is.
    const float runnerX = runner->GetPosition().x;
    EXPECT_GT(CountChanged(Rect{runFrom.x + 20.0f, runFrom.y - 10.0f, runnerX - runFrom.x - 80.0f, 70.0f}), 300)
        << "trail";

    screen->spellTimers[kShieldSpell] = -1.0f;
    DrawFrame(*screen);
    EXPECT_GT(shieldedChanged, CountChanged(Rect{shieldedAt.x - 45.0f, shieldedAt.y - 20.0f, 90.0f, 110.0f}) + 100)
        << "shield";
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
