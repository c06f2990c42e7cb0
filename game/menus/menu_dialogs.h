// What the menu dialogs share: the keys they answer, the contexts they open each
// other with, and the test of which named control an event concerns.
#pragma once
#include <cstdint>
#include <string>

#include "engine/gui/window.h"
#include "framework/widgets/base_wf.h"

namespace menus {

// Key codes of window event 3.
constexpr intptr_t kKeyEnter = window_key::kEnter;
constexpr intptr_t kKeyEscape = window_key::kEscape;
constexpr intptr_t kKeySpace = window_key::kSpace;

// The window context a dialog is opened with: from the main menu's side of the
// game, or from the escape menu over a level. "options" goes back by it.
constexpr intptr_t kContextMenu = 1;
constexpr intptr_t kContextLevel = 2;

// The answer of a handler that consumed the event.
constexpr int32_t kConsumed = 1;

// True when the control index of an event is the window's control of that name; a
// missing control matches nothing (IsNamedControl).
inline bool IsControl(const vrk::cWindow* window, intptr_t index, const std::string& name)
{
    return IsNamedControl(window, index, name);
}

}  // namespace menus
