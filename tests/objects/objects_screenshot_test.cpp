// A headless picture of the level classes' test level: the game started on the real
// data tree with an OpenGL device on a hidden window, the level loaded into the
// stand-in level screen, its pictures loaded as the loading mode does, a firework
// launched over the home base, and one frame of the play mode drawn and read back.
// The picture is written beside the build for a look and checked loosely: not
// blank, and each kind of object shows colour where it stands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "engine/files/byte_stream.h"
#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/framework/app/tour_test_support.h"
#include "tests/objects/support/test_level_screen.h"
#include "tests/support/headless_gl.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/objects_test.lvl";
// The screen's own 1024 x 768: a level unit is a pixel.
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kLoadingTicks = 2000;
// A third of a second: the flag waves and the firework's first burst (eight frames
// at 15 a second) is half open, while a building's cross-fade of a second would
// still show.
constexpr int kPlayTicks = 10;
constexpr size_t kMinColours = 64;
// The share of its frame rectangle an object must cover.
constexpr float kMinCovered = 0.1f;
// A finished building's salvo, launched over the home base.
constexpr vec2 kSalvoOffset{0.0f, 60.0f};
constexpr uint32_t kSalvoBursts = 5;
constexpr float kSalvoInterval = 0.65f;
constexpr float kSalvoSpread = 70.0f;
// Half a firework frame.
constexpr float kBurstRadius = 64.0f;

struct Rgb {
    int r, g, b;
};

int Difference(const Rgb& a, const Rgb& b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }
// Meadow green under the level, so the shadows show.
constexpr Rgb kGroundRgb{0x4A, 0x7A, 0x3A};
constexpr uint32_t kGround = 0xFF000000u | kGroundRgb.r << 16 | kGroundRgb.g << 8 | kGroundRgb.b;
// Summed RGB difference from which a pixel is not bare ground.
constexpr int kChanged = 40;
bool IsCovered(const Rgb& p) { return Difference(p, kGroundRgb) > kChanged; }

// The stand-in with its play-mode drawing reachable, so the frame holds the level
// alone, without the game's windows.
class ShotLevelScreen : public test::TestLevelScreen {
public:
    using cBaseWidget::DrawPlay;
};

class ObjectsScreenshotTest : public test::GameTourTest {
protected:
    void SetUp() override
    {
        GameTourTest::SetUp();
        if (const std::string skip = gl_.Start("objects screenshot", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
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
    static Rgb At(const port::BackBufferImage& image, int x, int y)
    {
        const size_t at = (static_cast<size_t>(kHeight - 1 - y) * image.width + static_cast<size_t>(x)) * 4;
        return {image.bgra[at + 2], image.bgra[at + 1], image.bgra[at]};
    }
    // How many points of the level rectangle (within the picture) pass the test.
    template <class Test>
    static int CountIn(const Rect& area, Test test)
    {
        const int x0 = std::max(static_cast<int>(area.x), 0);
        const int y0 = std::max(static_cast<int>(area.y), 0);
        const int x1 = std::min(static_cast<int>(area.x + area.width), kWidth);
        const int y1 = std::min(static_cast<int>(area.y + area.height), kHeight);
        int count = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) count += test(x, y) ? 1 : 0;
        }
        return count;
    }
    // How many pixels of the rectangle in the drawn picture have the colour.
    template <class Colour>
    int CountColour(const Rect& area, Colour colour) const
    {
        return CountIn(area, [&](int x, int y) { return colour(At(image_, x, y)); });
    }
    static Rect FrameOf(const cObject& object)
    {
        Rect frame;
        object.GetFrameRect(frame, -1);
        return frame;
    }
    size_t Colours() const
    {
        std::set<uint32_t> colours;
        for (size_t at = 0; at + 3 < image_.bgra.size(); at += 4)
            colours.insert(static_cast<uint32_t>(image_.bgra[at]) | static_cast<uint32_t>(image_.bgra[at + 1]) << 8 |
                           static_cast<uint32_t>(image_.bgra[at + 2]) << 16);
        return colours.size();
    }
    void SaveShot() const
    {
        test::PngPicture picture;
        picture.width = kWidth;
        picture.height = kHeight;
        picture.pixels.resize(static_cast<size_t>(kWidth) * kHeight * 3);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const size_t from = (static_cast<size_t>(y) * image_.width + static_cast<size_t>(x)) * 4;
                const size_t to = (static_cast<size_t>(y) * kWidth + static_cast<size_t>(x)) * 3;
                picture.pixels[to] = image_.bgra[from + 2];
                picture.pixels[to + 1] = image_.bgra[from + 1];
                picture.pixels[to + 2] = image_.bgra[from];
            }
        }
        test::WritePng(std::string(KELVARA_BINARY_DIR) + "/objects_screenshot.png", picture);
    }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    port::BackBufferImage image_;
};

