// test::HintTour: the real game playing a tool-built test level from the first
// level slot, for the tutorial hints' tests: the level screen, the "train" window
// and its handler, the HUD controls a hint points at, and the pointer in GUI units.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "framework/app/player_base.h"
#include "game/hints/train_wf.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/game_tour.h"

namespace test {

class HintTour : public GameTour {
protected:
    static constexpr const char* kHintsLevel = KELVARA_SOURCE_DIR "/tests/data/levels/hints_000_test.lvl";
    static constexpr const char* kChainsLevel = KELVARA_SOURCE_DIR "/tests/data/levels/hints_chains_test.lvl";

    // The game started, the level file in slot 0 and the level screen in play with
    // its opening talk over.
    void PlayLevel(const std::string& file)
    {
        StartGame();
        ASSERT_EQ(app->LogonPlayer(""), 0);
        player = app->GetActivePlayer();
        ASSERT_NE(player, nullptr);
        if (player->levelRecords.empty()) player->levelRecords.resize(1);
        player->currentLevel = 0;
        vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(0);
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(stream->LoadFromFile(file), 0);
        screen = Screen<cMagicWidget>("level");
        ASSERT_NE(screen, nullptr);
        app->ShowComics("level", "menu");
        ASSERT_EQ(Focused(), "level");
        Frames(kSceneTicks);
        screen->EndTalk();
        Frames(2);
    }

    vrk::cGUI* Gui() const { return game->gui.get(); }
    vrk::cWindow* TrainWindow() const { return Gui()->FindWindow("train"); }
    cTrainWF* Train() const { return dynamic_cast<cTrainWF*>(TrainWindow()->GetFunction()); }
    vrk::cCtrl* TrainCtrl(const std::string& name) const
    {
        vrk::cWindow* window = TrainWindow();
        return window->GetCtrl(window->FindCtrl(name));
    }
    // The hint frame as drawn (positive sizes).
    vrk::GuiRect DrawnFrame() const { return vrk::NormalisedRect(TrainCtrl("frame")->GetRect()); }

    // The HUD control of that name; a plain frame stands in where the HUD's script
    // has none yet, so a chain can point at it.
    vrk::cCtrl* HudControl(const std::string& name, const vrk::GuiRect& rect)
    {
        vrk::cWindow* hud = Gui()->FindWindow("level");
        if (hud == nullptr) return nullptr;
        if (vrk::cCtrl* control = hud->GetCtrl(hud->FindCtrl(name))) return control;
        auto* stand = new vrk::cFrameCtrl(hud, name);
        stand->SetRect(rect, 0);
        return stand;
    }

    // Pointer input at GUI units (y up), as the window sends client pixels (y down).
    void MoveMouseGui(float x, float y) { MoveMouse(static_cast<int32_t>(x), kWindowHeight - static_cast<int32_t>(y)); }
    void PressGui(float x, float y)
    {
        MoveMouseGui(x, y);
        PressMouse(0, static_cast<int32_t>(x), kWindowHeight - static_cast<int32_t>(y));
        ReleaseMouse(0, static_cast<int32_t>(x), kWindowHeight - static_cast<int32_t>(y));
    }

    // Frames until the screen's hint is no longer `hint` (or none is left); false
    // when the limit passes first.
    bool RunUntilReplaced(const cTrain* hint, int limit)
    {
        for (int i = 0; i < limit; ++i) {
            if (screen->GetHint() != hint) return true;
            Frame();
        }
        return screen->GetHint() != hint;
    }

    cPlayerBase* player = nullptr;
    cMagicWidget* screen = nullptr;
};

}  // namespace test
