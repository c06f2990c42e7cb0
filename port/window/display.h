// The desktop the window is placed on: its mode and the part of it that windows may
// use (without panels and docks). Both need a started VideoSystem.
#pragma once

namespace port {

struct DisplayRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
};

struct DesktopDisplayMode {
    int width = 0;
    int height = 0;
    int refreshRate = 0;  // Hz; 0 when unknown
};

// The primary display's desktop mode; false (and a zero mode) when unknown.
bool DesktopMode(DesktopDisplayMode& mode);
// The primary display's usable area; falls back to the whole display, false when
// neither is known.
bool UsableBounds(DisplayRect& bounds);

// Window decoration sizes in pixels, used to fit a framed window into the usable
// area before it exists. Window managers draw their own frames, so these are the
// typical sizes of a fixed-size window's caption and border, not measurements.
struct FrameMetrics {
    int captionHeight = 0;
    int frameThickness = 0;  // each side
};
FrameMetrics TypicalFrameMetrics();

}  // namespace port
