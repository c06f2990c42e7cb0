// Creation and destruction of the main window together with its drawing device.
#pragma once
#include <cstdint>

namespace vrk {

// Stores the mode, creates the window, the device and the renderer's defaults, and
// puts the textures back on the device. 1 on success, 0 on failure (logged).
int CreateMainWindow(int32_t fullScreen);
// Takes the textures off the device, releases the device, destroys the window and
// drops every waiting message (except a quit).
void DestroyMainWindow();

}  // namespace vrk
