// A hidden window with an OpenGL drawing device, made the way the game makes them, for
// tests that draw real frames and read them back. Under SDL's offscreen driver no
// display is needed. Header-only: only test programs that link the engine use it.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "engine/render/render.h"
#include "port/gpu/gpu_system.h"
#include "port/window/main_window.h"
#include "port/window/video_system.h"

namespace test {

class HeadlessGl {
public:
    // Empty when the device is ready; otherwise why there is none, for GTEST_SKIP.
    // A device that cannot be created on a working window is a test failure.
    std::string Start(const char* title, int width, int height)
    {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 0);
        if (!video_.Start() || !video_.LoadGlLibrary()) return "no video: " + video_.Error();
        port::WindowParams params;
        params.title = title;
        width_ = width;
        height_ = height;
        params.clientWidth = width;
        params.clientHeight = height;
        params.visible = false;
        window_ = port::MainWindow::Create(params, nullptr);
        if (!window_) return "no OpenGL window";
        system_ = port::CreateGlGpuSystem();
        port::PresentParameters present;
        present.windowed = 1;
        present.backBufferFormat = port::kFormatA8R8G8B8;
        present.backBufferCount = 1;
        present.swapEffect = port::kSwapEffectCopy;
        present.deviceWindow = window_.get();
        if (!system_ || system_->CreateDevice(port::kCreateHardwareVertexProcessing, present, device_) != port::kGpuOk) {
            ADD_FAILURE() << "the OpenGL device was not created";
            return "no device";
        }
        return {};
    }

    port::GpuDevice* Device() const { return device_.get(); }

    // Makes the renderer draw on the started device, over the whole window, from the
    // renderer's default states.
    void AttachRender(vrk::cRender& render) const
    {
        render.CopyDevice(device_.get(), device_->GetPresentParameters(), nullptr);
        render.SetScreenRect(0, 0, width_, height_);
        render.SetHardwareDefaults();
    }

    // Device first, then its system and the window it draws into.
    void Stop()
    {
        device_.reset();
        system_.reset();
        window_.reset();
    }
    ~HeadlessGl() { Stop(); }

private:
    port::VideoSystem video_;
    std::unique_ptr<port::MainWindow> window_;
    std::unique_ptr<port::GpuSystem> system_;
    std::unique_ptr<port::GpuDevice> device_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace test
