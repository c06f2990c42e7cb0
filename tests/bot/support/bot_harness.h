// test::BotHarness: the game tour fixture made into the player's seat for the level
// bot. A fresh profile with hints off; a level entered the way the finish window
// enters the next one (current level set, a closed record opened, the seed set right
// before the level screen takes the focus); the talk clicked through; and clicks on
// level objects at window pixels, the way a player's mouse gives them: a move, a
// tick so that the play tick's hover pass picks the object under the cursor, then
// the press and the release. Every tick the harness runs is counted, so a run's
// budget is game ticks and nothing else.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/gui/gui.h"
#include "framework/app/player_base.h"
#include "framework/objects/game_object.h"
#include "framework/objects/object.h"
#include "framework/objects/small_math.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/game_tour.h"

namespace test {

class BotHarness : public GameTour {
protected:
    // Enough ticks for the loading screen of any level.
    static constexpr int kLoadTicks = 3000;
    // More clicks than any level's talk has lines.
    static constexpr int kTalkClicks = 64;
    // Window pixels this close to the border scroll the view: never aimed at.
    static constexpr float kEdgeKeepOut = 16.0f;
    // Where a click on the talk lands (inside its speech frames).
    static constexpr int32_t kTalkClickX = 512;
    static constexpr int32_t kTalkClickY = 104;

    // The game up to the main menu, with a fresh profile whose hints are off.
    void StartBotGame()
    {
        StartGame();
        ASSERT_EQ(app->LogonPlayer(""), 0);
        player_ = app->GetActivePlayer();
        ASSERT_NE(player_, nullptr);
        player_->hintsEnabled = false;
        level_ = Screen<cMagicWidget>("level");
        ASSERT_NE(level_, nullptr);
    }

    // Makes the level the player's current one, opens its record when closed, seeds
    // the game's generator and gives the level screen the focus; runs the loading
    // ticks. True once the level is in play.
    bool EnterLevel(uint32_t index, uint32_t seed)
    {
        player_->SetCurrentLevel(static_cast<int32_t>(index));
        if (player_->currentLevel != index || index >= player_->levelRecords.size()) return false;
        PlayerLevelRecord& record = player_->levelRecords[index];
        if (record.state == kLevelClosed) record.state = kLevelOpen;
        // The level screen starts its level when it takes the focus: from another
        // level, the way leads over the map as a player's does.
        if (Focused() == "level") app->ShowComics("map", "level");
        app->randomGen.seed = seed;
        app->ShowComics("level", "map");
        for (int i = 0; i < kLoadTicks && !InPlay(); ++i) Tick();
        return InPlay();
    }
    bool InPlay() const { return Focused() == "level" && level_->GetMode() == kModePlay; }

    // Clicks the talk on line by line until the level lets the player act. A talk
    // the clicks did not end fails the test and stays: a player has no other way
    // past it, so the run goes no further.
    bool PassTalk()
    {
        for (int i = 0; i < kTalkClicks && level_->IsPaused(); ++i) {
            ClickPixel(kTalkClickX, kTalkClickY);
            Tick();
        }
        if (!level_->IsPaused()) return true;
        ADD_FAILURE() << "the talk did not end after " << kTalkClicks << " clicks";
        return false;
    }

    // One frame, counted.
    void Tick()
    {
        Frame();
        ++ticks_;
    }
    int Ticks() const { return ticks_; }

    // A click at a window pixel: move, one tick, press, release. False when a window
    // took the press.
    bool ClickPixel(int32_t x, int32_t y)
    {
        MoveMouse(x, y);
        Tick();
        const bool taken = game->OnMouseDown(0, x, y) != 0;
        game->OnMouseUp(0, x, y);
        return !taken;
    }

