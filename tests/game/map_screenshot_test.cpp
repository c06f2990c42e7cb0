// The map screen drawn by the real game into a hidden OpenGL window. Scrolled to the
// top, where the scene reaches beyond its landscape picture: the back buffer starts
// out filled with a loud colour, as a frame left over from another screen would; none
// of it may show through, and the band above the picture is sky ("map_top_screenshot.png"
// beside the build). And the current level's selection ring rings its point
// ("map_selection_screenshot.png").
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/objects/map_point.h"
#include "game/screens/map_widget.h"
#include "tests/game/support/game_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

constexpr test::ShotRgb kStaleRgb{0xFF, 0x00, 0xFF};
constexpr uint32_t kStale = 0xFF000000u | kStaleRgb.r << 16 | kStaleRgb.g << 8 | kStaleRgb.b;
// The selection ring is near-white; nothing else round a point on the parchment is.
constexpr int kRingBright = 230;
// Far enough round a point to hold its whole ring, near enough to hold no other.
constexpr float kRingReach = 40.0f;

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

TEST_F(MapScreenshotTest, CurrentLevel_SelectionRingIsCentredOnItsPoint)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cPlayerBase* player = app->GetActivePlayer();
    constexpr uint32_t kCurrent = 20;
    ASSERT_GT(player->levelRecords.size(), kCurrent);
    for (uint32_t level = 0; level <= kCurrent; ++level) player->levelRecords[level].state = kLevelOpen;
    player->currentLevel = kCurrent;
    // A cursor resting away from the edges (and from the point) leaves the view where
    // the map opens.
    MoveMouse(kWidth - 150, 150);
    app->ShowComics("map", "menu");
    Frames(test::kSceneTicks);
    auto* map = Screen<cMapWidget>("map");
    ASSERT_NE(map, nullptr);
    ObjectList found;
    map->FindObjectsByName(found, std::to_string(kCurrent), -1);
    ASSERT_EQ(found.size(), 1u);
    auto* point = dynamic_cast<cMapPoint*>(found.front());
    ASSERT_NE(point, nullptr);
    ASSERT_EQ(point->IsSelected(), 1);

    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "map_selection_screenshot.png");
    const vec2 centre = map->WorldToScreen(point->GetPosition());
    const Rect around{centre.x - kRingReach, centre.y - kRingReach, 2.0f * kRingReach, 2.0f * kRingReach};
    double sumX = 0.0;
    double sumY = 0.0;
    const int bright = test::CountInRect(around, kWidth, kHeight, [&](int x, int y) {
        const test::ShotRgb p = At(x, y);
        if (std::min({p.r, p.g, p.b}) < kRingBright) return false;
        sumX += x;
        sumY += y;
        return true;
    });
    ASSERT_GT(bright, 100);
    EXPECT_NEAR(sumX / bright, centre.x, 2.0);
    EXPECT_NEAR(sumY / bright, centre.y, 2.0);
}

}  // namespace
