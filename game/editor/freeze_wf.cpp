// cFreezeWF: the layer flags of the focused scene screen in twenty check boxes.
#include "game/editor/freeze_wf.h"

#include <string>

#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/window.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/base_widget.h"
#include "game/editor/focused_scene.h"

namespace {

// F opened the window from the editor and closes it again.
constexpr int32_t kKeyF = 70;
constexpr int32_t kConsumed = 1;
constexpr const char* kClose = "close";

vrk::cCheckBoxSysCtrl* FindBox(vrk::cWindow* window, const char* prefix, int32_t layer)
{
    return dynamic_cast<vrk::cCheckBoxSysCtrl*>(ControlByName(window, prefix + std::to_string(layer)));
}

}  // namespace

int32_t cFreezeWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case vrk::kWndFilled: FindBoxes(window); break;
    case vrk::kWndOpened: ShowScreenFlags(); break;
    case vrk::kWndClosed: WriteScreenFlags(); break;
    case vrk::kWndClicked:
        if (window != nullptr) OnClicked(window, second);
        break;
    case vrk::kWndKeyDown:
        if (first == window_key::kEnter || first == window_key::kEscape || first == kKeyF) {
            PostClick(window, kClose);
            return kConsumed;
        }
        break;
    default: break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}

void cFreezeWF::FindBoxes(vrk::cWindow* window)
{
    for (int32_t layer = 0; layer < kLayerCount; ++layer) {
        freezeBoxes_[static_cast<size_t>(layer)] = FindBox(window, "freeze", layer);
        hideBoxes_[static_cast<size_t>(layer)] = FindBox(window, "hide", layer);
    }
}

void cFreezeWF::ShowScreenFlags()
{
    const cBaseWidget* screen = FocusedSceneScreen();
    if (screen == nullptr) return;
    for (int32_t layer = 0; layer < kLayerCount; ++layer) {
        if (auto* box = freezeBoxes_[static_cast<size_t>(layer)]) box->SetChecked(screen->IsLayerFrozen(layer));
        if (auto* box = hideBoxes_[static_cast<size_t>(layer)]) box->SetChecked(screen->IsLayerHidden(layer));
    }
}

void cFreezeWF::WriteScreenFlags() const
{
    cBaseWidget* screen = FocusedSceneScreen();
    if (screen == nullptr) return;
    for (int32_t layer = 0; layer < kLayerCount; ++layer) {
        if (const auto* box = freezeBoxes_[static_cast<size_t>(layer)]) screen->SetLayerFrozen(layer, box->IsChecked());
        if (const auto* box = hideBoxes_[static_cast<size_t>(layer)]) screen->SetLayerHidden(layer, box->IsChecked());
    }
}

void cFreezeWF::OnClicked(vrk::cWindow* window, intptr_t control)
{
    if (IsNamedControl(window, control, kClose)) {
        if (vrk::cGUI* gui = window->GetGUI()) gui->AskCloseWindow(window->GetName());
    } else if (IsNamedControl(window, control, "freeze-")) {
        CheckColumn(freezeBoxes_, false);
    } else if (IsNamedControl(window, control, "freeze+")) {
        CheckColumn(freezeBoxes_, true);
    } else if (IsNamedControl(window, control, "hide-")) {
        CheckColumn(hideBoxes_, false);
    } else if (IsNamedControl(window, control, "hide+")) {
        CheckColumn(hideBoxes_, true);
    }
}

void cFreezeWF::CheckColumn(const BoxColumn& boxes, bool checked)
{
    for (vrk::cCheckBoxSysCtrl* box : boxes) {
        if (box != nullptr) box->SetChecked(checked);
    }
}
