// A hidden SDL window with an OpenGL 2.1 context for the device's pixel tests (tests run
// with SDL_VIDEODRIVER=offscreen, which gives a real Mesa context without a display).
#pragma once
#include <SDL2/SDL.h>

#include <set>
#include <vector>

#include "port/window/gl_surface.h"

namespace test {

class TestGlSurface final : public port::GlSurface {
public:
    TestGlSurface(int width, int height) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
        videoStarted_ = true;
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        window_ = SDL_CreateWindow("gpu test", 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (window_) context_ = SDL_GL_CreateContext(window_);
    }
    ~TestGlSurface() override {
        if (context_) SDL_GL_DeleteContext(context_);
        if (window_) SDL_DestroyWindow(window_);
        if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    TestGlSurface(const TestGlSurface&) = delete;
    TestGlSurface& operator=(const TestGlSurface&) = delete;

    bool Valid() const { return context_ != nullptr; }
    void Resize(int width, int height) { SDL_SetWindowSize(window_, width, height); }

    bool MakeCurrent() override { return context_ && SDL_GL_MakeCurrent(window_, context_) == 0; }
    void SwapBuffers() override { SDL_GL_SwapWindow(window_); }
    // Records every interval asked for. With `offered` set, it plays a driver that
    // takes exactly those intervals, without reaching the real one.
    bool SetSwapInterval(int interval) override {
        triedIntervals.push_back(interval);
        if (!offered.empty()) {
            if (offered.count(interval) == 0) return false;
            lastInterval = interval;
            return true;
        }
        if (SDL_GL_SetSwapInterval(interval) != 0) return false;
        lastInterval = interval;
        return true;
    }
    void DrawableSize(int& width, int& height) const override {
        SDL_GL_GetDrawableSize(window_, &width, &height);
    }

    int lastInterval = -1;
    std::vector<int> triedIntervals;
    std::set<int> offered;

private:
    bool videoStarted_ = false;
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
};

}  // namespace test
