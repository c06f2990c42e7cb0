// A simple modal message box (title, text, one OK button).
#pragma once
#include <string>

namespace port {

class MainWindow;

// Shows the box over the window (or on its own when null) and returns when the user
// closes it. With no display to show it on (no X11 or Wayland display, or the
// offscreen and dummy video drivers) the title and text go to stderr and it returns
// false at once, so headless runs never block.
bool ShowMessageBox(const std::string& title, const std::string& text,
                    const MainWindow* parent = nullptr);

}  // namespace port
