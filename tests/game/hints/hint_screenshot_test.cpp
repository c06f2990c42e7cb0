// A tutorial hint drawn by the real game into a hidden OpenGL window: the first hint
// of level "000" beside its tree, read back and written as "hint_screenshot.png" in
// the build folder. The frame's cells and the arrow must show where the window put
// them, and nothing of the hint outside its frame and arrow.
#include <gtest/gtest.h>

#include "game/hints/train000.h"
#include "tests/game/support/hint_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

class HintScreenshotTest : public test::GameShot<test::HintTour> {
protected:
    HintScreenshotTest() : GameShot("hint screenshot") {}
};

TEST_F(HintScreenshotTest, FirstHintOfLevel000_DrawsItsFrameAndArrowBesideTheTree)
{
    PlayLevel(kHintsLevel);
    cTrain* hint = screen->GetHint();
    ASSERT_NE(dynamic_cast<train000::cTakeTree*>(hint), nullptr);
    for (int i = 0; i < 60 && hint->stage != cTrain::kStageShown; ++i) Frame();
    ASSERT_EQ(hint->stage, cTrain::kStageShown);
    // Fully faded in.
    Frames(20);
    ASSERT_EQ(Train()->GetOpacity(), 1.0f);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "hint_screenshot.png");

    // The frame's paper-coloured middle is drawn where the window put the frame.
    const vrk::GuiRect frame = DrawnFrame();
    const test::ShotRgb middle = At(static_cast<int>(frame.x + frame.width / 2), static_cast<int>(frame.y + 8));
    EXPECT_GT(middle.r + middle.g + middle.b, 450) << middle.r << " " << middle.g << " " << middle.b;
    // The arrow's red shows around its rectangle.
    const vrk::GuiRect arrow = TrainCtrl("arrow")->GetRect();
    const int red = test::CountInRect(Rect{arrow.x, arrow.y, arrow.width, arrow.height}, kWidth, kHeight,
                                      [&](int x, int y) {
                                          const test::ShotRgb p = At(x, y);
                                          return p.r > 150 && p.g < 90 && p.b < 90;
                                      });
    EXPECT_GT(red, 30);
}

}  // namespace
