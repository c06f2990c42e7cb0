// A headless picture of workers in the started game, on the real data tree's
// pictures, drawn by the stand-in level screen on a hidden OpenGL window: a frozen
// worker in its ice block under its bar, a worker shielded by the shield spell, a
// charmed worker under its hearts (the hearts rise while the charm holds him, before
// he follows in love), a cut-off worker's thought cloud, and a worker
// running with the faster-workers spell's trail. The picture is written beside the
// build for a look and checked loosely where each element must show.
#include <gtest/gtest.h>

#include <string>

#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr int kLoadingTicks = 2000;
// Past the cloud's first showing (4 to 7 s) and its one-second fade in.
constexpr int kPlayTicks = 300;
// The runner's last ticks: long enough for a trail, short of the walk's end.
constexpr int kRunTicks = 20;
constexpr int32_t kFastWorkersSpell = 0;
constexpr int32_t kShieldSpell = 5;
constexpr float kSpellSeconds = 60.0f;

using Rgb = test::ShotRgb;
using test::IsCovered;
using test::ShotLevelScreen;

class WorkersScreenshotTest : public test::LevelShotTest {
protected:
    WorkersScreenshotTest() : LevelShotTest("workers screenshot") {}

    static cWorker* MakeWorker(ShotLevelScreen& screen, const vec2& at)
    {
        auto* worker = dynamic_cast<cWorker*>(screen.CreateObject(kTypeWorker, 0));
        if (worker == nullptr) return nullptr;
        worker->SetPositionV(at);
        worker->SetSprite(std::string());
        return worker;
    }
    int CountChanged(const Rect& area) const { return CountColour(area, IsCovered); }
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
    SaveShot("workers_screenshot.png");

    // The ice block: pale blue over the frozen worker; its bar was asked for.
    const auto isIce = [](const Rgb& p) { return p.b > 180 && p.g > 160 && p.r > 100; };
    EXPECT_GT(CountColour(Rect{frozenAt.x - 30.0f, frozenAt.y, 60.0f, 60.0f}, isIce), 200) << "ice block";
    // Its bar below it, a third filled after 10 of its 30 s: orange on the left only.
    const auto isBarFill = [](const Rgb& p) { return p.r > 200 && p.g > 100 && p.g < 200 && p.b < 100; };
    EXPECT_GT(CountColour(Rect{frozenAt.x - 28.0f, frozenAt.y - 23.0f, 14.0f, 6.0f}, isBarFill), 40) << "bar";
    EXPECT_EQ(CountColour(Rect{frozenAt.x + 4.0f, frozenAt.y - 23.0f, 24.0f, 6.0f}, isBarFill), 0);
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
