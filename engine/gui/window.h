// A GUI window as the engine core's input walk sees it: a name, a window function and
// the active and modal flags. Stand-in until the GUI manager's issue brings controls.
#pragma once
#include <memory>
#include <string>

#include "engine/gui/window_function.h"

namespace vrk {

class cGUI;

class cWindow {
public:
    // A null function gets a plain cWindowFunction, so every window has one.
    cWindow(cGUI* gui, const std::string& name, std::unique_ptr<cWindowFunction> function);
    ~cWindow();
    cWindow(const cWindow&) = delete;
    cWindow& operator=(const cWindow&) = delete;

    cWindowFunction* GetFunction() const { return function_.get(); }
    const std::string& GetName() const { return name_; }

    cGUI* gui;
    // Only active windows receive input; a modal one hides every window below it.
    bool active = false;
    bool modal = false;

private:
    std::string name_;
    std::unique_ptr<cWindowFunction> function_;
};

}  // namespace vrk
