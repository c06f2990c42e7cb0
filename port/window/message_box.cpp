// Message box over SDL, with a stderr fallback for headless runs.
#include "port/window/message_box.h"

#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "port/window/main_window.h"

namespace port {
namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool HasDisplay()
{
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY"))
        return false;
    // The driver SDL runs on, or the one it would pick.
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) != 0 ? SDL_GetCurrentVideoDriver()
                                                          : std::getenv("SDL_VIDEODRIVER");
    return driver == nullptr ||
           (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0);
}

}  // namespace

bool ShowMessageBox(const std::string& title, const std::string& text, const MainWindow* parent)
{
    if (HasDisplay()) {
        SDL_Window* window = parent != nullptr ? parent->Handle() : nullptr;
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                                     window) == 0)
            return true;
    }
    std::fprintf(stderr, "%s\n%s\n", title.c_str(), text.c_str());
    return false;
}

}  // namespace port
