// The escape menu's buttons.
#include "game/menus/escape_gd_wf.h"

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "framework/app/garden.h"
#include "game/level/magic_widget.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kWindowName = "escape";
constexpr const char* kLevelScreen = "level";
constexpr const char* kHudWindow = "level";

}  // namespace

void cEscapeGDWF::OnButton(vrk::cWindow* window, intptr_t control)
{
    cGarden* garden = GetGarden();
    vrk::cGUI* gui = window != nullptr ? window->GetGUI() : nullptr;
    if (garden == nullptr || gui == nullptr) return;
    if (menus::IsControl(window, control, "btResume")) {
        ReleasePause();
        gui->AskCloseWindow(kWindowName);
        garden->ShowWindow(kHudWindow, menus::kContextLevel);
    } else if (menus::IsControl(window, control, "btRestart")) {
        ReleasePause();
        gui->AskCloseWindow(kWindowName);
        if (auto* level = dynamic_cast<cMagicWidget*>(CurrentLevelScreen())) {
            level->StartGame();
            level->SetMode(kModeLoading);
        }
    } else if (menus::IsControl(window, control, "btEnd")) {
        ReleasePause();
        garden->ShowComics("map", kLevelScreen);
    } else if (menus::IsControl(window, control, "btOptions")) {
        garden->ShowWindow("options", menus::kContextLevel);
    }
}

int32_t cEscapeGDWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (!IsClosingOrFailed() && code == vrk::kWndClicked) OnButton(window, second);
    return cEscapeWF::OnEvent(window, code, first, second);
}
