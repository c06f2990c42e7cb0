// Turns one SDL event into the window messages the shell handles. Internal to port/:
// it is the one header of the window layer that names SDL types (tests use it to feed
// synthetic events).
#pragma once
#include <SDL2/SDL_events.h>

#include <deque>

#include "port/window/window_message.h"

namespace port {

// Appends the messages for the event to the queue (none for events the game ignores,
// or for events of a window that no longer exists):
// - window close -> kClose; SDL quit (also SIGINT/SIGTERM) -> kQuit with code 0;
// - size changed / restored -> kSizeRestored (kSizeMaximized while the window is
//   maximised, nothing while minimised); minimised -> kSizeMinimized; maximised ->
//   kSizeMaximized; sizes are the client size in pixels;
// - focus gained / lost -> kActivate / kDeactivate; display events -> kDisplayChange;
// - key down -> kKeyDown with the virtual key, followed by kChar for Backspace, Tab,
//   Return and Escape; keys with no number, and system keys (while left Alt is held,
//   and F10) give none; key up gives none;
// - text input -> one kChar per code point up to 0xFFFF;
// - mouse motion and left/middle/right buttons -> kMouseMove, kButtonDown, kButtonUp
//   with the position clamped to the client area; other buttons and the wheel give none.
void TranslateEvent(const SDL_Event& event, std::deque<WindowMessage>& out);

}  // namespace port
