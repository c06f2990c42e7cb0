// A headless picture of the level classes' test level: the game started on the real
// data tree with an OpenGL device on a hidden window, the level loaded into the
// stand-in level screen, its pictures loaded as the loading mode does, a firework
// launched over the home base, and one frame of the play mode drawn and read back.
// The picture is written beside the build for a look and checked loosely: not
// blank, and each kind of object shows colour where it stands.
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "engine/platform/game_core.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/objects_test.lvl";
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

using Rgb = test::ShotRgb;
using test::IsCovered;
using test::kChanged;
using test::ShotLevelScreen;

class ObjectsScreenshotTest : public test::LevelShotTest {
protected:
    ObjectsScreenshotTest() : LevelShotTest("objects screenshot") {}
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
    SaveShot("objects_screenshot.png");
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
