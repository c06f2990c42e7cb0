// Direct queries of the keyboard and mouse, outside the message stream, and the
// system cursor's visibility.
#pragma once

namespace port {

class MainWindow;

// True while the key with this virtual-key number (virtual_keys.h) is held. The generic
// modifier numbers (vk::kShift, vk::kControl, vk::kAlt) answer for either side, the
// sided ones (vk::kLeftControl, ...) for that side only; vk::kLeftButton,
// vk::kRightButton and vk::kMiddleButton ask for the mouse buttons. The state is the
// one of the last pumped event.
bool IsKeyDown(int virtualKey);

// The mouse position relative to the window's client area, in client pixels; outside
// the window it is outside the client range (even negative), as the desktop has it.
// False (and 0, 0) when there is no window.
bool CursorClientPosition(const MainWindow* window, int& x, int& y);

// The game draws its own cursor sprite: the shell hides the system cursor while the
// game is active and shows it while inactive.
void ShowSystemCursor(bool shown);

}  // namespace port
