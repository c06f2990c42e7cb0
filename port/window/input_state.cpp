// Keyboard, mouse and cursor state over SDL.
#include "port/window/input_state.h"

#include <SDL2/SDL.h>

#include "port/window/key_map.h"
#include "port/window/main_window.h"
#include "port/window/virtual_keys.h"

namespace port {

bool IsKeyDown(int virtualKey)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return false;
    const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
    switch (virtualKey) {
    case vk::kLeftButton: return (buttons & SDL_BUTTON_LMASK) != 0;
    case vk::kRightButton: return (buttons & SDL_BUTTON_RMASK) != 0;
    case vk::kMiddleButton: return (buttons & SDL_BUTTON_MMASK) != 0;
    default: break;
    }
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    for (std::int32_t keycode : KeycodesForVirtualKey(virtualKey)) {
        const SDL_Scancode scancode = SDL_GetScancodeFromKey(keycode);
        if (scancode > SDL_SCANCODE_UNKNOWN && scancode < count && keys[scancode] != 0)
            return true;
    }
    return false;
}

bool CursorClientPosition(const MainWindow* window, int& x, int& y)
{
    x = 0;
    y = 0;
    if (window == nullptr)
        return false;
    // Inside the window SDL knows the client position itself; global positions are
    // not available on every desktop (Wayland has none).
    if (SDL_GetMouseFocus() == window->Handle()) {
        SDL_GetMouseState(&x, &y);
        return true;
    }
    int globalX = 0;
    int globalY = 0;
    SDL_GetGlobalMouseState(&globalX, &globalY);
    int originX = 0;
    int originY = 0;
    window->ClientOrigin(originX, originY);
    x = globalX - originX;
    y = globalY - originY;
    return true;
}

void ShowSystemCursor(bool shown)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
        SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace port
