// test::LevelTour: the game tour with the tool-built table level "002" (five
// workers and 250 money to reach, a talk of two lines) in the player's level slot 2,
// started the way the player starts it, plus the small reads and sends that tests of
// the level's windows need: a window's handler, a control's text, an event sent
// through the GUI manager's window.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/files/byte_stream.h"
#include "engine/gui/gui.h"
#include "engine/gui/label_ctrl.h"
#include "engine/gui/window.h"
#include "framework/app/player_base.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/game_tour.h"

namespace test {

class LevelTour : public GameTour {
protected:
    static constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/level_002_test.lvl";
    static constexpr uint32_t kLevelIndex = 2;

    // The game at the main menu, a new player on level 2 with the test level in its
    // slot, then the level screen focused and loaded: the talk is on screen.
    void StartLevel()
    {
        StartGame();
        ASSERT_EQ(app->LogonPlayer(""), 0);
        player = app->GetActivePlayer();
        ASSERT_NE(player, nullptr);
        if (player->levelRecords.size() <= kLevelIndex) player->levelRecords.resize(kLevelIndex + 1);
        player->currentLevel = kLevelIndex;
        vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(kLevelIndex);
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(stream->LoadFromFile(kLevelFile), 0);
        lines.clear();
        screen = Screen<cMagicWidget>("level");
        ASSERT_NE(screen, nullptr);
        app->ShowComics("level", "menu");
        ASSERT_EQ(Focused(), "level");
        Frames(kSceneTicks);
        ASSERT_EQ(screen->GetLevelName(), "002");
    }

    vrk::cWindow* Window(const std::string& name) const { return game->gui->FindWindow(name); }
    bool IsOpen(const std::string& name) const { return game->gui->IsWindowOpen(name); }

    // The handler of the named window as its class; null when it is another.
    template <class T>
    T* Handler(const std::string& name) const
    {
        vrk::cWindow* window = Window(name);
        return window != nullptr ? dynamic_cast<T*>(window->GetFunction()) : nullptr;
    }

    // A label's or text box's text; "<none>" when the control is missing or no label.
    std::string Text(const std::string& windowName, const std::string& controlName) const
    {
        vrk::cWindow* window = Window(windowName);
        const auto* label =
            window != nullptr ? dynamic_cast<vrk::cLabelCtrl*>(window->GetCtrl(window->FindCtrl(controlName))) : nullptr;
        return label != nullptr ? label->GetText() : "<none>";
    }
    vrk::cCtrl* Control(const std::string& windowName, const std::string& controlName) const
    {
        vrk::cWindow* window = Window(windowName);
        return window != nullptr ? window->GetCtrl(window->FindCtrl(controlName)) : nullptr;
    }

    // One window event handed to the window's function, as the GUI manager hands it.
    int32_t Send(const std::string& windowName, int32_t code, intptr_t first = 0, intptr_t second = 0)
    {
        vrk::cWindow* window = Window(windowName);
        if (window == nullptr) return -1;
        return window->GetFunction()->OnEvent(window, code, first, second);
    }
    // A press of the named button, as the button posts it.
    int32_t Press(const std::string& windowName, const std::string& button)
    {
        vrk::cWindow* window = Window(windowName);
        return window != nullptr ? Send(windowName, vrk::kWndClicked, 0, window->FindCtrl(button)) : -1;
    }

    cPlayerBase* player = nullptr;
    cMagicWidget* screen = nullptr;
};

}  // namespace test
