// The tank of a real level clicked as the player clicks it: the level screen orders
// nothing there and sends no worker, whenever in its watch the click comes.
#include <gtest/gtest.h>

#include <cstdint>

#include "objects/level_contract.h"
#include "objects/tank.h"
#include "tests/game/support/game_tour.h"

namespace {

// The level with a tank ("tank0") among its workers.
constexpr uint32_t kTankLevel = 20;
// A click every third of a second over ten seconds: the barrel's whole sweep.
constexpr int kClicks = 30;
constexpr int kFramesBetweenClicks = 10;

class TankClickTest : public test::GameTour {
protected:
    // Pointer input at GUI units (y up), as the window sends client pixels (y down).
    void MoveMouseGui(float x, float y) { MoveMouse(static_cast<int32_t>(x), kWindowHeight - static_cast<int32_t>(y)); }
    void ClickGui(float x, float y) { Click(static_cast<int32_t>(x), kWindowHeight - static_cast<int32_t>(y)); }
};

TEST_F(TankClickTest, ClicksOnTheTankOrderNothingAndSendNoWorkerWhileItsWatchGoesOn)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cMagicWidget* screen = ShowLevel(kTankLevel, test::kSceneTicks);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "020");
    screen->EndTalk();
    Frames(2);
    auto* tank = dynamic_cast<cTank*>(screen->FindObject("tank0", -1));
    ASSERT_NE(tank, nullptr);
    ObjectList workers;
    ASSERT_GT(screen->FindObjectsOfKind(workers, kTypeWorker, -1), 0u);

    Rect box;
    tank->GetFrameRect(box, -1);
    box = screen->WorldToScreenBox(box);
    const float x = box.x + box.width / 2;
    const float y = box.y + box.height / 2;
    const float startAngle = tank->GetGunAngle().current;
    for (int click = 0; click < kClicks; ++click) {
        SCOPED_TRACE(click);
        MoveMouseGui(x, y);
        Frame();
        ASSERT_EQ(screen->GetHoveredObject(), tank) << "the pointer is on the tank";
        ClickGui(x, y);
        Frames(kFramesBetweenClicks);
        EXPECT_TRUE(screen->Orders().empty());
        for (cObject* object : workers) {
            EXPECT_NE(static_cast<cMan*>(object)->GetTarget(), tank) << object->GetName() << " was sent to the tank";
        }
        EXPECT_EQ(tank->GetState(), 1) << "it stays ready";
    }
    EXPECT_NE(tank->GetGunAngle().current, startAngle) << "its watch went on meanwhile";
}

}  // namespace
