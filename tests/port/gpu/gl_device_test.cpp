// Pixel tests of the OpenGL device: draw into a hidden window's back buffer and read it
// back. Vertices are given in clip space (identity transforms) so the tests check the
// device alone.
#include "port/gpu/gl_device.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <ostream>
#include <vector>

#include "port/gpu/gl_functions.h"
#include "port/gpu/gpu_system.h"
#include "tests/port/gpu/test_gl_surface.h"

namespace {

using namespace port;

constexpr int kSize = 64;
constexpr int kTolerance = 2;
constexpr uint32_t kFvf = kFvfXyz | kFvfDiffuse | kFvfTex1;

struct Vertex {
    float x, y, z;
    uint32_t color;
    float u, v;
};

struct Bgra {
    int b, g, r, a;
};

class GlDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface_ = std::make_unique<test::TestGlSurface>(kSize, kSize);
        if (!surface_->Valid()) GTEST_SKIP() << "no OpenGL context available";
        system_ = CreateGlGpuSystem();
        ASSERT_TRUE(system_);
        params_.windowed = 1;
        params_.backBufferFormat = kFormatA8R8G8B8;
        params_.backBufferCount = 1;
        params_.swapEffect = kSwapEffectCopy;
        params_.deviceWindow = surface_.get();
        ASSERT_EQ(system_->CreateDevice(kCreateHardwareVertexProcessing, params_, device_), kGpuOk);
        // The renderer's own defaults: no lighting, no culling, vertex format of the batch.
        device_->SetRenderState(RenderState::kLighting, kFalse);
        device_->SetRenderState(RenderState::kCullMode, kCullNone);
        device_->SetVertexFormat(kFvf);
    }

    // A rectangle in clip space (y up), u/v 0..1 from its top-left corner.
    void DrawRect(float left, float top, float right, float bottom, uint32_t color) {
        const std::array<Vertex, 6> quad = {{{left, top, 0, color, 0, 0},
                                             {right, top, 0, color, 1, 0},
                                             {left, bottom, 0, color, 0, 1},
                                             {left, bottom, 0, color, 0, 1},
                                             {right, top, 0, color, 1, 0},
                                             {right, bottom, 0, color, 1, 1}}};
        ASSERT_EQ(device_->DrawPrimitiveUP(kPrimitiveTriangleList, 2, quad.data(), sizeof(Vertex)), kGpuOk);
    }
    void DrawFullScreen(uint32_t color) { DrawRect(-1, 1, 1, -1, color); }

    Bgra PixelAt(int x, int y) {
        BackBufferImage image;
        EXPECT_TRUE(device_->ReadBackBuffer(image));
        EXPECT_EQ(image.width, static_cast<uint32_t>(kSize));
        const size_t at = (static_cast<size_t>(y) * image.width + static_cast<size_t>(x)) * 4;
        if (at + 3 >= image.bgra.size()) return {-1, -1, -1, -1};
        return {image.bgra[at], image.bgra[at + 1], image.bgra[at + 2], image.bgra[at + 3]};
    }

    static void ExpectRgb(const Bgra& p, int r, int g, int b) {
        EXPECT_NEAR(p.r, r, kTolerance);
        EXPECT_NEAR(p.g, g, kTolerance);
        EXPECT_NEAR(p.b, b, kTolerance);
    }

    std::unique_ptr<GpuTexture> MakeTexture(uint32_t w, uint32_t h, GpuFormat format,
                                            const std::vector<uint8_t>& bytes) {
        std::unique_ptr<GpuTexture> texture;
        EXPECT_EQ(device_->CreateTexture(w, h, 1, format, texture), kGpuOk);
        if (!texture) return nullptr;
        LockedRect locked;
        EXPECT_EQ(texture->LockRect(0, locked, 0), kGpuOk);
        std::copy(bytes.begin(), bytes.end(), locked.bits);
        EXPECT_EQ(texture->UnlockRect(0), kGpuOk);
        return texture;
    }

    std::unique_ptr<test::TestGlSurface> surface_;
    std::unique_ptr<GpuSystem> system_;
    PresentParameters params_;
    std::unique_ptr<GpuDevice> device_;
};

TEST_F(GlDeviceTest, Clear_FillsBackBufferWithArgbColour) {
    ASSERT_EQ(device_->Clear(kClearTarget, 0xFF3366CC, 1.0f, 0), kGpuOk);
    ExpectRgb(PixelAt(10, 10), 0x33, 0x66, 0xCC);
}

