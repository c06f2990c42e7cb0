// The main menu drawn by the real game on the real data into a hidden OpenGL window
// ("menu_screenshot.png" beside the build). Its scene is seen from the side: the
// birds cross the sky, and their shadows fall on the meadow and the hills below, never
// on the sky.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/objects/fly_decor.h"
#include "game/screens/menu_widget.h"
#include "tests/game/support/menu_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// The background's sky is a blue gradient, bluer than anything on its ground.
bool IsSky(const test::ShotRgb& p) { return p.b > p.r + 40 && p.b > p.g; }
// Summed RGB change from which a pixel counts as darkened by a shadow.
constexpr int kShadowChange = 12;
// Where a bird is put in turn: across the scene, from low over the meadow to high in
// the sky.
constexpr float kBirdXs[] = {200.0f, 520.0f, 860.0f};
constexpr float kLowestBird = 280.0f;
constexpr float kHighestBird = 740.0f;
constexpr float kBirdStep = 20.0f;
// A bird waits at most a minute between its flights.
constexpr int kMostWaitTicks = 2000;
// Far off the scene: a flyer put here draws nothing on it.
constexpr vec2 kAway{-4000.0f, -4000.0f};

class MenuScreenshotTest : public test::GameShot<test::MenuTour> {
protected:
    MenuScreenshotTest() : GameShot("menu screenshot") {}

    // The pixels of the screen rectangle that differ from the bare scene's.
    std::vector<std::pair<int, int>> Changed(const port::BackBufferImage& bare, const Rect& area) const
    {
        std::vector<std::pair<int, int>> changed;
        test::CountInRect(area, kWidth, kHeight, [&](int x, int y) {
            if (test::Difference(At(x, y), test::PixelAt(bare, kHeight, x, y)) > kShadowChange)
                changed.emplace_back(x, y);
            return false;
        });
        return changed;
    }
};

TEST_F(MenuScreenshotTest, BirdsShadows_FallOnTheGroundAndNeverOnTheSky)
{
    StartNamed();
    auto* menu = Screen<cMenuWidget>("menu");
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(Focused(), "menu");
    ObjectList flyers;
    menu->FindObjectsOfKind(flyers, kTypeFlyDecor, -1);
    std::vector<cFlyDecor*> birds;
    for (cObject* object : flyers) {
        auto* flyer = dynamic_cast<cFlyDecor*>(object);
        ASSERT_NE(flyer, nullptr);
        if (flyer->GetShadow().info.texture) birds.push_back(flyer);
    }
    ASSERT_EQ(birds.size(), 2u);

    int onGround = 0;
    for (cFlyDecor* bird : birds) {
        // A bird that waits between its flights draws nothing: its next one is awaited.
        for (int tick = 0; tick < kMostWaitTicks && bird->GetFlightState() != cFlyDecor::kFlightFlying; ++tick)
            Frame();
        ASSERT_EQ(bird->GetFlightState(), cFlyDecor::kFlightFlying) << bird->GetName();
        // The scene without flyers; nothing moves between the pictures, as no tick runs.
        for (cObject* flyer : flyers) flyer->SetPositionV(kAway);
        DrawGame();
        const port::BackBufferImage bare = image_;
        const SpriteAnim& shadow = bird->GetShadow();
        const vec2 hotSpot = shadow.info.HotSpot(shadow.play.frame);
        const vec2 size = shadow.info.Size(shadow.play.frame);
        for (const float x : kBirdXs) {
            for (float y = kLowestBird; y <= kHighestBird; y += kBirdStep) {
                bird->SetPositionV(vec2{x, y});
                DrawGame();
                const std::string where = bird->GetName() + " at " + std::to_string(x) + ", " + std::to_string(y);
                // The bird's own picture is left out: it flies in the sky.
                Rect own;
                bird->GetFrameRect(own, -1);
                own = menu->WorldToScreenBox(own);
                const Rect shade = menu->WorldToScreenBox(
                    Rect{x - hotSpot.x, y - bird->GetHeight() - hotSpot.y, size.x, size.y});
                int onSky = 0;
                for (const auto& [px, py] : Changed(bare, shade)) {
                    if (IsPointInRect(own, vec2{static_cast<float>(px), static_cast<float>(py)})) continue;
                    if (IsSky(test::PixelAt(bare, kHeight, px, py))) {
                        ++onSky;
                    } else {
                        ++onGround;
                    }
                }
                EXPECT_EQ(onSky, 0) << where << ": a shadow on the sky";
            }
        }
    }
    // The birds low over the meadow still cast their shadows there.
    EXPECT_GT(onGround, 200);

    // For the eye: one bird high in the sky, one low with its shadow on the meadow.
    birds[0]->SetPositionV(vec2{kBirdXs[0], kHighestBird});
    birds[1]->SetPositionV(vec2{kBirdXs[2], kLowestBird + 2 * kBirdStep});
    DrawGame();
    test::SaveShotPng(image_, kWidth, kHeight, "menu_screenshot.png");
}

}  // namespace
