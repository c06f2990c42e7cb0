// Counter and frequency over SDL's performance counter (works before SDL_Init).
#include "port/window/clock.h"

#include <SDL2/SDL_timer.h>

namespace port {

std::uint64_t PerformanceCounter() { return SDL_GetPerformanceCounter(); }
std::uint64_t PerformanceFrequency() { return SDL_GetPerformanceFrequency(); }

}  // namespace port
