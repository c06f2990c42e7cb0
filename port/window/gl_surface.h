// The drawing surface a GPU device draws into: the main window's OpenGL context.
// The window implements it; port/gpu sees the window only through this interface, so
// a device can be driven by any surface (the window, or a test's own).
#pragma once

namespace port {

class GlSurface {
public:
    virtual ~GlSurface() = default;

    // Makes the surface's OpenGL 2.1 context current on the calling (main) thread.
    // False when the context cannot be made current.
    virtual bool MakeCurrent() = 0;
    // Shows the back buffer.
    virtual void SwapBuffers() = 0;
    // 0 presents at once, 1 waits for the vertical retrace, -1 waits unless the frame
    // is late (adaptive). False when the driver refuses the interval (the previous one
    // stays in force).
    virtual bool SetSwapInterval(int interval) = 0;
    // The size of the back buffer in pixels (may differ from the client size on
    // high-density displays).
    virtual void DrawableSize(int& width, int& height) const = 0;
    // The refresh rate of the display the surface shows on, in Hz; 0 when it is
    // unknown or the surface shows on none.
    virtual int RefreshRate() const { return 0; }
};

}  // namespace port