TEST_F(GlDeviceTest, Clear_TouchesOnlyTheViewport) {
    device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
    ASSERT_EQ(device_->SetViewport({0, 0, kSize / 2, kSize / 2, 0, 1}), kGpuOk);
    device_->Clear(kClearTarget, 0xFFFFFFFF, 1.0f, 0);
    ExpectRgb(PixelAt(5, 5), 255, 255, 255);
    ExpectRgb(PixelAt(5, kSize - 5), 0, 0, 0);
}

TEST_F(GlDeviceTest, Draw_UntexturedTriangleShowsVertexColour) {
    device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
    const std::array<Vertex, 3> triangle = {{{-1, 1, 0, 0xFF20C040, 0, 0},
                                             {1, 1, 0, 0xFF20C040, 0, 0},
                                             {-1, -1, 0, 0xFF20C040, 0, 0}}};
    ASSERT_EQ(device_->DrawPrimitiveUP(kPrimitiveTriangleList, 1, triangle.data(), sizeof(Vertex)), kGpuOk);
    ExpectRgb(PixelAt(4, 4), 0x20, 0xC0, 0x40);          // inside, top-left corner
    ExpectRgb(PixelAt(kSize - 4, kSize - 4), 0, 0, 0);   // outside, bottom-right corner
}

TEST_F(GlDeviceTest, Cull_DropsTrianglesOfTheNamedOnScreenWinding) {
    // Top-left, top-right, bottom-left runs clockwise as seen on the screen.
    const std::array<Vertex, 3> clockwise = {{{-1, 1, 0, 0xFFFFFFFF, 0, 0},
                                              {1, 1, 0, 0xFFFFFFFF, 0, 0},
                                              {-1, -1, 0, 0xFFFFFFFF, 0, 0}}};
    struct Row {
        uint32_t cull;
        int expected;
    };
    for (const Row row : {Row{kCullCounterClockwise, 255}, Row{kCullClockwise, 0}, Row{kCullNone, 255}}) {
        device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
        device_->SetRenderState(RenderState::kCullMode, row.cull);
        device_->DrawPrimitiveUP(kPrimitiveTriangleList, 1, clockwise.data(), sizeof(Vertex));
        EXPECT_NEAR(PixelAt(4, 4).r, row.expected, kTolerance) << "cull " << row.cull;
    }
}

TEST_F(GlDeviceTest, Draw_TexturedQuadMapsFirstRowToTop) {
    // 2x2 A8R8G8B8 texture, bytes B,G,R,A: red, green / blue, white.
    auto texture = MakeTexture(2, 2, kFormatA8R8G8B8,
                               {0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 255, 255});
    ASSERT_TRUE(texture);
    device_->SetTexture(0, texture.get());
    DrawFullScreen(0xFFFFFFFF);
    ExpectRgb(PixelAt(8, 8), 255, 0, 0);
    ExpectRgb(PixelAt(kSize - 8, 8), 0, 255, 0);
    ExpectRgb(PixelAt(8, kSize - 8), 0, 0, 255);
    ExpectRgb(PixelAt(kSize - 8, kSize - 8), 255, 255, 255);
}

TEST_F(GlDeviceTest, Draw_TextureModulatedByVertexColour) {
    auto texture = MakeTexture(1, 1, kFormatX8R8G8B8, {200, 200, 200, 0});
    ASSERT_TRUE(texture);
    device_->SetTexture(0, texture.get());
    DrawFullScreen(0xFF808080);
    ExpectRgb(PixelAt(32, 32), 100, 100, 100);
}

TEST_F(GlDeviceTest, Draw_TextureFactorModulatesColour) {
    device_->SetRenderState(RenderState::kTextureFactor, 0xFF808080);
    device_->SetTextureStageState(0, StageState::kColorOp, kOpModulate);
    device_->SetTextureStageState(0, StageState::kColorArg1, kArgTexture);
    device_->SetTextureStageState(0, StageState::kColorArg2, kArgTFactor);
    DrawFullScreen(0xFFFFFFFF);  // no texture: the stage reads white
    ExpectRgb(PixelAt(32, 32), 128, 128, 128);
}

