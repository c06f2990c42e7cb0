// The recording backend and the status, state and resource rules both devices share.
#include "port/gpu/null_device.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "port/gpu/null_gpu_system.h"

namespace {

using namespace port;

class NullDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        params_.windowed = 1;
        params_.backBufferFormat = kFormatA8R8G8B8;
        params_.swapEffect = kSwapEffectCopy;
        params_.backBufferCount = 1;
    }
    void Create() {
        ASSERT_EQ(system_.CreateDevice(kCreateHardwareVertexProcessing, params_, device_), kGpuOk);
        system_.Recorder().Clear();
    }
    NullGpuRecorder& Recorder() { return system_.Recorder(); }

    NullGpuSystem system_;
    PresentParameters params_;
    std::unique_ptr<GpuDevice> device_;
};

TEST_F(NullDeviceTest, CreateDevice_FailingBehavioursAreRefusedInTurn) {
    Recorder().config.failingBehaviours = kCreateHardwareVertexProcessing | kCreateMixedVertexProcessing;
    const std::array<uint32_t, 3> attempts = {kCreateHardwareVertexProcessing, kCreateMixedVertexProcessing,
                                              kCreateSoftwareVertexProcessing};
    int created = -1;
    for (int i = 0; i < 3 && created < 0; ++i) {
        if (system_.CreateDevice(attempts[static_cast<size_t>(i)], params_, device_) == kGpuOk) created = i;
    }
    EXPECT_EQ(created, 2);
    EXPECT_EQ(Recorder().calls, (std::vector<std::string>{"CreateDevice 64", "CreateDevice 128", "CreateDevice 32"}));
    ASSERT_TRUE(device_);
}

TEST_F(NullDeviceTest, WindowedZeroSize_TakesSurfaceSize) {
    Create();
    EXPECT_EQ(device_->GetPresentParameters().backBufferWidth, 800u);
    EXPECT_EQ(device_->GetPresentParameters().backBufferHeight, 600u);
    const Viewport v = device_->GetViewport();
    EXPECT_EQ(v.width, 800u);
    EXPECT_EQ(v.height, 600u);
}

TEST_F(NullDeviceTest, InitialState_IsTheClassicDefault) {
    Create();
    EXPECT_EQ(device_->GetRenderState(RenderState::kLighting), kTrue);
    EXPECT_EQ(device_->GetRenderState(RenderState::kCullMode), kCullCounterClockwise);
    EXPECT_EQ(device_->GetRenderState(RenderState::kZEnable), kFalse);
    EXPECT_EQ(device_->GetRenderState(RenderState::kZFunc), kCmpLessEqual);
    EXPECT_EQ(device_->GetRenderState(RenderState::kSrcBlend), kBlendOne);
    EXPECT_EQ(device_->GetRenderState(RenderState::kDestBlend), kBlendZero);
    EXPECT_EQ(device_->GetRenderState(RenderState::kTextureFactor), 0xFFFFFFFFu);
    EXPECT_EQ(device_->GetTextureStageState(0, StageState::kColorOp), kOpModulate);
    EXPECT_EQ(device_->GetTextureStageState(0, StageState::kAlphaOp), kOpSelectArg1);
    EXPECT_EQ(device_->GetTextureStageState(1, StageState::kColorOp), kOpDisable);
    EXPECT_EQ(device_->GetTextureStageState(3, StageState::kAddressU), kAddressWrap);
    EXPECT_EQ(device_->GetTextureStageState(2, StageState::kMinFilter), kFilterPoint);
    EXPECT_EQ(device_->GetTextureStageState(0, StageState::kTextureTransformFlags), kTransformDisable);
}

TEST_F(NullDeviceTest, AutoDepthStencil_TurnsZOnAndGivesASurface) {
    params_.enableAutoDepthStencil = 1;
    params_.autoDepthStencilFormat = kFormatD16;
    Create();
    EXPECT_EQ(device_->GetRenderState(RenderState::kZEnable), kTrue);
    std::unique_ptr<GpuSurface> surface;
    ASSERT_EQ(device_->GetDepthStencilSurface(surface), kGpuOk);
    EXPECT_EQ(surface->GetDesc().width, 800u);
    EXPECT_EQ(surface->GetDesc().format, kFormatD16);
}

TEST_F(NullDeviceTest, NoAutoDepthStencil_HasNoSurface) {
    Create();
    std::unique_ptr<GpuSurface> surface;
    EXPECT_EQ(device_->GetDepthStencilSurface(surface), kGpuNotAvailable);
    EXPECT_FALSE(surface);
}

TEST_F(NullDeviceTest, Resize_NeedsResetThenResetTakesNewSizeAndRestoresDefaults) {
    Create();
    device_->SetRenderState(RenderState::kLighting, kFalse);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
    Recorder().config.surfaceWidth = 1024;
    Recorder().config.surfaceHeight = 700;
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceNotReset);
    ASSERT_EQ(device_->Reset(params_), kGpuOk);
    EXPECT_EQ(device_->GetPresentParameters().backBufferWidth, 1024u);
    EXPECT_EQ(device_->GetViewport().height, 700u);
    EXPECT_EQ(device_->GetRenderState(RenderState::kLighting), kTrue);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
}

