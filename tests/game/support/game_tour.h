// test::GameTour: the real game (the game's screens registered, as main.cpp does)
// started in-process on the data tree, driven the way a player's run drives it: one
// frame at a time through the engine core's frame update (GUI updates and the pause
// counter included), a 1024 x 768 window so screen and GUI coordinates agree, a
// cursor the test places and input sent through the core's event entries. "No
// warning" means no complaint about the data tree and no "^5" line in the log.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/fixed_step.h"
#include "engine/platform/host_services.h"
#include "engine/platform/widget.h"
#include "framework/app/game_registry.h"
#include "framework/app/player_base.h"
#include "game/game_entries.h"
#include "game/level/magic_widget.h"
#include "tests/framework/app/tour_test_support.h"

namespace test {

class GameTour : public GameTourTest {
protected:
    static constexpr int32_t kWindowWidth = 1024;
    static constexpr int32_t kWindowHeight = 768;

    void TearDown() override
    {
        vrk::ClearCursorOverride();
        GameTourTest::TearDown();
    }
    void AddEntries(GameRegistry& registry) override { RegisterGameEntries(registry); }

    // The game up to the main menu, in a window of the virtual screen's size.
    void StartGame()
    {
        Start();
        game->Resize(kWindowWidth, kWindowHeight);
    }

    // One frame of the game loop.
    void Frame() { game->UpdateFrame(vrk::kFixedTick); }
    void Frames(int count)
    {
        for (int i = 0; i < count; ++i) Frame();
    }

    // Input as the window would send it, with the cursor where the event says.
    void MoveMouse(int32_t x, int32_t y)
    {
        vrk::SetCursorOverride(x, y);
        game->OnMouseMove(x, y);
    }
    void PressMouse(int32_t button, int32_t x, int32_t y)
    {
        vrk::SetCursorOverride(x, y);
        game->OnMouseDown(button, x, y);
    }
    void ReleaseMouse(int32_t button, int32_t x, int32_t y)
    {
        vrk::SetCursorOverride(x, y);
        game->OnMouseUp(button, x, y);
    }
    void Click(int32_t x, int32_t y, int32_t button = 0)
    {
        MoveMouse(x, y);
        PressMouse(button, x, y);
        ReleaseMouse(button, x, y);
    }
    // The object under the pointer moved to the world point, as the level screen's
    // hover pick (which a click follows) finds it a frame later.
    cObject* PointAt(cMagicWidget& screen, const vec2& world)
    {
        const vec2 onScreen = screen.WorldToScreen(world);
        MoveMouse(static_cast<int32_t>(onScreen.x), kWindowHeight - static_cast<int32_t>(onScreen.y));
        Frame();
        return screen.GetHoveredObject();
    }
    void PressKey(int32_t key) { game->OnKeyDown(key); }
    void TypeChar(int32_t character) { game->OnChar(character); }

    // The screen of that name as its class; null when there is none or it is another.
    template <class T>
    T* Screen(const std::string& name) const
    {
        for (const auto& widget : game->Widgets()) {
            if (widget->GetName() == name) return dynamic_cast<T*>(widget.get());
        }
        return nullptr;
    }

    // The level of that slot shown the way the map shows it: the logged-on player's
    // current level, then the level screen focused and given `ticks` frames.
    cMagicWidget* ShowLevel(uint32_t index, int ticks)
    {
        cPlayerBase* player = app->GetActivePlayer();
        if (player == nullptr) return nullptr;
        if (player->levelRecords.size() <= index) player->levelRecords.resize(index + 1);
        player->currentLevel = index;
        auto* screen = Screen<cMagicWidget>("level");
        if (screen == nullptr) return nullptr;
        app->ShowComics("level", "menu");
        Frames(ticks);
        return screen;
    }

    // Every warning line of the log.
    std::vector<std::string> Warnings() const
    {
        std::vector<std::string> found;
        for (const std::string& line : lines) {
            if (line.find("^5") != std::string::npos) found.push_back(line);
        }
        return found;
    }
    // The game's tests' "no warning": nothing the data tree lacks, no warning line.
    bool NoWarning() const { return Complaints().empty() && Warnings().empty(); }
    std::string WarningText() const { return Joined(Complaints()) + Joined(Warnings()); }
};

}  // namespace test
