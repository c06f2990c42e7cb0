// Control lookup by window and control name for the game's screens.
#include "engine/gui/find_control.h"

#include "engine/gui/gui.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"

namespace vrk {

namespace {

const char* const kSender = "FindControl";
const char* const kWarning = "^5";

}  // namespace

cCtrl* FindControl(const std::string& windowName, const std::string& controlName)
{
    cGame* game = GetGame();
    cWindow* window = game != nullptr && game->gui ? game->gui->FindWindow(windowName) : nullptr;
    if (window == nullptr) {
        LogWrite(kSender, kWarning, "window '%s' not found", FormatArg::FromString(windowName));
        return nullptr;
    }
    cCtrl* control = window->GetCtrl(window->FindCtrl(controlName));
    if (control == nullptr) {
        LogWrite(kSender, kWarning, "control '%s' not found in window '%s'",
                 FormatArg::FromString(controlName), FormatArg::FromString(windowName));
    }
    return control;
}

}  // namespace vrk
