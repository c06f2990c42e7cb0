// The escape menu's pause and shortcuts.
#include "game/menus/escape_wf.h"

#include "engine/gui/window.h"
#include "engine/platform/game_pause.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kResumeButton = "btResume";

}  // namespace

void cEscapeWF::ReleasePause() { vrk::ReleasePauses(1); }

int32_t cEscapeWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // Opened again while it fades out, the menu stays: it pauses as on any opening.
    // A pause held already (a message box, or the menu itself coming back from the
    // options) is not added to: the menu holds at most the one.
    if (code == vrk::kWndOpened && !IsFailed() && vrk::GetPauseCount() <= 0) vrk::HoldPause();
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndMiddleDown:
        PostClick(window, kResumeButton);
        break;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEscape) {
            PostClick(window, kResumeButton);
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