TEST_F(NullDeviceTest, NotifySurfaceChanged_NeedsResetEvenAtTheSameSize) {
    Create();
    device_->NotifySurfaceChanged();
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceNotReset);
    EXPECT_EQ(device_->Reset(params_), kGpuOk);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
}

TEST_F(NullDeviceTest, ForcedLost_RefusesResetAndPresentUntilItEnds) {
    Create();
    device_->ForceLost(true);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceLost);
    EXPECT_EQ(device_->Reset(params_), kGpuDeviceLost);
    EXPECT_EQ(device_->Present(), kGpuDeviceLost);
    device_->ForceLost(false);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuDeviceNotReset);
    EXPECT_EQ(device_->Reset(params_), kGpuOk);
    EXPECT_EQ(device_->TestCooperativeLevel(), kGpuOk);
    EXPECT_EQ(device_->Present(), kGpuOk);
}

TEST_F(NullDeviceTest, Reset_RefusedWhileADepthStencilSurfaceLives) {
    Create();
    std::unique_ptr<GpuSurface> surface;
    ASSERT_EQ(device_->CreateDepthStencilSurface(800, 600, kFormatD16, 0, surface), kGpuOk);
    EXPECT_EQ(device_->Reset(params_), kGpuInvalidCall);
    surface.reset();
    EXPECT_EQ(device_->Reset(params_), kGpuOk);
}

TEST_F(NullDeviceTest, Reset_FailureFromTheHardwareIsPassedOn) {
    Create();
    Recorder().config.resetResult = kGpuNotAvailable;
    EXPECT_EQ(device_->Reset(params_), kGpuNotAvailable);
}

TEST_F(NullDeviceTest, Scene_MustBeBracketed) {
    Create();
    EXPECT_EQ(device_->EndScene(), kGpuInvalidCall);
    EXPECT_EQ(device_->BeginScene(), kGpuOk);
    EXPECT_EQ(device_->BeginScene(), kGpuInvalidCall);
    EXPECT_EQ(device_->EndScene(), kGpuOk);
}

TEST_F(NullDeviceTest, InvalidArguments_AreRefused) {
    Create();
    EXPECT_EQ(device_->SetRenderState(static_cast<RenderState>(999), 1), kGpuInvalidCall);
    EXPECT_EQ(device_->SetTextureStageState(4, StageState::kColorOp, kOpModulate), kGpuInvalidCall);
    EXPECT_EQ(device_->SetTextureStageState(0, static_cast<StageState>(99), 1), kGpuInvalidCall);
    EXPECT_EQ(device_->SetTransform(static_cast<TransformKind>(20), Matrix::Identity()), kGpuInvalidCall);
    EXPECT_EQ(device_->SetViewport({700, 0, 200, 100, 0, 1}), kGpuInvalidCall);
    EXPECT_EQ(device_->Clear(0, 0, 1.0f, 0), kGpuInvalidCall);
    std::unique_ptr<GpuTexture> texture;
    EXPECT_EQ(device_->CreateTexture(0, 4, 1, kFormatL8, texture), kGpuInvalidCall);
    EXPECT_EQ(device_->CreateTexture(4096, 4, 1, kFormatL8, texture), kGpuInvalidCall);
    EXPECT_EQ(device_->CreateTexture(4, 4, 1, kFormatD16, texture), kGpuNotAvailable);
    EXPECT_EQ(device_->CreateTexture(4, 4, 1, kFormatUnknown, texture), kGpuNotAvailable);
}

TEST_F(NullDeviceTest, Draw_ChecksFormatAndStrideAndRecordsVertices) {
    Create();
    const std::array<float, 9> positions = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    EXPECT_EQ(device_->DrawPrimitiveUP(kPrimitiveTriangleList, 1, positions.data(), 12), kGpuInvalidCall);  // no format
    device_->SetVertexFormat(kFvfXyz | kFvfDiffuse | kFvfTex1);
    EXPECT_EQ(device_->DrawPrimitiveUP(kPrimitiveTriangleList, 1, positions.data(), 12), kGpuInvalidCall);  // stride < 24
    EXPECT_EQ(device_->DrawPrimitiveUP(kPrimitiveTriangleList, 0, positions.data(), 24), kGpuInvalidCall);
    EXPECT_EQ(device_->DrawPrimitiveUP(5, 1, positions.data(), 24), kGpuInvalidCall);
    device_->SetVertexFormat(kFvfXyz);
    ASSERT_EQ(device_->DrawPrimitiveUP(kPrimitiveTriangleList, 1, positions.data(), 12), kGpuOk);
    ASSERT_EQ(Recorder().draws.size(), 1u);
    EXPECT_EQ(Recorder().draws[0].vertices.size(), 36u);
    EXPECT_EQ(Recorder().draws[0].fvf, kFvfXyz);
}

