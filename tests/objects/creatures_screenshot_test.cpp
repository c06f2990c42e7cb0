// A headless picture of the creatures: the game started on the real data tree with
// an OpenGL device on a hidden window, the wife casting at an altar, a succubus with
// two workers in love behind her, a frozen worker beside a witch, a tower's cannonball
// in flight and the tank with its barrel and muzzle flash set on the stand-in level
// screen, their pictures loaded as the loading mode does, and one frame of the play
// mode drawn and read back. The picture is written beside the build for a look and
// checked loosely: not blank, each creature shows where it stands, the cannonball
// and the flash show on bare ground.
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "engine/platform/game_core.h"
#include "tests/objects/support/level_screenshot.h"
#include "objects/altar.h"
#include "objects/level_contract.h"
#include "objects/succub.h"
#include "objects/tank.h"
#include "objects/tower.h"
#include "objects/wife.h"
#include "objects/witch.h"
#include "objects/worker.h"

namespace {

constexpr int kLoadingTicks = 2000;
constexpr size_t kMinColours = 64;
// The share of its frame rectangle an object must cover.
constexpr float kMinCovered = 0.1f;

using Rgb = test::ShotRgb;
using test::IsCovered;
using test::ShotLevelScreen;

class CreaturesScreenshotTest : public test::LevelShotTest {
protected:
    CreaturesScreenshotTest() : LevelShotTest("creatures screenshot") {}
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
    SaveShot("creatures_screenshot.png");
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