TEST_F(GlDeviceTest, Draw_TextureFactorFadesAlphaOnly) {
    device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(RenderState::kAlphaBlendEnable, kTrue);
    device_->SetRenderState(RenderState::kSrcBlend, kBlendSrcAlpha);
    device_->SetRenderState(RenderState::kDestBlend, kBlendInvSrcAlpha);
    device_->SetRenderState(RenderState::kTextureFactor, 0x80FFFFFF);
    device_->SetTextureStageState(0, StageState::kAlphaOp, kOpModulate);
    device_->SetTextureStageState(0, StageState::kAlphaArg1, kArgTexture);
    device_->SetTextureStageState(0, StageState::kAlphaArg2, kArgTFactor);
    DrawFullScreen(0xFFFFFFFF);
    ExpectRgb(PixelAt(32, 32), 128, 128, 128);
}

TEST_F(GlDeviceTest, Draw_AdditiveBlendAddsToBackground) {
    device_->Clear(kClearTarget, 0xFF640000, 1.0f, 0);
    device_->SetRenderState(RenderState::kAlphaBlendEnable, kTrue);
    device_->SetRenderState(RenderState::kSrcBlend, kBlendOne);
    device_->SetRenderState(RenderState::kDestBlend, kBlendOne);
    DrawFullScreen(0xFF006400);
    ExpectRgb(PixelAt(32, 32), 100, 100, 0);
}

TEST_F(GlDeviceTest, Draw_AlphaTestRejectsPixelsAtOrBelowReference) {
    device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
    device_->SetRenderState(RenderState::kAlphaTestEnable, kTrue);
    device_->SetRenderState(RenderState::kAlphaFunc, kCmpGreater);
    device_->SetRenderState(RenderState::kAlphaRef, 128);
    // The initial alpha op selects the texture's alpha; the renderer modulates it.
    device_->SetTextureStageState(0, StageState::kAlphaOp, kOpModulate);
    DrawRect(-1, 1, 0, -1, 0x64FF0000);  // alpha 100: rejected
    DrawRect(0, 1, 1, -1, 0xC8FF0000);   // alpha 200: kept
    ExpectRgb(PixelAt(8, 32), 0, 0, 0);
    ExpectRgb(PixelAt(kSize - 8, 32), 255, 0, 0);
}

TEST_F(GlDeviceTest, Viewport_CountsFromTopLeft) {
    device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
    ASSERT_EQ(device_->SetViewport({kSize / 2, 0, kSize / 2, kSize / 4, 0, 1}), kGpuOk);
    DrawFullScreen(0xFF0000FF);
    ExpectRgb(PixelAt(kSize - 4, 4), 0, 0, 255);          // top-right strip
    ExpectRgb(PixelAt(kSize - 4, kSize - 4), 0, 0, 0);    // bottom-right untouched
    ExpectRgb(PixelAt(4, 4), 0, 0, 0);                    // top-left untouched
}

TEST_F(GlDeviceTest, Transforms_ApplyWorldThenViewThenProjection) {
    device_->Clear(kClearTarget, 0xFF000000, 1.0f, 0);
    Matrix world = Matrix::Identity();
    world.at(3, 0) = 1.0f;  // move right by 1
    Matrix view = Matrix::Identity();
    view.at(0, 0) = 0.5f;   // then halve x
    device_->SetTransform(TransformKind::kWorld, world);
    device_->SetTransform(TransformKind::kView, view);
    DrawRect(-1, 1, 0, -1, 0xFFFF0000);  // ends at clip x 0..0.5
    ExpectRgb(PixelAt(40, 32), 255, 0, 0);
    ExpectRgb(PixelAt(56, 32), 0, 0, 0);
    ExpectRgb(PixelAt(8, 32), 0, 0, 0);
}

TEST_F(GlDeviceTest, TextureTransform_FlipsVWithTheTwoCoordinateLayout) {
    auto texture = MakeTexture(1, 2, kFormatA8R8G8B8, {0, 0, 255, 255, 255, 0, 0, 255});  // red over blue
    ASSERT_TRUE(texture);
    device_->SetTexture(0, texture.get());
    // v' = 1 - v in the two-coordinate layout: third row holds the translation.
    Matrix flip = Matrix::Identity();
    flip.at(1, 1) = -1.0f;
    flip.at(2, 1) = 1.0f;
    flip.at(2, 2) = 0.0f;
    device_->SetTextureStageState(0, StageState::kTextureTransformFlags, kTransformCount2);
    device_->SetTransform(TextureTransform(0), flip);
    DrawFullScreen(0xFFFFFFFF);
    ExpectRgb(PixelAt(32, 4), 0, 0, 255);
    ExpectRgb(PixelAt(32, kSize - 4), 255, 0, 0);
}

