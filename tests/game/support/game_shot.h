// GameShot: a game tour (any fixture built on test::GameTour) that draws the real
// game's frames into a hidden 1024 x 768 OpenGL window and reads them back, for the
// game's screenshot tests.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "engine/render/render.h"
#include "tests/objects/support/level_screenshot.h"
#include "tests/support/headless_gl.h"

namespace test {

template <class Tour>
class GameShot : public Tour {
protected:
    // The screen's own size, so a virtual unit is a pixel.
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    explicit GameShot(const char* title) : title_(title) {}

    void SetUp() override
    {
        Tour::SetUp();
        if (const std::string skip = gl_.Start(title_, kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        vrk::cRender* render = vrk::GetRender();
        ASSERT_NE(render, nullptr);
        gl_.AttachRender(*render);
    }
    void TearDown() override
    {
        // The textures go with the game, before the device they live on.
        Tour::TearDown();
        gl_.Stop();
        device_ = nullptr;
    }

    // One frame of the game into image_; with a colour, the back buffer is first
    // filled with it, as a frame left over from another screen would leave it.
    void DrawGame(std::optional<uint32_t> leftover = std::nullopt)
    {
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        if (leftover) {
            vrk::cRender* render = vrk::GetRender();
            render->clearColor = *leftover;
            render->ClearRenderTarget();
        }
        this->game->DrawFrame();
        device_->EndScene();
        ASSERT_TRUE(device_->ReadBackBuffer(image_));
    }
    // The picture at (x, y) counted from the bottom row.
    ShotRgb At(int x, int y) const { return PixelAt(image_, kHeight, x, y); }

    HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    port::BackBufferImage image_;

private:
    const char* title_;
};

}  // namespace test
