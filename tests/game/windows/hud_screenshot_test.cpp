// The HUD "level" over level "002" drawn by the real game into a hidden OpenGL
// window, written as "hud_screenshot.png" in the build folder: a level with one
// task shows one task panel and nothing where the other two rows stand, and the
// day/night dial keeps its day or night picture through the change between them
// ("hud_change_screenshot.png").
#include <gtest/gtest.h>

#include "framework/widgets/base_wf.h"
#include "tests/game/support/level_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// The task rows' panels in GUI units (y up), as the HUD's script places them.
constexpr float kRowLeft = 808.0f;
constexpr float kRowWidth = 208.0f;
constexpr float kRowHeight = 48.0f;
constexpr float kFirstRowBottom = 658.0f;
constexpr float kRowStep = 52.0f;
// The dial's square.
constexpr Rect kDial{600.0f, 718.0f, 40.0f, 40.0f};

class HudScreenshotTest : public test::GameShot<test::LevelTour> {
protected:
    HudScreenshotTest() : GameShot("hud screenshot") {}

    void SetUp() override
    {
        GameShot::SetUp();
        if (IsSkipped()) return;
        StartLevel();
        // The opening talk goes and the HUD fades fully in.
        PressKey(27);
        Frames(30);
    }
    static Rect Row(int row)
    {
        return Rect{kRowLeft, kFirstRowBottom - kRowStep * static_cast<float>(row), kRowWidth, kRowHeight};
    }
    // Pixels of the rectangle that differ from the same pixels of another picture.
    int Changed(const Rect& area, const port::BackBufferImage& other) const
    {
        return test::CountInRect(area, kWidth, kHeight, [&](int x, int y) {
            return test::Difference(At(x, y), test::PixelAt(other, kHeight, x, y)) > test::kChanged;
        });
    }
};

TEST_F(HudScreenshotTest, OneTaskShowsOnePanelAndTheDialKeepsItsPictureThroughTheChange)
{
    // The level without the HUD, then with it and one task.
    game->gui->CloseWindow("level");
    DrawGame();
    const port::BackBufferImage bare = image_;
    game->gui->ShowWindow("level");
    Frames(20);
    screen->Tasks().Clear();
    screen->Tasks().Add(0, "", 10, "task_money", "Money_200");
    Send("level", kWndMessage);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "hud_screenshot.png");
    const int panelArea = static_cast<int>(kRowWidth * kRowHeight);
    EXPECT_GT(Changed(Row(0), bare), panelArea / 2);
    EXPECT_EQ(Changed(Row(1), bare), 0);
    EXPECT_EQ(Changed(Row(2), bare), 0);

    // Day and night of a second each: the frame on which a day ends shows its
    // picture under the dial, never the picture of a level without nights.
    screen->SetDayNightLengths(1.0f, 1.0f);
    Frames(2);
    const bool wasNight = screen->night;
    for (int frame = 0; frame < 45 && screen->night == wasNight; ++frame) Frame();
    ASSERT_NE(screen->night, wasNight);
    ASSERT_EQ(screen->dayNightPhase.current, screen->dayNightPhase.target);
    // The HUD's update comes before the tick in a frame: the next one sees the day
    // at its end, before the night starts running.
    Send("level", vrk::kWndUpdate, 0);
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "hud_change_screenshot.png");
    const port::BackBufferImage change = image_;
    // The same frame as a level without nights draws it.
    ASSERT_FALSE(Shown("level", "no_night"));
    screen->dayNightPhase.target = 0.0f;
    screen->dayNightPhase.current = 0.0f;
    Send("level", vrk::kWndUpdate, 0);
    DrawGame();
    EXPECT_GT(Changed(kDial, change), 100);
}

}  // namespace
