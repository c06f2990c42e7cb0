// The map screen drawn by the real game into a hidden OpenGL window after the player
// scrolled it to the top, where the scene reaches beyond its landscape picture. The
// back buffer starts out filled with a loud colour, as a frame left over from another
// screen would; none of it may show through, and the band above the picture is sky. The picture is written beside the build
// as "map_top_screenshot.png".
#include <gtest/gtest.h>

#include "game/screens/map_widget.h"
#include "tests/game/support/game_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr test::ShotRgb kStaleRgb{0xFF, 0x00, 0xFF};
constexpr uint32_t kStale = 0xFF000000u | kStaleRgb.r << 16 | kStaleRgb.g << 8 | kStaleRgb.b;

class MapScreenshotTest : public test::GameShot<test::GameTour> {
protected:
    MapScreenshotTest() : GameShot("map screenshot") {}
};

TEST_F(MapScreenshotTest, ScrolledToTheTop_ShowsNoLeftoverOfAnEarlierFrame)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    app->ShowComics("map", "menu");
    Frames(test::kSceneTicks);
    auto* map = Screen<cMapWidget>("map");
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->GetMode(), kModePlay);
    // The cursor at the window's top edge scrolls the view up as far as it goes.
    MoveMouse(kWidth / 2, 1);
    Frames(200);
    MoveMouse(kWidth / 2, kHeight / 2);
    EXPECT_EQ(map->GetViewCenter().y, cMapWidget::kSceneHeight - kHeight / 2.0f);

    DrawGame(kStale);
    test::SaveShotPng(image_, kWidth, kHeight, "map_top_screenshot.png");
    const int stale = test::CountInRect(Rect{0.0f, 0.0f, 1024.0f, 768.0f}, kWidth, kHeight, [&](int x, int y) {
        return test::Difference(test::PixelAt(image_, kHeight, x, y), kStaleRgb) < 30;
    });
    EXPECT_EQ(stale, 0);
    // Above the landscape the sky goes on in its own colour.
    const test::ShotRgb band = test::PixelAt(image_, kHeight, kWidth / 2, kHeight - 20);
    EXPECT_LT(test::Difference(band, test::ShotRgb{0x8A, 0xB8, 0xE0}), 6) << band.r << " " << band.g << " " << band.b;
}

}  // namespace
