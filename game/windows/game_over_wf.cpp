// The game-over window's handler: the two buttons and their keys.
#include "game/windows/game_over_wf.h"

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "framework/app/middle.h"
#include "framework/widgets/base_widget.h"
#include "game/level/magic_widget.h"

namespace {

constexpr const char* kRestartButton = "restart";
constexpr const char* kMapButton = "map";
constexpr const char* kMapScreen = "map";
constexpr const char* kLevelScreen = "level";

}  // namespace

int32_t cGameOverWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    // The base's fade and failed state are left out on purpose: the window appears
    // at once over the stopped level.
    if (code == vrk::kWndClicked && window != nullptr) {
        if (IsNamedControl(window, second, kMapButton)) {
            if (cMiddle* middle = GetMiddle()) middle->ShowComics(kMapScreen, kLevelScreen);
            return 1;
        }
        if (IsNamedControl(window, second, kRestartButton)) {
            if (vrk::cGUI* gui = window->GetGUI()) gui->AskCloseWindow(window->GetName());
            if (cMagicWidget* level = CurrentMagicWidget(); level != nullptr && level->StartGame())
                level->SetMode(kModeLoading);
            return 1;
        }
    } else if (code == vrk::kWndKeyDown) {
        if (first == window_key::kEnter || first == window_key::kSpace) {
            PostClick(window, kRestartButton);
        } else if (first == window_key::kEscape) {
            PostClick(window, kMapButton);
        }
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}
