// What the level screenshot tests share: one-colour textures for synthetic sprites,
// reading the back buffer (y up, as the level counts), writing it as a PNG beside
// the build, a fixture that gives any game tour an OpenGL device on a hidden window,
// one built on it that draws one play-mode frame of a level, and one that draws a
// stand-in level of synthetic sprites into a small window.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/small_math.h"
#include "tests/engine/files/image_test_writers.h"
#include "tests/engine/render/render_test_support.h"
#include "tests/framework/app/tour_test_support.h"
#include "tests/objects/support/test_level_screen.h"
#include "tests/support/headless_gl.h"

namespace test {

struct ShotRgb {
    int r, g, b;
};

inline int Difference(const ShotRgb& a, const ShotRgb& b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}
// Meadow green under the level, so the shadows show.
constexpr ShotRgb kGroundRgb{0x4A, 0x7A, 0x3A};
constexpr uint32_t kGround = 0xFF000000u | kGroundRgb.r << 16 | kGroundRgb.g << 8 | kGroundRgb.b;
// Summed RGB difference from which a pixel is not bare ground.
constexpr int kChanged = 40;
inline bool IsCovered(const ShotRgb& p) { return Difference(p, kGroundRgb) > kChanged; }

// A 4 x 4 texture of one colour (ARGB), registered under the name.
inline void SolidTexture(const std::string& name, uint32_t argb)
{
    constexpr uint32_t kSide = 4;
    vrk::cImage picture(vrk::kFormatR8G8B8A8, kSide, kSide, 1);
    uint8_t* bytes = picture.LevelData(0);
    for (uint32_t i = 0; i < kSide * kSide; ++i) {
        bytes[i * 4 + 0] = static_cast<uint8_t>(argb);
        bytes[i * 4 + 1] = static_cast<uint8_t>(argb >> 8);
        bytes[i * 4 + 2] = static_cast<uint8_t>(argb >> 16);
        bytes[i * 4 + 3] = static_cast<uint8_t>(argb >> 24);
    }
    vrk::CreateTextureFromImage(name, &picture);
}

// The pixel at (x, y) counted from the picture's bottom row.
inline ShotRgb PixelAt(const port::BackBufferImage& image, int height, int x, int y)
{
    const size_t at = (static_cast<size_t>(height - 1 - y) * image.width + static_cast<size_t>(x)) * 4;
    return {image.bgra[at + 2], image.bgra[at + 1], image.bgra[at]};
}

// How many points of the rectangle (clipped to the picture) pass test(x, y).
template <class Test>
int CountInRect(const Rect& area, int width, int height, Test test)
{
    const int x0 = std::max(static_cast<int>(area.x), 0);
    const int y0 = std::max(static_cast<int>(area.y), 0);
    const int x1 = std::min(static_cast<int>(area.x + area.width), width);
    const int y1 = std::min(static_cast<int>(area.y + area.height), height);
    int count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) count += test(x, y) ? 1 : 0;
    }
    return count;
}

inline size_t CountColours(const port::BackBufferImage& image)
{
    std::set<uint32_t> colours;
    for (size_t at = 0; at + 3 < image.bgra.size(); at += 4)
        colours.insert(static_cast<uint32_t>(image.bgra[at]) | static_cast<uint32_t>(image.bgra[at + 1]) << 8 |
                       static_cast<uint32_t>(image.bgra[at + 2]) << 16);
    return colours.size();
}

// Writes the picture's top-left width x height as RGB into the build folder.
inline void SaveShotPng(const port::BackBufferImage& image, int width, int height, const std::string& fileName)
{
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t from = (static_cast<size_t>(y) * image.width + static_cast<size_t>(x)) * 4;
            const size_t to = (static_cast<size_t>(y) * width + static_cast<size_t>(x)) * 3;
            picture.pixels[to] = image.bgra[from + 2];
            picture.pixels[to + 1] = image.bgra[from + 1];
            picture.pixels[to + 2] = image.bgra[from];
        }
    }
    WritePng(std::string(KELVARA_BINARY_DIR) + "/" + fileName, picture);
}

