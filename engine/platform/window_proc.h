// The main window's message handler: turns window messages into engine input, window
// mode changes, device flags and activity changes.
#pragma once
#include <cstdint>

#include "port/window/window_message.h"

namespace vrk {

// Handles one message (never kQuit, which ends the main loop first). The result is 0
// for every message the shell handles.
intptr_t MainWindowProc(const port::WindowMessage& message);

}  // namespace vrk
