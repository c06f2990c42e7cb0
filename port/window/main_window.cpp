// The SDL window and OpenGL context behind MainWindow.
#include "port/window/main_window.h"

#include <SDL2/SDL.h>

#include "port/window/fault_injection.h"

namespace port {
namespace {

constexpr int kGlMajor = 2;
constexpr int kGlMinor = 1;
constexpr int kColourBits = 8;

void SetGlAttributes(const WindowParams& params)
{
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, kGlMajor);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, kGlMinor);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, kColourBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, kColourBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, kColourBits);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, kColourBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, params.depthBits > 0 ? params.depthBits : 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
}

int PositionOrAnywhere(int value)
{
    return value == kPositionAnywhere ? static_cast<int>(SDL_WINDOWPOS_UNDEFINED) : value;
}

// SDL reports no size for a window it has just made; the core must know it before
// the first mouse position arrives, so announce it like any later size change.
void QueueInitialSize(SDL_Window* window)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SDL_GetWindowID(window);
    event.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    SDL_GetWindowSize(window, &event.window.data1, &event.window.data2);
    SDL_PushEvent(&event);
}

}  // namespace

std::unique_ptr<MainWindow> MainWindow::Create(const WindowParams& params, std::string* error)
{
    auto fail = [error](const char* reason) {
        if (error != nullptr)
            *error = reason;
        return std::unique_ptr<MainWindow>();
    };
    if (FailureInjected(kFailWindow))
        return fail("window creation failure injected");
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
        return fail("video system not started");

    SetGlAttributes(params);
    Uint32 flags = SDL_WINDOW_OPENGL;
    flags |= params.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if (params.fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    else if (params.resizable)
        flags |= SDL_WINDOW_RESIZABLE;

    const int width = SDL_clamp(params.clientWidth, kMinClientWidth, kMaxClientWidth);
    const int height = SDL_clamp(params.clientHeight, kMinClientHeight, kMaxClientHeight);
    SDL_Window* window = SDL_CreateWindow(params.title.c_str(), PositionOrAnywhere(params.x),
                                          PositionOrAnywhere(params.y), width, height, flags);
    if (window == nullptr)
        return fail(SDL_GetError());
    if (!params.fullScreen) {
        // A full-screen window covers the whole desktop, however large.
        SDL_SetWindowMinimumSize(window, kMinClientWidth, kMinClientHeight);
        SDL_SetWindowMaximumSize(window, kMaxClientWidth, kMaxClientHeight);
    }

    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (context == nullptr) {
        std::string reason = SDL_GetError();
        SDL_DestroyWindow(window);
        return fail(reason.c_str());
    }
    SDL_StartTextInput();
    QueueInitialSize(window);
    return std::unique_ptr<MainWindow>(new MainWindow(window, context, params.fullScreen));
}

MainWindow::MainWindow(SDL_Window* window, void* context, bool fullScreen)
    : window_(window), context_(context), fullScreen_(fullScreen)
{
}

MainWindow::~MainWindow()
{
    SDL_GL_MakeCurrent(window_, nullptr);
    SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
    SDL_DestroyWindow(window_);
}

bool MainWindow::MakeCurrent()
{
    return SDL_GL_MakeCurrent(window_, static_cast<SDL_GLContext>(context_)) == 0;
}

void MainWindow::SwapBuffers() { SDL_GL_SwapWindow(window_); }

bool MainWindow::SetSwapInterval(int interval) { return SDL_GL_SetSwapInterval(interval) == 0; }

void MainWindow::DrawableSize(int& width, int& height) const
{
    SDL_GL_GetDrawableSize(window_, &width, &height);
}

int MainWindow::RefreshRate() const
{
    SDL_DisplayMode mode{};
    if (SDL_GetWindowDisplayMode(window_, &mode) != 0) return 0;
    return mode.refresh_rate;
}

void MainWindow::ClientSize(int& width, int& height) const
{
    SDL_GetWindowSize(window_, &width, &height);
}

void MainWindow::ClientOrigin(int& x, int& y) const { SDL_GetWindowPosition(window_, &x, &y); }

void MainWindow::SetTitle(const std::string& utf8Title)
{
    SDL_SetWindowTitle(window_, utf8Title.c_str());
}

void MainWindow::Show() { SDL_ShowWindow(window_); }
void MainWindow::Minimize() { SDL_MinimizeWindow(window_); }
void MainWindow::Restore() { SDL_RestoreWindow(window_); }

bool MainWindow::IsMinimized() const
{
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
}

void MainWindow::Raise() { SDL_RaiseWindow(window_); }

unsigned MainWindow::WindowId() const { return SDL_GetWindowID(window_); }

}  // namespace port
