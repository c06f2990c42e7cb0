// The main menu's greeting, first-name request and shortcuts.
#include "game/menus/main_wf.h"

#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/window.h"
#include "engine/text/text_format.h"
#include "engine/text/text_table.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kGreetingLabel = "lbProfile";
constexpr const char* kFirstNameWindow = "profile_new";
constexpr const char* kStartButton = "btStart";
constexpr const char* kExitButton = "btExit";

}  // namespace

void cMainWF::GreetPlayer()
{
    cGarden* garden = GetGarden();
    if (garden == nullptr) return;
    const cPlayerBase* player = garden->GetActivePlayer();
    if (player == nullptr || player->GetName().empty()) {
        garden->ShowWindow(kFirstNameWindow, menus::kContextMenu);
        return;
    }
    // The label's first text is the greeting's key: its current text is the
    // greeting of the last activation and no key at all.
    if (greeting_ != nullptr) {
        const std::string format = vrk::FindText(greeting_->GetTextKey());
        greeting_->SetText(vrk::FormatStdString(format, vrk::FormatArg::FromString(player->GetName())), 0);
    }
}

int32_t cMainWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndFilled:
        greeting_ = ControlByName(window, kGreetingLabel);
        break;
    case vrk::kWndActivated:
        GreetPlayer();
        break;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEnter || first == menus::kKeySpace) {
            PostClick(window, kStartButton);
            return menus::kConsumed;
        }
        if (first == menus::kKeyEscape) {
            PostClick(window, kExitButton);
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