struct FormatCase {
    const char* name;
    GpuFormat format;
    std::vector<uint8_t> pixel;
    int r, g, b;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class GlTextureFormatTest : public GlDeviceTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(GlTextureFormatTest, LockedPixelsReachTheScreen) {
    const FormatCase& c = GetParam();
    auto texture = MakeTexture(1, 1, c.format, c.pixel);
    ASSERT_TRUE(texture);
    device_->SetTexture(0, texture.get());
    DrawFullScreen(0xFFFFFFFF);
    ExpectRgb(PixelAt(32, 32), c.r, c.g, c.b);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, GlTextureFormatTest,
    ::testing::Values(FormatCase{"L8", kFormatL8, {0x40}, 0x40, 0x40, 0x40},
                      FormatCase{"A8L8", kFormatA8L8, {0x80, 0xFF}, 0x80, 0x80, 0x80},
                      // 0xF800 is pure red in 5:6:5, stored little-endian.
                      FormatCase{"R5G6B5", kFormatR5G6B5, {0x00, 0xF8}, 255, 0, 0},
                      FormatCase{"X8R8G8B8", kFormatX8R8G8B8, {0x10, 0x20, 0x30, 0x00}, 0x30, 0x20, 0x10},
                      FormatCase{"A8R8G8B8", kFormatA8R8G8B8, {0x30, 0x20, 0x10, 0xFF}, 0x10, 0x20, 0x30}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GlDeviceTest, Dxt1Texture_DecodesWhenCompressionIsAvailable) {
    GpuCaps caps;
    ASSERT_TRUE(device_->GetDeviceCaps(caps));
    if (!caps.compressedTextures) GTEST_SKIP() << "no S3TC";
    // One block: both endpoints pure green (0x07E0), every index 0.
    auto texture = MakeTexture(4, 4, kFormatDXT1, {0xE0, 0x07, 0xE0, 0x07, 0, 0, 0, 0});
    ASSERT_TRUE(texture);
    device_->SetTexture(0, texture.get());
    DrawFullScreen(0xFFFFFFFF);
    ExpectRgb(PixelAt(32, 32), 0, 255, 0);
}

TEST_F(GlDeviceTest, Reset_FollowsTheResizedSurface) {
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
    surface_->Resize(96, 80);
    uint32_t w = 0, h = 0;
    int dw = 0, dh = 0;
    surface_->DrawableSize(dw, dh);
    if (dw != 96 || dh != 80) GTEST_SKIP() << "the video driver did not resize";
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceNotReset);
    ASSERT_EQ(device_->Reset(params_), kGpuOk);
    w = device_->GetPresentParameters().backBufferWidth;
    h = device_->GetPresentParameters().backBufferHeight;
    EXPECT_EQ(w, 96u);
    EXPECT_EQ(h, 80u);
    EXPECT_EQ(device_->GetViewport().width, 96u);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
}

// Mesa's offscreen driver takes 1 but refuses the adaptive -1, so the drivers that
// refuse waiting are played by the surface.
TEST_F(GlDeviceTest, SwapInterval_WindowedAndFullScreenWaitForTheRetrace) {
    EXPECT_EQ(surface_->triedIntervals, std::vector<int>{1});
    EXPECT_TRUE(device_->PresentWaitsForRetrace());
    PresentParameters fullScreen = params_;
    fullScreen.windowed = 0;
    surface_->triedIntervals.clear();
    ASSERT_EQ(device_->Reset(fullScreen), kGpuOk);
    EXPECT_EQ(surface_->triedIntervals, std::vector<int>{1});
    EXPECT_TRUE(device_->PresentWaitsForRetrace());
    EXPECT_EQ(device_->Present(), kGpuOk);
}

TEST_F(GlDeviceTest, SwapInterval_FallsBackToAdaptiveAndToAtOnceOnlyWhenBothAreRefused) {
    surface_->offered = {0, -1};
    surface_->triedIntervals.clear();
    ASSERT_EQ(device_->Reset(params_), kGpuOk);
    EXPECT_EQ(surface_->triedIntervals, (std::vector<int>{1, -1}));
    EXPECT_TRUE(device_->PresentWaitsForRetrace());

    surface_->offered = {0};
    surface_->triedIntervals.clear();
    ASSERT_EQ(device_->Reset(params_), kGpuOk);
    EXPECT_EQ(surface_->triedIntervals, (std::vector<int>{1, -1, 0}));
    EXPECT_EQ(surface_->lastInterval, 0);
    EXPECT_FALSE(device_->PresentWaitsForRetrace());
    EXPECT_EQ(device_->Present(), kGpuOk);
}

// Where the driver refuses both intervals the window's presents wait as the display
// would (60 Hz where the surface reports no rate): 60 presents take at least 59 periods.
TEST_F(GlDeviceTest, SwapInterval_BothRefused_PresentsArePacedToTheRefresh) {
    surface_->offered = {0};
    ASSERT_EQ(device_->Reset(params_), kGpuOk);
    ASSERT_FALSE(device_->PresentWaitsForRetrace());
    constexpr int kFrames = 60;
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < kFrames; ++frame) ASSERT_EQ(device_->Present(), kGpuOk);
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    EXPECT_GE(spent.count(), 0.95);
}