TEST_F(ObjectsScreenshotTest, LevelFrame_ShowsEachKindOfObjectWhereTheLevelPutsIt)
{
    Start();
    // Made while the core runs, so the core owns it.
    auto* screen = new ShotLevelScreen();
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(kLevelFile), 0);
    ASSERT_TRUE(screen->LoadLevel(stream, 0));
    screen->LinkObjects();
    screen->SetMode(kModeLoading);
    for (int tick = 0; tick < kLoadingTicks && screen->GetMode() != kModePlay; ++tick) screen->Tick();
    ASSERT_EQ(screen->GetMode(), kModePlay);
    const cObject* home = screen->FindObject("home", -1);
    ASSERT_NE(home, nullptr);
    const vec2 launch = home->GetPosition() + kSalvoOffset;
    screen->AnimEffects().LaunchFirework(launch, kSalvoBursts, kSalvoInterval, kSalvoSpread);
    for (int tick = 0; tick < kPlayTicks; ++tick) {
        screen->Tick();
        screen->Update(test::kTick);
    }
    ASSERT_FALSE(screen->AnimEffects().effects.empty());

    DrawFrame(*screen);
    SaveShot();
    EXPECT_GE(Colours(), kMinColours) << "the level frame is blank";

    // Each object covers a good part of its frame rectangle.
    for (const char* name : {"tree_a", "tree_b", "tree_c", "tree_d", "nugget", "well", "field_a", "field_b",
                             "item_food", "item_wood", "item_money", "item_mana", "log", "stone", "stone_big",
                             "bridge", "bridge_big", "home", "house_new", "house_built", "house_up"}) {
        const cObject* object = screen->FindObject(name, -1);
        ASSERT_NE(object, nullptr) << name;
        const Rect frame = FrameOf(*object);
        ASSERT_GT(frame.width * frame.height, 0.0f) << name;
        const float covered = static_cast<float>(CountColour(frame, IsCovered)) / (frame.width * frame.height);
        EXPECT_GT(covered, kMinCovered) << name;
    }
    // Colours of their own: the nugget's gold, the well's water, the flag over the
    // home base and the roofs of the base (blue) and of a finished house (red).
    const auto isGold = [](const Rgb& p) { return p.r > 200 && p.g > 150 && p.b < 90; };
    const auto isWater = [](const Rgb& p) { return p.b > 200 && p.r < 140; };
    const auto isRed = [](const Rgb& p) { return p.r > 170 && p.g < 100 && p.b < 90; };
    const auto isBlue = [](const Rgb& p) { return p.b > 130 && p.b > p.r + 60 && p.b > p.g + 30; };
    EXPECT_GT(CountColour(FrameOf(*screen->FindObject("nugget", -1)), isGold), 150);
    EXPECT_GT(CountColour(FrameOf(*screen->FindObject("well", -1)), isWater), 150);
    const vec2 base = home->GetPosition();
    EXPECT_GT(CountColour(Rect{base.x - 20.0f, base.y + 100.0f, 80.0f, 70.0f}, isRed), 300) << "no flag";
    EXPECT_GT(CountColour(FrameOf(*home), isBlue), 5000);
    // All red, not half faded in over its foundation.
    EXPECT_GT(CountColour(FrameOf(*screen->FindObject("house_built", -1)), isRed), 5000);

    // The firework: the same frame without it differs around the launch point.
    const port::BackBufferImage withFirework = image_;
    screen->AnimEffects().effects.clear();
    DrawFrame(*screen);
    const float reach = kSalvoSpread + kBurstRadius;
    const Rect burstArea{launch.x - reach, launch.y - reach, 2.0f * reach, 2.0f * reach};
    const auto changed = [&](int x, int y) { return Difference(At(withFirework, x, y), At(image_, x, y)) > kChanged; };
    EXPECT_GT(CountIn(burstArea, changed), 100) << "no firework";
    EXPECT_EQ(CountIn(Rect{launch.x + reach, 0.0f, kWidth, kHeight}, changed), 0);
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
