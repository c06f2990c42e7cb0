// The recording device of the null backend (see null_gpu_system.h): it keeps the full
// state and status rules of DeviceBase and writes each call to the recorder.
#pragma once
#include <memory>

#include "port/gpu/device_base.h"
#include "port/gpu/null_gpu_system.h"

namespace port {

class NullDevice final : public DeviceBase {
public:
    NullDevice(const PresentParameters& params, std::shared_ptr<NullGpuRecorder> recorder);

    GpuResult TestCooperativeLevel() override;
    GpuResult Reset(const PresentParameters& params) override;
    GpuResult BeginScene() override;
    GpuResult EndScene() override;
    GpuResult Present() override;
    GpuResult Clear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) override;
    GpuResult SetViewport(const Viewport& viewport) override;
    GpuResult SetTransform(TransformKind kind, const Matrix& matrix) override;
    GpuResult SetRenderState(RenderState state, uint32_t value) override;
    GpuResult SetTextureStageState(uint32_t stage, StageState state, uint32_t value) override;
    GpuResult SetTexture(uint32_t stage, GpuTexture* texture) override;
    GpuResult SetMaterial(const Material& material) override;
    GpuResult SetVertexFormat(uint32_t fvf) override;
    GpuResult DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount, const void* vertices,
                              uint32_t stride) override;
    GpuResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                            std::unique_ptr<GpuTexture>& texture) override;
    GpuResult GetDepthStencilSurface(std::unique_ptr<GpuSurface>& surface) override;
    GpuResult CreateDepthStencilSurface(uint32_t width, uint32_t height, GpuFormat format,
                                        uint32_t multiSampleType,
                                        std::unique_ptr<GpuSurface>& surface) override;
    // A picture of the back-buffer size filled with the last clear colour.
    bool ReadBackBuffer(BackBufferImage& image) override;

private:
    void SurfaceSize(uint32_t& width, uint32_t& height) const override;
    GpuResult OnReset(const PresentParameters& params) override;
    void OnStateReset() override;
    void OnClear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) override;
    void OnDraw(uint32_t primitiveCount, const uint8_t* vertices, uint32_t stride) override;
    bool MakeTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                     std::unique_ptr<StoredTexture>& texture) override;
    uint32_t IdOf(const GpuTexture* texture) const;
    void Record(std::string line);

    std::shared_ptr<NullGpuRecorder> recorder_;
    uint32_t nextTextureId_ = 1;
};

}  // namespace port
