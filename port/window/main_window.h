// The game's one top-level window with its OpenGL 2.1 context. It is the GlSurface the
// drawing device renders into. Switching between windowed and full screen destroys the
// window and creates a new one, as the shell's mode switch expects; the context goes
// with the window, so the device is re-created on the new one.
#pragma once
#include <memory>
#include <string>

#include "port/window/gl_surface.h"

struct SDL_Window;

namespace port {

// Bounds of the client area the user may drag a resizable window to.
constexpr int kMinClientWidth = 320;
constexpr int kMinClientHeight = 240;
constexpr int kMaxClientWidth = 2048;
constexpr int kMaxClientHeight = 2048;

// Place the window wherever the window manager likes.
constexpr int kPositionAnywhere = -0x7FFF;

struct WindowParams {
    std::string title;               // UTF-8
    int clientWidth = 1024;          // windowed client size in pixels
    int clientHeight = 768;
    int x = kPositionAnywhere;       // outer top-left in desktop coordinates
    int y = kPositionAnywhere;
    bool fullScreen = false;         // full screen covers the desktop at its own mode
    bool visible = true;             // false creates the window hidden (Show() later)
    bool resizable = false;          // the game's window has no sizing border
    int depthBits = 0;               // the 2-D renderer needs no depth buffer
};

class MainWindow final : public GlSurface {
public:
    // Creates the window and its OpenGL 2.1 (compatibility) context and makes the
    // context current. Needs a started VideoSystem. Null on failure with the reason in
    // *error (when given); the shell then exits with 3.
    //
    // Right after creation one kSizeRestored message with the client size is queued
    // (SDL announces no size for a new window), so the core learns the client size
    // before the first input. Text input is switched on.
    static std::unique_ptr<MainWindow> Create(const WindowParams& params, std::string* error);

    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // GlSurface
    bool MakeCurrent() override;
    void SwapBuffers() override;
    bool SetSwapInterval(int interval) override;
    void DrawableSize(int& width, int& height) const override;
    int RefreshRate() const override;

    bool FullScreen() const { return fullScreen_; }
    // Client size in the pixels mouse positions use.
    void ClientSize(int& width, int& height) const;
    // Top-left of the client area on the desktop.
    void ClientOrigin(int& x, int& y) const;

    void SetTitle(const std::string& utf8Title);
    void Show();
    void Minimize();
    // Shows a minimised window normally again.
    void Restore();
    bool IsMinimized() const;
    // Brings the window to the front and asks for the input focus.
    void Raise();

    // SDL's id of the window; messages of other (destroyed) windows are dropped.
    unsigned WindowId() const;
    // For the rest of port/ (message boxes, input state). Not for the engine.
    SDL_Window* Handle() const { return window_; }

private:
    MainWindow(SDL_Window* window, void* context, bool fullScreen);

    SDL_Window* window_;
    void* context_;
    bool fullScreen_;
};

}  // namespace port
