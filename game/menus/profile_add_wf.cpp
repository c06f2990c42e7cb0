// The name entry of a profile: the suggested name (selected, so that typing
// replaces it), the character filter, and the checks before a name is taken.
#include "game/menus/profile_add_wf.h"

#include <string>
#include <string_view>

#include "engine/gui/edit_ctrl.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/text/text_table.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kSender = "cProfileAddWF";
constexpr const char* kWarning = "^5";
constexpr const char* kNewWindow = "profile_new";
constexpr const char* kOkButton = "ok";
constexpr const char* kCancelButton = "cancel";
constexpr uint32_t kNotice = kMessageButtonsOk | kMessageIconError;
constexpr std::string_view kRefusedPunctuation = "_!$%'()[],.?+-*/:";
constexpr std::string_view kRefusedLatin = "_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool IsNewProfileWindow(const vrk::cWindow* window) { return window != nullptr && window->GetName() == kNewWindow; }

// True when a typed character may not go into a name: punctuation, or in a
// Japanese, Korean or Chinese locale the Latin letters and digits.
bool IsRefused(intptr_t character, bool eastAsianLocale)
{
    const std::string_view refused = eastAsianLocale ? kRefusedLatin : kRefusedPunctuation;
    for (const char entry : refused) {
        if (character == static_cast<unsigned char>(entry)) return true;
    }
    return false;
}

// The name without the spaces (only 0x20) at either end.
std::string TrimSpaces(const std::string& name)
{
    const size_t start = name.find_first_not_of(' ');
    if (start == std::string::npos) return std::string();
    return name.substr(start, name.find_last_not_of(' ') - start + 1);
}

}  // namespace

void cProfileAddWF::Prepare(vrk::cWindow* window)
{
    cancel_ = ControlByName(window, kCancelButton);
    name_ = ControlByName(window, "name");
    if (name_ == nullptr) return;
    name_->SetText(vrk::FindText("Player"), 0);
    // Selected, the suggestion goes as the player types a name of his own, and stays
    // when he only confirms it.
    if (auto* edit = dynamic_cast<vrk::cEditCtrl*>(name_)) edit->SelectAll();
    // Typing goes to the focused control.
    window->SetFocus(name_);
}

void cProfileAddWF::Leave(const vrk::cWindow* window)
{
    cGarden* garden = GetGarden();
    if (garden == nullptr) return;
    garden->ShowWindow(IsNewProfileWindow(window) ? "menu" : "profile_select", menus::kContextMenu);
}

void cProfileAddWF::Accept(vrk::cWindow* window)
{
    cGarden* garden = GetGarden();
    if (garden == nullptr || window == nullptr) return;
    const auto* edit = dynamic_cast<const vrk::cEditCtrl*>(name_);
    const std::string name = TrimSpaces(edit != nullptr ? edit->GetText() : std::string());
    // The notice's command reopens this window once the box is closed.
    if (name.empty()) {
        garden->MessageBox(kNotice, vrk::FindText("ErrorEmptyPlayerName"), window->GetName());
        return;
    }
    if (!garden->FindPlayerByName(name).empty()) {
        garden->MessageBox(kNotice, vrk::FindText("ErrorPlayerExist"), window->GetName());
        return;
    }
    cPlayerBase* active = garden->GetActivePlayer();
    if (IsNewProfileWindow(window) && active != nullptr) {
        // The first profile exists already, nameless: it takes the name.
        active->SetName(name);
    } else {
        const std::string id = garden->AddPlayer(name);
        // An empty id would log on a further nameless profile.
        if (id.empty()) {
            vrk::LogWrite(kSender, kWarning, "Player '%s' could not be added", vrk::FormatArg::FromString(name));
            return;
        }
        garden->LogonPlayer(id);
    }
    Leave(window);
}

int32_t cProfileAddWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // Opened again while it fades out, the window stays: it is prepared anew.
    if (code == vrk::kWndOpened && !IsFailed()) Prepare(window);
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndActivated:
        if (name_ != nullptr && window != nullptr) window->SetFocus(name_);
        break;
    case vrk::kWndChar: {
        const vrk::cGame* game = vrk::GetGame();
        if (IsRefused(first, game != nullptr && game->localeFlag != 0)) return menus::kConsumed;
        break;
    }
    case vrk::kWndClicked:
        if (menus::IsControl(window, second, kOkButton)) {
            Accept(window);
        } else if (window != nullptr && second >= 0 && second < window->GetCtrlCount()) {
            Leave(window);
        }
        break;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEnter) {
            PostClick(window, kOkButton);
            return menus::kConsumed;
        }
        // The first name cannot be skipped: "profile_new" has no way out but "ok".
        if (first == menus::kKeyEscape && cancel_ != nullptr) {
            PostClick(window, kCancelButton);
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