TEST_F(GlDeviceTest, SwapInterval_ImmediateParametersPresentAtOnce) {
    PresentParameters immediate = params_;
    immediate.presentationInterval = kPresentIntervalImmediate;
    surface_->triedIntervals.clear();
    ASSERT_EQ(device_->Reset(immediate), kGpuOk);
    EXPECT_EQ(surface_->triedIntervals, std::vector<int>{0});
    EXPECT_FALSE(device_->PresentWaitsForRetrace());
}

// A fence placed in the frame before Present must have passed when Present returns: the
// offscreen surface's swap neither submits nor waits, so without the device finishing the
// frame an endless loop of frames piles up in the driver.
TEST_F(GlDeviceTest, Present_FinishesTheFrameEvenWhenTheSwapDoesNot) {
    using FenceFunction = GLsync(APIENTRY*)(GLenum condition, GLbitfield flags);
    using WaitFunction = GLenum(APIENTRY*)(GLsync sync, GLbitfield flags, GLuint64 timeout);
    using DeleteFunction = void(APIENTRY*)(GLsync sync);
    if (!GlHasExtension("GL_ARB_sync")) GTEST_SKIP() << "no fences";
    auto fenceSync = reinterpret_cast<FenceFunction>(SDL_GL_GetProcAddress("glFenceSync"));
    auto clientWaitSync = reinterpret_cast<WaitFunction>(SDL_GL_GetProcAddress("glClientWaitSync"));
    auto deleteSync = reinterpret_cast<DeleteFunction>(SDL_GL_GetProcAddress("glDeleteSync"));
    ASSERT_TRUE(fenceSync && clientWaitSync && deleteSync);

    ASSERT_EQ(device_->Clear(kClearTarget, 0xFF000000u, 1.0f, 0), kGpuOk);
    DrawFullScreen(0xFF20C040u);
    GLsync fence = fenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    ASSERT_NE(fence, nullptr);
    EXPECT_EQ(device_->Present(), kGpuOk);
    // No flush and no waiting: only a fence that already passed reports so.
    const GLenum status = clientWaitSync(fence, 0, 0);
    deleteSync(fence);
    EXPECT_TRUE(status == GL_ALREADY_SIGNALED || status == GL_CONDITION_SATISFIED) << std::hex << status;
}

TEST_F(GlDeviceTest, ForcedLost_PresentsNothingAndNeedsResetAfterwards) {
    device_->ForceLost(true);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceLost);
    EXPECT_EQ(device_->Present(), kGpuDeviceLost);
    device_->ForceLost(false);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceNotReset);
    EXPECT_EQ(device_->Reset(params_), kGpuOk);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
}

TEST_F(GlDeviceTest, DisplayMode_IsReported) {
    DisplayMode mode;
    ASSERT_TRUE(system_->GetDisplayMode(mode));
    EXPECT_GT(mode.width, 0u);
    EXPECT_TRUE(mode.format == kFormatX8R8G8B8 || mode.format == kFormatR5G6B5);
}

}  // namespace
