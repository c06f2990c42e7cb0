// The main menu's buttons.
#include "game/menus/main_gd_wf.h"

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/text/text_table.h"
#include "framework/app/garden.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kScreen = "menu";
// Kept for a build that ships the window; no script of this game registers it.
constexpr const char* kMoreGamesWindow = "main_ios0";
constexpr uint32_t kExitQuestion = kMessageButtonsYesNo | kMessageIconQuestion;

}  // namespace

void cMainGDWF::OnButton(vrk::cWindow* window, intptr_t control)
{
    cGarden* garden = GetGarden();
    if (garden == nullptr || window == nullptr) return;
    if (menus::IsControl(window, control, "btStart")) {
        garden->ShowComics("map", kScreen);
    } else if (menus::IsControl(window, control, "btAchieves")) {
        garden->ShowComics("achieve", kScreen);
    } else if (menus::IsControl(window, control, "btOstrand")) {
        if (vrk::cGUI* gui = window->GetGUI()) gui->ShowWindow(kMoreGamesWindow);
    } else if (menus::IsControl(window, control, "btProfile")) {
        garden->ShowWindow("profile_select", menus::kContextMenu);
    } else if (menus::IsControl(window, control, "btOptions")) {
        garden->ShowWindow("options", menus::kContextMenu);
    } else if (menus::IsControl(window, control, "btExit")) {
        garden->MessageBox(kExitQuestion, vrk::FindText("ConfirmExitGame"), "exit_game");
    }
}

int32_t cMainGDWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (!IsClosingOrFailed() && code == vrk::kWndClicked) OnButton(window, second);
    return cMainWF::OnEvent(window, code, first, second);
}
