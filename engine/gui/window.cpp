// A GUI window: ownership of its controls and function, control lookup and focus.
#include "engine/gui/window.h"

#include "engine/gui/ctrl.h"
#include "engine/gui/gui_handles.h"

namespace vrk {

cWindow::cWindow(cGUI* gui, const std::string& name, std::unique_ptr<cWindowFunction> function)
    : gui_(gui), name_(name), function_(std::move(function))
{
    if (!function_) function_ = std::make_unique<cWindowFunction>();
    RegisterLiveWindow(this);
}

cWindow::~cWindow()
{
    UnregisterLiveWindow(this);
    focused_ = nullptr;
    hovered_ = nullptr;
    // In vector order, each while the later ones still exist.
    for (auto& control : controls_) control.reset();
    controls_.clear();
    function_.reset();
}

int32_t cWindow::AdoptCtrl(cCtrl* control)
{
    controls_.emplace_back(control);
    return static_cast<int32_t>(controls_.size()) - 1;
}

int32_t cWindow::FindCtrl(const std::string& name) const
{
    for (size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i] && controls_[i]->GetName() == name) return static_cast<int32_t>(i);
    }
    return static_cast<int32_t>(controls_.size());
}

cCtrl* cWindow::GetCtrl(int32_t index) const
{
    if (index < 0 || static_cast<size_t>(index) >= controls_.size()) return nullptr;
    return controls_[static_cast<size_t>(index)].get();
}

void cWindow::SetFocus(cCtrl* control)
{
    if (control == focused_) return;
    cCtrl* old = focused_;
    if (old != nullptr && old->IsUsable()) old->OnEvent(kCtrlFocusLost, 0, 0);
    focused_ = control;
    if (control != nullptr && control->IsUsable()) control->OnEvent(kCtrlFocusGained, 0, 0);
}

int32_t SendCtrlEvent(cCtrl* control, int32_t code, intptr_t first, intptr_t second)
{
    if (control == nullptr || !control->IsUsable()) return 1;
    return control->OnEvent(code, first, second);
}

}  // namespace vrk
