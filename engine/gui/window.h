// A GUI window: a named container of controls with one window function, the focused
// and hovered control, the hover timer and the active and modal flags.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/window_function.h"

namespace vrk {

class cCtrl;
class cGUI;

// Made by cGUI::AddWindow, which keeps it in a shared pointer (queued events hold it
// weakly, so a window replaced while an event waits is simply skipped).
class cWindow : public std::enable_shared_from_this<cWindow> {
public:
    // Hover time after which the window function hears event 19.
    static constexpr float kHoverDelay = 0.5f;
    static constexpr float kHoverStopped = -1.0f;

    // A null function gets a plain cWindowFunction, so every window has one.
    cWindow(cGUI* gui, const std::string& name, std::unique_ptr<cWindowFunction> function);
    // Deletes the controls in vector order, then the window function.
    ~cWindow();
    cWindow(const cWindow&) = delete;
    cWindow& operator=(const cWindow&) = delete;

    // The index of the first control of that name; the control count when none.
    int32_t FindCtrl(const std::string& name) const;
    // The control at that index or null.
    cCtrl* GetCtrl(int32_t index) const;
    int32_t GetCtrlCount() const { return static_cast<int32_t>(controls_.size()); }

    // Sends 35 to the old and 34 to the new focused control (each only when usable).
    void SetFocus(cCtrl* control);
    cCtrl* GetFocus() const { return focused_; }
    cCtrl* GetHover() const { return hovered_; }
    float GetHoverTimer() const { return hoverTimer_; }

    cWindowFunction* GetFunction() const { return function_.get(); }
    cGUI* GetGUI() const { return gui_; }
    const std::string& GetName() const { return name_; }
    const std::vector<std::unique_ptr<cCtrl>>& Controls() const { return controls_; }

    // Called by the cCtrl constructor: the window owns the control from here on.
    // Returns the control's index.
    int32_t AdoptCtrl(cCtrl* control);

    // Only active windows receive input; a modal one cuts off every window below it.
    bool active = false;
    bool modal = false;
    // Free for the game; the engine never reads them.
    intptr_t userData[2] = {0, 0};

private:
    friend class cWindowFunction;

    cGUI* gui_;
    std::string name_;
    std::vector<std::unique_ptr<cCtrl>> controls_;
    cCtrl* focused_ = nullptr;
    cCtrl* hovered_ = nullptr;
    float hoverTimer_ = kHoverStopped;
    std::unique_ptr<cWindowFunction> function_;
};

// Offers a control event to a control: 1 (not consumed) without calling it when the
// control is hidden or ignored, else the control's own answer (0 consumed).
int32_t SendCtrlEvent(cCtrl* control, int32_t code, intptr_t first, intptr_t second);

}  // namespace vrk
