// Level "003"'s mill and its food pick-up ("mill0_item0") in the real game: the
// pick-up lies hidden until a worker sits in the mill, comes back a second later,
// and then takes the pointer over its picture and the click that sends a worker to
// carry it home. Everything goes through the level screen's own mouse events.
#include <gtest/gtest.h>

#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr uint32_t kMillLevel = 3;
constexpr int kLoadTicks = 90;
// Frames a worker takes at most to walk into the mill, the mill to bring the
// pick-up back, and a worker to fetch it: well past each.
constexpr int kMostWalkTicks = 900;
constexpr int kMostRespawnTicks = 90;

class MillPickUpClickTest : public test::GameTour {
protected:
    // The screen pixel (y down) of a world point.
    void ClickAt(cMagicWidget& screen, const vec2& world)
    {
        const vec2 at = screen.WorldToScreen(world);
        Click(static_cast<int32_t>(at.x), kWindowHeight - static_cast<int32_t>(at.y));
        Frame();
    }
};

TEST_F(MillPickUpClickTest, PickUpShowsOnceAWorkerSitsInTheMill_AndItsClickSendsAWorkerToTakeIt)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cMagicWidget* screen = ShowLevel(kMillLevel, kLoadTicks);
    ASSERT_NE(screen, nullptr);
    screen->EndTalk();
    Frames(kLoadTicks);
    auto* mill = dynamic_cast<cPlant*>(screen->FindObject("mill0", -1));
    cObject* item = screen->FindObject("mill0_item0", -1);
    ASSERT_NE(mill, nullptr);
    ASSERT_NE(item, nullptr);
    // Hidden at the start: nothing of it to click.
    EXPECT_EQ(item->GetState(), kStateNone);
    EXPECT_EQ(item->HitTest(item->GetPosition()), 0);

    // A click on the mill's free seat sends a worker in.
    Rect head;
    ASSERT_TRUE(mill->GetHeadRect(0, head));
    ClickAt(*screen, vec2{head.x + head.width * 0.5f, head.y + head.height * 0.5f});
    for (int tick = 0; tick < kMostWalkTicks && mill->CountTakenSeats() == 0; ++tick) Frame();
    ASSERT_EQ(mill->CountTakenSeats(), 1);
    for (int tick = 0; tick < kMostRespawnTicks && item->GetState() != kStateWorkDone; ++tick) Frame();
    ASSERT_EQ(item->GetState(), kStateWorkDone);

    // The pointer on the picture's middle and on its lower half finds the pick-up,
    // no tree in front of it takes them.
    Rect frame;
    item->GetFrameRect(frame, -1);
    const vec2 middle{frame.x + frame.width * 0.5f, frame.y + frame.height * 0.5f};
    const vec2 lower{middle.x, frame.y + frame.height * 0.3f};
    ASSERT_NE(item->HitTest(lower), 0);
    cObject* atLower = PointAt(*screen, lower);
    EXPECT_EQ(atLower, item) << (atLower != nullptr ? atLower->GetName() : "nothing");
    cObject* atMiddle = PointAt(*screen, middle);
    ASSERT_EQ(atMiddle, item) << (atMiddle != nullptr ? atMiddle->GetName() : "nothing");

    // Its click sends a worker, who takes it: the pick-up is gone again.
    ClickAt(*screen, middle);
    for (int tick = 0; tick < kMostWalkTicks && item->GetState() == kStateWorkDone; ++tick) Frame();
    EXPECT_NE(item->GetState(), kStateWorkDone);
}

}  // namespace