// The stand-in with its play-mode drawing reachable, so the frame holds the level
// alone, without the game's windows.
class ShotLevelScreen : public TestLevelScreen {
public:
    using cBaseWidget::DrawPlay;
};

// A tour (any fixture built on GameTourTest) whose game draws its frames into a hidden
// 1024 x 768 OpenGL window, the screen's own size, so a virtual unit is a pixel.
template <class Tour>
class GameShot : public Tour {
protected:
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

// The game on the real data tree drawing one play-mode frame of a level alone.
class LevelShotTest : public GameShot<GameTourTest> {
protected:
    explicit LevelShotTest(const char* title) : GameShot(title) {}

    void DrawFrame(ShotLevelScreen& screen)
    {
        vrk::cRender* render = vrk::GetRender();
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        render->clearColor = kGround;
        render->ClearRenderTarget();
        render->SetOrtho2D(true, cBaseWidget::kVirtualWidth, cBaseWidget::kVirtualHeight);
        screen.DrawPlay(*screen.GetPrimitiveBatch());
        device_->EndScene();
        ASSERT_TRUE(device_->ReadBackBuffer(image_));
        ASSERT_EQ(image_.width, static_cast<uint32_t>(kWidth));
    }

    // The picture at a level point (y up).
    static ShotRgb At(const port::BackBufferImage& image, int x, int y) { return PixelAt(image, kHeight, x, y); }
    template <class Test>
    static int CountIn(const Rect& area, Test test)
    {
        return CountInRect(area, kWidth, kHeight, test);
    }
    // How many pixels of the rectangle in the drawn picture have the colour.
    template <class Colour>
    int CountColour(const Rect& area, Colour colour) const
    {
        return CountIn(area, [&](int x, int y) { return colour(At(image_, x, y)); });
    }
    static Rect FrameOf(const cObject& object)
    {
        Rect frame;
        object.GetFrameRect(frame, -1);
        return frame;
    }
    size_t Colours() const { return CountColours(image_); }
    void SaveShot(const std::string& fileName) const { SaveShotPng(image_, kWidth, kHeight, fileName); }
};

// A stand-in level drawn by its own renderer into a hidden 320 x 240 window, its
// sprites made in the test; the view spans orthoWidth x orthoHeight level units.
class SpriteShotTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    SpriteShotTest(const char* title, int orthoWidth, int orthoHeight)
        : title_(title), orthoWidth_(orthoWidth), orthoHeight_(orthoHeight)
    {
    }

    void SetUp() override
    {
        if (const std::string skip = gl_.Start(title_, kWidth, kHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        gl_.AttachRender(*render_);
        render_->SetOrtho2D(false, orthoWidth_, orthoHeight_);
        app_.batch = &batch_;
        level_ = std::make_unique<TestLevelScreen>();
    }
    void TearDown() override
    {
        level_.reset();
        app_.batch = nullptr;
        GetTextureInfoExMap().clear();
        vrk::GetTextureMap().clear();
        if (render_ != nullptr) vrk::DestroyRender();
        gl_.Stop();
        device_ = nullptr;
    }

    // The pixel at (x, y) from the bottom left, and the one showing a level point.
    ShotRgb At(int x, int y) const { return PixelAt(image_, kHeight, x, y); }
    ShotRgb AtWorld(float x, float y) const
    {
        const float unitsPerPixel = static_cast<float>(orthoWidth_) / kWidth;
        return At(static_cast<int>(x / unitsPerPixel), static_cast<int>(y / unitsPerPixel));
    }
    void SaveShot(const std::string& fileName) const { SaveShotPng(image_, kWidth, kHeight, fileName); }

    LogCapture log_;
    HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    port::BackBufferImage image_;
    vrk::VertexBatch batch_;
    FakeAppServices app_;
    std::unique_ptr<TestLevelScreen> level_;

private:
    const char* title_;
    int orthoWidth_;
    int orthoHeight_;
};

}  // namespace test
