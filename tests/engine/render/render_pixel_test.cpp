// Pixel tests: the renderer draws through the OpenGL device into a hidden window's
// back buffer, which is read back and compared (RGB only, within 2 steps).
#include <gtest/gtest.h>
#include <lua.hpp>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "tests/support/headless_gl.h"
#include "engine/files/image_reader.h"
#include "engine/render/font.h"
#include "engine/render/font_bindings.h"
#include "engine/render/image.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "tests/engine/render/render_test_support.h"

namespace {

constexpr int kSize = 64;  // the drawn area, in the bottom-left corner
// The smallest client area the window layer makes.
constexpr int kWindowWidth = 320;
constexpr int kWindowHeight = 240;
constexpr int kTolerance = 2;

struct Rgb {
    int r, g, b;
};

class RenderPixelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string skip = gl_.Start("render test", kWindowWidth, kWindowHeight); !skip.empty()) GTEST_SKIP() << skip;
        device_ = gl_.Device();
        render_ = vrk::CreateRender();
        render_->CopyDevice(device_, device_->GetPresentParameters(), nullptr);
        render_->SetScreenRect(0, 0, kWindowWidth, kWindowHeight);
        render_->SetHardwareDefaults();
        render_->SetOrtho2D(false, kWindowWidth, kWindowHeight);
        ASSERT_EQ(device_->BeginScene(), port::kGpuOk);
        Clear(0xFF000000);
    }
    void TearDown() override
    {
        if (device_) device_->EndScene();
        vrk::GetFontMap().clear();
        vrk::GetTextureMap().clear();
        vrk::DestroyRender();
        gl_.Stop();
        device_ = nullptr;
    }

    void Clear(uint32_t argb)
    {
        render_->clearColor = argb;
        render_->ClearRenderTarget();
    }
    void Draw()
    {
        render_->DrawVertexBatch(batch_);
        batch_.Clear();
        ASSERT_TRUE(device_->ReadBackBuffer(image_));
        ASSERT_EQ(image_.width, static_cast<uint32_t>(kWindowWidth));
        ASSERT_EQ(image_.height, static_cast<uint32_t>(kWindowHeight));
    }
    // x from the left, y from the bottom (the 2-D screen's own axes).
    Rgb At(int x, int y) const
    {
        const size_t row = static_cast<size_t>(kWindowHeight - 1 - y);
        const size_t at = (row * image_.width + static_cast<size_t>(x)) * 4;
        return {image_.bgra[at + 2], image_.bgra[at + 1], image_.bgra[at]};
    }
    static void ExpectRgb(const Rgb& p, int r, int g, int b, const char* where)
    {
        EXPECT_NEAR(p.r, r, kTolerance) << where;
        EXPECT_NEAR(p.g, g, kTolerance) << where;
        EXPECT_NEAR(p.b, b, kTolerance) << where;
    }
    // A 2 x 2 picture, top row red and green, bottom row blue and white; point sampled.
    vrk::TexturePtr QuadrantTexture()
    {
        vrk::cImage picture(vrk::kFormatR8G8B8A8, 2, 2, 1);
        const uint8_t bgra[16] = {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 255, 255};
        std::memcpy(picture.LevelData(0), bgra, sizeof bgra);
        auto texture = std::make_shared<vrk::cTexture>("quadrants");
        texture->filterMode = vrk::kTextureFilterPoint;
        texture->SetImage(&picture);
        return texture;
    }

    test::LogCapture log_;
    test::HeadlessGl gl_;
    port::GpuDevice* device_ = nullptr;
    vrk::cRender* render_ = nullptr;
    vrk::VertexBatch batch_;
    port::BackBufferImage image_;
};

TEST_F(RenderPixelTest, TexturedQuad_ShowsThePictureUpright)
{
    vrk::cRender::AddQuad(batch_, QuadrantTexture(), 0, 0, 1, 1, 0, 0, kSize, kSize, 0xFFFFFFFF);
    Draw();
    ExpectRgb(At(16, 48), 255, 0, 0, "top left");
    ExpectRgb(At(48, 48), 0, 255, 0, "top right");
    ExpectRgb(At(16, 16), 0, 0, 255, "bottom left");
    ExpectRgb(At(48, 16), 255, 255, 255, "bottom right");
}

TEST_F(RenderPixelTest, TintedQuad_ModulatesByTheVertexColourAndTheFactor)
{
    auto texture = QuadrantTexture();
    vrk::cRender::AddQuad(batch_, texture, 0.5f, 0, 0.5f, 0.5f, 0, 0, 32, kSize, 0xFF00FF80);
    Draw();
    ExpectRgb(At(16, 32), 0, 255, 128, "white texel times vertex colour");
    render_->SetTextureFactor(0xFF808080);
    vrk::cRender::AddQuad(batch_, texture, 0.5f, 0, 0.5f, 0.5f, 32, 0, 32, kSize, 0xFFFFFFFF);
    Draw();
    ExpectRgb(At(48, 32), 128, 128, 128, "white texel times the factor");
    render_->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
}

TEST_F(RenderPixelTest, AdditiveQuad_AddsToTheBackground)
{
    Clear(0xFF404040);
    render_->SetBlendMode(vrk::cRender::kBlendAdditive, 0.0f);
    vrk::cRender::AddQuad(batch_, nullptr, 0, 0, 1, 1, 0, 0, 32, kSize, 0xFF204080);
    Draw();
    ExpectRgb(At(16, 32), 0x60, 0x80, 0xC0, "added");
    ExpectRgb(At(48, 32), 0x40, 0x40, 0x40, "untouched");
    render_->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
}

TEST_F(RenderPixelTest, TextLine_DrawsGlyphsInTheTextColourOnly)
{
    const std::string folder = std::string(KELVARA_SOURCE_DIR) + "/data/font/en/";
    vrk::cImage picture;
    ASSERT_EQ(vrk::LoadImageFile(picture, vrk::PathRecord(folder + "a_fontsystem14.png")), 0);
    vrk::CreateTextureFromImage("a_fontsystem14", &picture);
    lua_State* state = luaL_newstate();
    vrk::RegisterFontFunctions(state);
    ASSERT_EQ(luaL_dofile(state, (folder + "a_fontsystem14.lua").c_str()), 0);
    lua_close(state);
    vrk::FontPtr font = vrk::FindFont("a_fontsystem14");
    ASSERT_NE(font, nullptr);

    render_->SetBlendMode(vrk::cRender::kBlendAlpha, 0.0f);
    vrk::cRender::DrawText(batch_, font.get(), "HHH", 2.0f, 20.0f, 0xFFFF0000);
    Draw();
    const vrk::TextRect extent = vrk::cRender::MeasureText(font.get(), "HHH", false);
    int lit = 0;
    for (int y = 20; y < 20 + static_cast<int>(font->lineHeight); ++y) {
        for (int x = 2; x < 2 + static_cast<int>(extent.left + extent.width); ++x) {
            const Rgb p = At(x, y);
            EXPECT_LE(p.g, kTolerance);
            EXPECT_LE(p.b, kTolerance);
            lit += p.r > 200;
        }
    }
    EXPECT_GT(lit, 20) << "the strokes of three H";
    ExpectRgb(At(60, 60), 0, 0, 0, "outside the text");
    ExpectRgb(At(10, 5), 0, 0, 0, "below the line");
    render_->SetBlendMode(vrk::cRender::kBlendOff, 0.0f);
}

}  // namespace
