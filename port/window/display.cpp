// Desktop mode and usable bounds from SDL.
#include "port/window/display.h"

#include <SDL2/SDL.h>

namespace port {
namespace {

constexpr int kPrimaryDisplay = 0;
constexpr int kTypicalCaptionHeight = 22;
constexpr int kTypicalFrameThickness = 3;

}  // namespace

bool DesktopMode(DesktopDisplayMode& mode)
{
    mode = DesktopDisplayMode{};
    SDL_DisplayMode sdlMode{};
    if (SDL_GetDesktopDisplayMode(kPrimaryDisplay, &sdlMode) != 0)
        return false;
    mode.width = sdlMode.w;
    mode.height = sdlMode.h;
    mode.refreshRate = sdlMode.refresh_rate;
    return true;
}

bool UsableBounds(DisplayRect& bounds)
{
    bounds = DisplayRect{};
    SDL_Rect rect{};
    if (SDL_GetDisplayUsableBounds(kPrimaryDisplay, &rect) != 0 || rect.w <= 0 || rect.h <= 0) {
        if (SDL_GetDisplayBounds(kPrimaryDisplay, &rect) != 0 || rect.w <= 0 || rect.h <= 0)
            return false;
    }
    bounds = DisplayRect{rect.x, rect.y, rect.w, rect.h};
    return true;
}

FrameMetrics TypicalFrameMetrics()
{
    return FrameMetrics{kTypicalCaptionHeight, kTypicalFrameThickness};
}

}  // namespace port