TEST_F(NullDeviceTest, VertexLayout_OffsetsFollowTheFormat) {
    const auto batch = DeviceBase::LayoutOf(kFvfXyz | kFvfDiffuse | kFvfTex1);
    EXPECT_EQ(batch.diffuse, 12);
    EXPECT_EQ(batch.texCoord, 16);
    EXPECT_EQ(batch.size, 24u);
    const auto full = DeviceBase::LayoutOf(kFvfXyz | kFvfNormal | kFvfDiffuse | kFvfTex1 | kFvfTexCoordSize4);
    EXPECT_EQ(full.normal, 12);
    EXPECT_EQ(full.diffuse, 24);
    EXPECT_EQ(full.texCoordCount, 4u);
    EXPECT_EQ(full.size, 44u);
    EXPECT_EQ(DeviceBase::LayoutOf(kFvfXyz | kFvfTex1 | kFvfTexCoordSize1).size, 16u);
}

TEST_F(NullDeviceTest, Calls_AreRecordedAsLines) {
    Create();
    device_->BeginScene();
    device_->Clear(kClearTarget, 0xFF102030, 1.0f, 0);
    device_->SetRenderState(RenderState::kCullMode, kCullNone);
    device_->SetTextureStageState(0, StageState::kAlphaOp, kOpModulate);
    device_->SetViewport({10, 20, 30, 40, 0, 1});
    device_->SetVertexFormat(0x142);
    device_->EndScene();
    device_->Present();
    EXPECT_EQ(Recorder().calls, (std::vector<std::string>{"BeginScene", "Clear 1 0xFF102030", "SetRenderState 22 1",
                                                          "SetTextureStageState 0 4 4", "SetViewport 10 20 30 40",
                                                          "SetVertexFormat 0x142", "EndScene", "Present"}));
    BackBufferImage image;
    ASSERT_TRUE(device_->ReadBackBuffer(image));
    EXPECT_EQ(image.bgra[0], 0x30);
    EXPECT_EQ(image.bgra[2], 0x10);
}

TEST_F(NullDeviceTest, Textures_IdsUnlocksAndUnbindOnDestruction) {
    Create();
    std::unique_ptr<GpuTexture> texture;
    ASSERT_EQ(device_->CreateTexture(8, 8, 0, kFormatA8R8G8B8, texture), kGpuOk);
    EXPECT_EQ(texture->GetLevelCount(), 4u);
    LockedRect locked;
    texture->LockRect(2, locked, 0);
    texture->UnlockRect(2);
    ASSERT_EQ(device_->SetTexture(0, texture.get()), kGpuOk);
    EXPECT_EQ(device_->GetTexture(0), texture.get());
    texture.reset();
    EXPECT_EQ(device_->GetTexture(0), nullptr);
    EXPECT_EQ(Recorder().calls,
              (std::vector<std::string>{"CreateTexture 8 8 0 21 -> 1", "UnlockRect 1 2", "SetTexture 0 1"}));
}

TEST_F(NullDeviceTest, Textures_OfAnotherDeviceAreRefused) {
    Create();
    NullGpuSystem otherSystem;
    std::unique_ptr<GpuDevice> other;
    ASSERT_EQ(otherSystem.CreateDevice(kCreateHardwareVertexProcessing, params_, other), kGpuOk);
    std::unique_ptr<GpuTexture> foreign;
    ASSERT_EQ(other->CreateTexture(4, 4, 1, kFormatL8, foreign), kGpuOk);
    EXPECT_EQ(device_->SetTexture(0, foreign.get()), kGpuInvalidCall);
}

TEST_F(NullDeviceTest, Textures_OutliveTheirDeviceAsCpuCopies) {
    Create();
    std::unique_ptr<GpuTexture> texture;
    ASSERT_EQ(device_->CreateTexture(4, 4, 1, kFormatL8, texture), kGpuOk);
    device_.reset();
    LockedRect locked;
    EXPECT_EQ(texture->LockRect(0, locked, kLockReadOnly), kGpuOk);
    EXPECT_EQ(texture->UnlockRect(0), kGpuOk);
}

TEST_F(NullDeviceTest, FormatChecks_FollowTheConfiguration) {
    EXPECT_TRUE(system_.CheckDeviceFormat(kFormatR5G6B5, kUsageDepthStencil, kResourceSurface, kFormatD16));
    Recorder().config.depthFormatSupported = false;
    EXPECT_FALSE(system_.CheckDeviceFormat(kFormatR5G6B5, kUsageDepthStencil, kResourceSurface, kFormatD16));
    EXPECT_TRUE(system_.CheckDepthStencilMatch(kFormatR5G6B5, kFormatR5G6B5, kFormatD16));
    Recorder().config.depthMatchSupported = false;
    EXPECT_FALSE(system_.CheckDepthStencilMatch(kFormatR5G6B5, kFormatR5G6B5, kFormatD16));
    Recorder().config.displayMode.format = kFormatR5G6B5;
    DisplayMode mode;
    ASSERT_TRUE(system_.GetDisplayMode(mode));
    EXPECT_EQ(mode.format, kFormatR5G6B5);
    Recorder().config.displayModeFails = true;
    EXPECT_FALSE(system_.GetDisplayMode(mode));
}

}  // namespace
