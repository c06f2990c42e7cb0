// test::MenuTour: the game tour with a player's hands on the GUI windows: a click
// on a named control where its window script put it, keys, typing, and frames
// enough for the windows' fades and the queued presses to act.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "engine/gui/ctrl.h"
#include "engine/gui/edit_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/label_ctrl.h"
#include "engine/gui/slider_ctrl.h"
#include "engine/gui/window.h"
#include "engine/platform/shell_state.h"
#include "engine/text/text_table.h"
#include "framework/app/player_base.h"
#include "framework/widgets/base_wf.h"
#include "tests/game/support/game_tour.h"

namespace test {

class MenuTour : public GameTour {
protected:
    // A fade takes half a second: 15 frames; the rest lets queued presses act.
    static constexpr int kSettleFrames = 20;
    static constexpr int32_t kKeyEnter = 13;
    static constexpr int32_t kKeyEscape = 27;
    static constexpr int32_t kKeySpace = 32;
    static constexpr int32_t kKeyBackspace = 8;
    static constexpr const char* kTourLevel = KELVARA_SOURCE_DIR "/tests/data/levels/tour_test.lvl";

    void Settle() { Frames(kSettleFrames); }

    bool IsOpen(const std::string& window) const { return game->gui->IsWindowOpen(window); }
    // The named window's handler as its class; null when there is none or another.
    template <class T>
    T* Handler(const std::string& window) const
    {
        vrk::cWindow* found = game->gui->FindWindow(window);
        return found != nullptr ? dynamic_cast<T*>(found->GetFunction()) : nullptr;
    }
    template <class T = vrk::cCtrl>
    T* Control(const std::string& window, const std::string& name) const
    {
        return dynamic_cast<T*>(ControlByName(game->gui->FindWindow(window), name));
    }

    // A left click in the middle of the control, as the mouse would give it (the
    // GUI's y points up, the window's down), then the frames that deliver it.
    void ClickControl(const std::string& window, const std::string& name)
    {
        const vrk::cCtrl* control = Control(window, name);
        ASSERT_NE(control, nullptr) << window << " / " << name;
        const vrk::GuiRect rect = control->GetRect();
        const auto x = static_cast<int32_t>(rect.x + rect.width / 2.0f);
        const auto y = static_cast<int32_t>(rect.y + rect.height / 2.0f);
        Click(x, kWindowHeight - y);
        Settle();
    }
    // Drags the slider's thumb to a fraction of its track (0 the left or bottom end)
    // with the left button, as a player does, then the frames that deliver it.
    void DragSlider(const std::string& window, const std::string& name, float fraction)
    {
        const auto* slider = Control<vrk::cSliderCtrl>(window, name);
        ASSERT_NE(slider, nullptr) << window << " / " << name;
        const vrk::GuiRect track = slider->GetTrackRect();
        const vrk::GuiRect thumb = slider->GetThumbRect();
        const auto thumbX = static_cast<int32_t>(thumb.x + thumb.width / 2.0f);
        const auto thumbY = static_cast<int32_t>(thumb.y + thumb.height / 2.0f);
        int32_t x = thumbX;
        int32_t y = thumbY;
        if (slider->IsVertical())
            y = static_cast<int32_t>(track.y + track.height * fraction);
        else
            x = static_cast<int32_t>(track.x + track.width * fraction);
        MoveMouse(thumbX, kWindowHeight - thumbY);
        PressMouse(0, thumbX, kWindowHeight - thumbY);
        MoveMouse(x, kWindowHeight - y);
        ReleaseMouse(0, x, kWindowHeight - y);
        Settle();
    }
    // A key press, then the frames that deliver what it posted.
    void Key(int32_t key)
    {
        PressKey(key);
        Settle();
    }
    void Type(const std::string& text)
    {
        for (const char character : text) TypeChar(static_cast<unsigned char>(character));
    }
    // The text of a label or an edit field, as drawn.
    std::string Text(const std::string& window, const std::string& name) const
    {
        if (const auto* label = Control<vrk::cLabelCtrl>(window, name)) return label->GetText();
        if (const auto* edit = Control<vrk::cEditCtrl>(window, name)) return edit->GetText();
        return std::string();
    }

    // The game's first start up to the menu's question for the first name, with the
    // misses every first start has dropped from the log.
    void StartFirstRun()
    {
        StartGame();
        Settle();
        std::erase_if(lines, [](const std::string& line) { return Expected(line); });
    }
    // Types the name over the suggested one in an open name window and confirms it.
    void EnterName(const std::string& window, const std::string& name)
    {
        const std::string suggested = Text(window, "name");
        for (size_t i = 0; i < suggested.size(); ++i) PressKey(kKeyBackspace);
        Type(name);
        ClickControl(window, "ok");
    }
    // The small test level as the active player's level at that index.
    void PutTourLevelAt(uint32_t index)
    {
        cPlayerBase* player = app->GetActivePlayer();
        ASSERT_NE(player, nullptr);
        if (player->levelRecords.size() <= index) player->levelRecords.resize(index + 1);
        player->SetCurrentLevel(static_cast<int32_t>(index));
        vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(index);
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(stream->LoadFromFile(kTourLevel), 0);
    }
    // A named first player on the menu, with the tour level as the current one.
    void StartNamed()
    {
        StartFirstRun();
        EnterName("profile_new", "Ann");
        ASSERT_TRUE(IsOpen("menu"));
        PutTourLevelAt(1);
    }
    // From the menu through the map into the tour level, loaded and in play.
    void EnterLevel()
    {
        ClickControl("menu", "btStart");
        ASSERT_EQ(Focused(), "map");
        ClickControl("map", "play");
        ASSERT_EQ(Focused(), "level");
        Frames(kSceneTicks);
    }
    // True once the game asked the shell to quit (the pending messages are taken).
    static bool QuitPosted()
    {
        port::WindowMessage message;
        while (vrk::Shell().pump.TakeNext(message))
            if (message.kind == port::MessageKind::kQuit) return true;
        return false;
    }
};

}  // namespace test