    // A click on a level object: aims at a pixel of its frame where no other object
    // would take the hover, moves there, ticks, and presses and releases only when
    // the hover pass picked the object. False when no such pixel was found, a
    // window lies under it, or the hover went elsewhere (something walked in
    // between).
    // A part above 1 aims at that part of the object (a plant's seat).
    bool ClickObject(cObject* target, int32_t part = 1)
    {
        std::pair<int32_t, int32_t> pixel;
        if (target == nullptr || !AimAt(target, pixel, part)) return false;
        vrk::SetCursorOverride(pixel.first, pixel.second);
        // A window's control under the cursor would take the press: a player
        // points elsewhere.
        if (game->OnMouseMove(pixel.first, pixel.second) != 0) {
            coveredPixels_.insert(pixel);
            return false;
        }
        Tick();
        if (level_->GetHoveredObject() != target || level_->GetHoveredPart() != part) return false;
        const bool taken = game->OnMouseDown(0, pixel.first, pixel.second) != 0;
        game->OnMouseUp(0, pixel.first, pixel.second);
        if (taken) coveredPixels_.insert(pixel);
        return !taken;
    }

    // The window pixel of a world point on the level's current view.
    std::pair<int32_t, int32_t> WindowPixel(const vec2& world)
    {
        const vec2 screen = level_->WorldToScreen(world);
        return {static_cast<int32_t>(screen.x), static_cast<int32_t>(static_cast<float>(kWindowHeight) - screen.y)};
    }

    // The object the hover pass would pick at a world point now, asked of the level
    // screen's own pick: the one a player sees there.
    cObject* HoverAt(const vec2& world, int32_t& part) const { return level_->PickAt(world, part); }

    // A pixel of the target's frame (or of the wanted part's rectangle) that the
    // hover pass gives to the target's wanted part, away from the view's edges and
    // from pixels a window covered before: the frame's see-through parts, and what
    // another object hides, are passed over as a player's eye would.
    bool AimAt(cObject* target, std::pair<int32_t, int32_t>& pixel, int32_t wanted = 1)
    {
        Rect frame;
        if (auto* object = dynamic_cast<cGameObject*>(target)) {
            object->GetRect(frame, wanted);
        } else {
            target->GetFrameRect(frame, -1);
        }
        std::vector<vec2> spots{target->GetPosition()};
        static constexpr std::array<float, 7> kSpots = {0.5f, 0.35f, 0.65f, 0.2f, 0.8f, 0.1f, 0.9f};
        for (const float fy : kSpots) {
            for (const float fx : kSpots) {
                spots.push_back(vec2{frame.x + frame.width * fx, frame.y + frame.height * fy});
            }
        }
        for (const vec2& spot : spots) {
            pixel = WindowPixel(spot);
            if (!OnScreen(pixel) || coveredPixels_.count(pixel) != 0) continue;
            // The hover pass sees the pixel's own world point, not the one aimed at.
            int32_t part = 0;
            if (HoverAt(PixelWorld(pixel), part) == target && part == wanted) return true;
        }
        return false;
    }
    vec2 PixelWorld(const std::pair<int32_t, int32_t>& pixel)
    {
        const vec2 screen{static_cast<float>(pixel.first),
                          static_cast<float>(kWindowHeight) - static_cast<float>(pixel.second)};
        return level_->ScreenToWorld(screen);
    }
    static bool OnScreen(const std::pair<int32_t, int32_t>& pixel)
    {
        const auto x = static_cast<float>(pixel.first);
        const auto y = static_cast<float>(pixel.second);
        return x >= kEdgeKeepOut && x <= static_cast<float>(kWindowWidth) - kEdgeKeepOut && y >= kEdgeKeepOut &&
               y <= static_cast<float>(kWindowHeight) - kEdgeKeepOut;
    }

    bool WindowOpen(const std::string& name) const { return game->gui->IsWindowOpen(name); }

    cPlayerBase* player_ = nullptr;
    cMagicWidget* level_ = nullptr;

private:
    int ticks_ = 0;
    std::set<std::pair<int32_t, int32_t>> coveredPixels_;
};

}  // namespace test
