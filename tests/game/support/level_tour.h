// test::LevelTour: the game tour with the tool-built table level "002" (five workers
// and 250 money, a talk of two lines) started from the player's level slot 2, and
// the reads and window events that tests of the level's windows need.
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
    static constexpr uint32_t kLevelIndex = 2;

    // A new player on level 2, the level screen focused and loaded: the talk is on.
    void StartLevel()
    {
        StartGame();
        ASSERT_EQ(app->LogonPlayer(""), 0);
        player = app->GetActivePlayer();
        ASSERT_NE(player, nullptr);
        ASSERT_GE(player->levelRecords.size(), 40u);
        player->currentLevel = kLevelIndex;
        vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(kLevelIndex);
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(stream->LoadFromFile(KELVARA_SOURCE_DIR "/tests/data/levels/level_002_test.lvl"), 0);
        lines.clear();
        screen = Screen<cMagicWidget>("level");
        ASSERT_NE(screen, nullptr);
        app->ShowComics("level", "menu");
        Frames(kSceneTicks);
        ASSERT_EQ(screen->GetLevelName(), "002");
    }

    vrk::cWindow* Window(const std::string& name) const { return game->gui->FindWindow(name); }
    bool IsOpen(const std::string& name) const { return game->gui->IsWindowOpen(name); }
    template <class T>
    T* Handler(const std::string& name) const
    {
        return Window(name) != nullptr ? dynamic_cast<T*>(Window(name)->GetFunction()) : nullptr;
    }
    vrk::cCtrl* Control(const std::string& window, const std::string& control) const
    {
        return Window(window) != nullptr ? Window(window)->GetCtrl(Window(window)->FindCtrl(control)) : nullptr;
    }
    bool Shown(const std::string& window, const std::string& control) const
    {
        return Control(window, control) != nullptr && Control(window, control)->HasFlag(vrk::kCtrlShown);
    }
    // A label's or text box's text; "<none>" without one.
    std::string Text(const std::string& window, const std::string& control) const
    {
        const auto* label = dynamic_cast<vrk::cLabelCtrl*>(Control(window, control));
        return label != nullptr ? label->GetText() : "<none>";
    }
    // A window event handed to the window's function, as the GUI manager hands it.
    int32_t Send(const std::string& window, int32_t code, intptr_t first = 0, intptr_t second = 0)
    {
        return Window(window) != nullptr ? Window(window)->GetFunction()->OnEvent(Window(window), code, first, second)
                                         : -1;
    }
    int32_t Press(const std::string& window, const std::string& button)
    {
        return Send(window, vrk::kWndClicked, 0, Window(window)->FindCtrl(button));
    }

    cPlayerBase* player = nullptr;
    cMagicWidget* screen = nullptr;
};

}  // namespace test
