// cNameWF: the level name in one edit field.
#include "game/editor/name_wf.h"

#include <string>

#include "engine/gui/edit_ctrl.h"
#include "engine/gui/gui_events.h"
#include "engine/gui/window.h"
#include "framework/widgets/base_wf.h"
#include "framework/widgets/base_widget.h"
#include "game/editor/focused_scene.h"

namespace {

constexpr const char* kNameField = "name";

}  // namespace

int32_t cNameWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (code == vrk::kWndFilled) nameField_ = ControlByName(window, kNameField);
    return cEditDialogWF::OnEvent(window, code, first, second);
}

void cNameWF::FillFields(vrk::cWindow* window)
{
    if (const cBaseWidget* screen = FocusedSceneScreen(); screen != nullptr && nameField_ != nullptr) {
        nameField_->SetText(screen->GetLevelName(), 0);
    }
    if (window != nullptr && nameField_ != nullptr) window->SetFocus(nameField_);
}

void cNameWF::ApplyFields() const
{
    cBaseWidget* screen = FocusedSceneScreen();
    const auto* field = dynamic_cast<const vrk::cEditCtrl*>(nameField_);
    if (screen == nullptr || field == nullptr) return;
    // The base's body on purpose: it stores the name and reloads the background. The
    // level screen's own InitLevel would run the whole level set-up again on a level
    // that is not cleared (tasks, talks, stock and weather twice over).
    screen->cBaseWidget::InitLevel(field->GetText());
}
