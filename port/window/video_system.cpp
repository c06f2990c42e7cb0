// Start and stop of SDL video and the OpenGL library, with the test failure hook.
#include "port/window/video_system.h"

#include <SDL2/SDL.h>

#include "port/window/fault_injection.h"
#include "port/window/quit_signal.h"

namespace port {

VideoSystem::~VideoSystem()
{
    UnloadGlLibrary();
    if (started_)
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

bool VideoSystem::Start()
{
    if (started_)
        return true;
    if (FailureInjected(kFailVideo)) {
        error_ = "video start failure injected";
        return false;
    }
    // Without capture, button-up outside the window still arrives; the translator
    // clamps its position into the client area.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // Full screen covers the desktop without a mode change; losing the focus must not
    // minimise behind the shell's back (the shell minimises itself on deactivation).
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // SDL's own handlers only queue an event, which nobody reads while a script runs;
    // ours also stop the script (quit_signal.h).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error_ = SDL_GetError();
        return false;
    }
    InstallQuitSignals();
    started_ = true;
    return true;
}

bool VideoSystem::LoadGlLibrary()
{
    if (glLoaded_)
        return true;
    if (!started_) {
        error_ = "video system not started";
        return false;
    }
    if (FailureInjected(kFailGl)) {
        error_ = "OpenGL library failure injected";
        return false;
    }
    if (SDL_GL_LoadLibrary(nullptr) != 0) {
        error_ = SDL_GetError();
        return false;
    }
    glLoaded_ = true;
    return true;
}

void VideoSystem::UnloadGlLibrary()
{
    if (!glLoaded_)
        return;
    SDL_GL_UnloadLibrary();
    glLoaded_ = false;
}

std::string VideoSystem::DriverName() const
{
    const char* name = started_ ? SDL_GetCurrentVideoDriver() : nullptr;
    return name != nullptr ? name : "";
}

}  // namespace port
