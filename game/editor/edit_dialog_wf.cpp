// The editor's edit-field dialog base: the opening, the dropped first character and
// the Enter and Esc keys.
#include "game/editor/edit_dialog_wf.h"

#include "engine/gui/gui.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/window.h"
#include "framework/widgets/base_wf.h"

namespace {

constexpr int32_t kConsumed = 1;
constexpr int32_t kDropped = 0;

void AskClose(vrk::cWindow* window)
{
    if (window != nullptr && window->GetGUI() != nullptr) window->GetGUI()->AskCloseWindow(window->GetName());
}

}  // namespace

int32_t cEditDialogWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case vrk::kWndOpened:
        FillFields(window);
        swallowNextChar_ = true;
        break;
    case vrk::kWndChar:
        if (swallowNextChar_) {
            swallowNextChar_ = false;
            return kDropped;
        }
        break;
    case vrk::kWndKeyDown:
        if (first == window_key::kEnter) {
            ApplyFields();
            AskClose(window);
            return kConsumed;
        }
        if (first == window_key::kEscape) {
            AskClose(window);
            return kConsumed;
        }
        break;
    default: break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}
