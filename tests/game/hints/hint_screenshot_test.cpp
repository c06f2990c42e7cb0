// Tutorial hints drawn by the real game into a hidden OpenGL window: the first hint
// of level "000" beside its tree, read back and written as "hint_screenshot.png" in
// the build folder (the frame's cells and the arrow must show where the window put
// them, and nothing of the hint outside its frame and arrow), and the first hint of level "001" ("hint001_screenshot.png"), whose arrow
// must reach the tower site's build icon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "game/hints/train000.h"
#include "game/hints/train001.h"
#include "objects/build.h"
#include "tests/game/support/hint_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// How near the arrow's red must come to the build icon's middle (the icon is a disc
// of radius 26), and the square around the middle searched for it.
constexpr float kTipToIconMiddle = 8.0f;
constexpr float kNear = 60.0f;

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

TEST_F(HintScreenshotTest, FirstHintOfLevel001_TouchesTheTowerSitesBuildIconWithItsArrow)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    screen = ShowLevel(1, test::kSceneTicks);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetLevelName(), "001");
    screen->EndTalk();
    Frames(2);
    cTrain* hint = screen->GetHint();
    ASSERT_NE(dynamic_cast<train001::cBuildTower*>(hint), nullptr);
    for (int i = 0; i < 60 && hint->stage != cTrain::kStageShown; ++i) Frame();
    ASSERT_EQ(hint->stage, cTrain::kStageShown);
    Frames(20);
    ASSERT_EQ(Train()->GetOpacity(), 1.0f);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "hint001_screenshot.png");

    // The site shows its plot and, on its place, the build icon the step asks for a
    // click on: the arrow's red reaches the icon's middle.
    const auto* site = dynamic_cast<const cBuild*>(hint->target);
    ASSERT_NE(site, nullptr);
    ASSERT_TRUE(site->ShowsBuildIcon());
    const vec2 icon = screen->WorldToScreen(site->GetPosition());
    float nearest = static_cast<float>(kWidth);
    test::CountInRect(Rect{icon.x - kNear, icon.y - kNear, 2 * kNear, 2 * kNear}, kWidth, kHeight, [&](int x, int y) {
        const test::ShotRgb p = At(x, y);
        if (p.r > 150 && p.g < 90 && p.b < 90)
            nearest = std::min(nearest, std::hypot(static_cast<float>(x) - icon.x, static_cast<float>(y) - icon.y));
        return false;
    });
    EXPECT_LE(nearest, kTipToIconMiddle) << "the arrow ends off the icon at " << icon.x << ", " << icon.y;
}

}  // namespace
