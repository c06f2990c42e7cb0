// A headless picture of the creatures: the game started on the real data tree with
// an OpenGL device on a hidden window, the wife casting at an altar, a succubus with
// two workers in love behind her, a frozen worker beside a witch, a tower's cannonball
// in flight and the tank with its barrel and muzzle flash set on the stand-in level
// screen, their pictures loaded as the loading mode does, and one frame of the play
// mode drawn and read back. The picture is written beside the build for a look and
// checked loosely: not blank, each creature shows where it stands, the cannonball
// and the flash show on bare ground.
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
#include "objects/altar.h"
#include "objects/level_contract.h"
#include "objects/succub.h"
#include "objects/tank.h"
#include "objects/tower.h"
#include "objects/wife.h"
#include "objects/witch.h"
#include "objects/worker.h"

namespace {

// The screen's own 1024 x 768: a level unit is a pixel.
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kLoadingTicks = 2000;
constexpr size_t kMinColours = 64;
// The share of its frame rectangle an object must cover.
constexpr float kMinCovered = 0.1f;

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

class CreaturesScreenshotTest : public test::GameTourTest {
protected:
    void SetUp() override
    {
        GameTourTest::SetUp();
        if (const std::string skip = gl_.Start("creatures screenshot", kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
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
        test::WritePng(std::string(KELVARA_BINARY_DIR) + "/creatures_screenshot.png", picture);
    }

    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    port::BackBufferImage image_;
};


template <class T>
T* Make(ShotLevelScreen& screen, int32_t type, const char* sprite, const vec2& at, const char* text = "")
{
    auto* object = dynamic_cast<T*>(screen.CreateObject(type, 0));
    if (object == nullptr) return nullptr;
    object->SetPositionV(at);
    object->SetText(text);
    object->SetSprite(sprite);
    return object;
}

TEST_F(CreaturesScreenshotTest, Frame_ShowsTheCastersTheTowersShotAndTheTanksFlash)
{
    Start();
    // Made while the core runs, so the core owns it.
    auto* screen = new ShotLevelScreen();
    auto* altar = Make<cAltar>(*screen, kTypeAltar, "spell_freeze_water", {260.0f, 560.0f});
    auto* wife = Make<cWife>(*screen, kTypeWife, "wife", {200.0f, 540.0f});
    auto* succub = Make<cSuccub>(*screen, kTypeSuccub, "succub", {600.0f, 600.0f});
    auto* loverA = Make<cWorker>(*screen, kTypeWorker, "", {650.0f, 620.0f});
    auto* loverB = Make<cWorker>(*screen, kTypeWorker, "", {700.0f, 640.0f});
    auto* witch = Make<cWitch>(*screen, kTypeWitch, "witch", {220.0f, 250.0f});
    auto* frozen = Make<cWorker>(*screen, kTypeWorker, "", {160.0f, 250.0f});
    auto* tower = Make<cTower>(*screen, kTypeTower, "tower00", {880.0f, 560.0f}, "2;0");
    auto* tank = Make<cTank>(*screen, kTypeTank, "tank", {520.0f, 300.0f});
    auto* stunned = Make<cWorker>(*screen, kTypeWorker, "", {560.0f, 80.0f});
    ASSERT_TRUE(altar && wife && succub && loverA && loverB && witch && frozen && tower && tank && stunned);
    screen->SetMode(kModeLoading);
    for (int tick = 0; tick < kLoadingTicks && screen->GetMode() != kModePlay; ++tick) screen->Tick();
    ASSERT_EQ(screen->GetMode(), kModePlay);

    for (cWorker* lover : {loverA, loverB}) lover->OnMessage(kEventLove, reinterpret_cast<uintptr_t>(succub));
    frozen->SetFrozen(true);
    // Paid as the level screen pays, then sent.
    wife->PaidCost().Clear();
    ASSERT_TRUE(screen->SendWorker(wife, altar, 0));
    int ticks = 0;
    for (; ticks < kLoadingTicks && wife->GetState() != cWife::kStateMagic; ++ticks) screen->Tick();
    ASSERT_EQ(wife->GetState(), cWife::kStateMagic);
    tower->Shoot(stunned);
    tank->Shoot(stunned);
    // A few ticks: the cannonball leaves the tower, the flash opens.
    for (int tick = 0; tick < 6; ++tick) {
        screen->Tick();
        screen->Update(test::kTick);
    }
    ASSERT_FALSE(tower->GetShots().empty());
    ASSERT_TRUE(tank->IsFlashing());
    EXPECT_EQ(wife->GetState(), cWife::kStateMagic);

    DrawFrame(*screen);
    SaveShot();
    EXPECT_GE(Colours(), kMinColours) << "the frame is blank";
    for (const cObject* object : std::initializer_list<const cObject*>{
             altar, wife, succub, loverA, loverB, witch, frozen, tower, tank}) {
        Rect frame = FrameOf(*object);
        // A worker's frame comes from its animation set, which has no rectangle of
        // its own: take the figure's size around its feet.
        if (frame.width * frame.height <= 0.0f) frame = Rect{object->GetPosition().x - 20.0f, object->GetPosition().y - 10.0f, 40.0f, 60.0f};
        ASSERT_GT(frame.width * frame.height, 0.0f) << object->GetSprite();
        const float covered = static_cast<float>(CountColour(frame, IsCovered)) / (frame.width * frame.height);
        EXPECT_GT(covered, kMinCovered) << object->GetSprite();
    }
    // The cannonball on bare ground, and the flash at the muzzle.
    const vec2 ball = tower->GetShots().front().current;
    EXPECT_GT(CountColour(Rect{ball.x - 8.0f, ball.y - 8.0f, 16.0f, 16.0f}, IsCovered), 20) << "no cannonball";
    const vec2 muzzle = tank->GetMuzzlePoint();
    EXPECT_GT(CountColour(Rect{muzzle.x - 16.0f, muzzle.y - 16.0f, 32.0f, 32.0f}, IsCovered), 100) << "no flash";
    EXPECT_TRUE(Complaints().empty()) << Joined(Complaints());
}

}  // namespace
