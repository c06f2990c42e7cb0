// What both backends' devices share: argument checks, the status rules (lost, needs
// reset), scene bracketing, the state block, the presentation parameters in force and
// the registry of live textures and depth-stencil surfaces. A backend derives from it
// and performs the GL (or recording) side in the On* hooks.
#pragma once
#include <cstdint>
#include <memory>
#include <map>

#include "port/gpu/gpu_device.h"
#include "port/gpu/gpu_state_block.h"
#include "port/gpu/stored_texture.h"

namespace port {

class DeviceBase : public GpuDevice, public TextureOwner {
public:
    ~DeviceBase() override;

    GpuResult TestCooperativeLevel() override;
    GpuResult Reset(const PresentParameters& params) override;
    const PresentParameters& GetPresentParameters() const override { return params_; }
    bool PresentWaitsForRetrace() const override { return presentWaits_; }
    GpuResult BeginScene() override;
    GpuResult EndScene() override;
    GpuResult Present() override;
    GpuResult Clear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) override;
    void NotifySurfaceChanged() override { needsReset_ = true; }
    void ForceLost(bool lost) override;
    bool GetDeviceCaps(GpuCaps& caps) const override;

    GpuResult SetViewport(const Viewport& viewport) override;
    Viewport GetViewport() const override { return state_.viewport; }
    GpuResult SetTransform(TransformKind kind, const Matrix& matrix) override;
    Matrix GetTransform(TransformKind kind) const override { return state_.GetTransform(kind); }
    GpuResult SetRenderState(RenderState state, uint32_t value) override;
    uint32_t GetRenderState(RenderState state) const override { return state_.GetRenderState(state); }
    GpuResult SetTextureStageState(uint32_t stage, StageState state, uint32_t value) override;
    uint32_t GetTextureStageState(uint32_t stage, StageState state) const override {
        return state_.GetStageState(stage, state);
    }
    GpuResult SetTexture(uint32_t stage, GpuTexture* texture) override;
    GpuTexture* GetTexture(uint32_t stage) const override;
    GpuResult SetMaterial(const Material& material) override;
    GpuResult SetVertexFormat(uint32_t fvf) override;
    uint32_t GetVertexFormat() const override { return state_.fvf; }
    GpuResult DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount, const void* vertices,
                              uint32_t stride) override;
    GpuResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                            std::unique_ptr<GpuTexture>& texture) override;
    GpuResult GetDepthStencilSurface(std::unique_ptr<GpuSurface>& surface) override;
    GpuResult CreateDepthStencilSurface(uint32_t width, uint32_t height, GpuFormat format,
                                        uint32_t multiSampleType,
                                        std::unique_ptr<GpuSurface>& surface) override;

    void OnTextureDestroyed(StoredTexture* texture) override;

    // Byte layout of a vertex format: offsets of its parts (-1 when absent) and size.
    struct VertexLayout {
        int32_t normal = -1;
        int32_t diffuse = -1;
        int32_t texCoord = -1;
        uint32_t texCoordCount = 0;
        uint32_t size = 0;
    };
    static VertexLayout LayoutOf(uint32_t fvf);

protected:
    DeviceBase(const PresentParameters& params, const GpuCaps& caps);

    // The size the surface offers now (the drawable of a window).
    virtual void SurfaceSize(uint32_t& width, uint32_t& height) const = 0;
    // Called first in Reset, with the new parameters; a failure ends the Reset.
    virtual GpuResult OnReset(const PresentParameters& /*params*/) { return kGpuOk; }
    // The state block was put back to its initial values (creation and Reset).
    virtual void OnStateReset() {}
    virtual GpuResult OnPresent() { return kGpuOk; }
    virtual void OnClear(uint32_t /*flags*/, uint32_t /*argb*/, float /*z*/, uint32_t /*stencil*/) {}
    virtual void OnViewport() {}
    virtual void OnRenderState(RenderState /*state*/, uint32_t /*value*/) {}
    virtual void OnMaterial() {}
    virtual void OnDraw(uint32_t /*primitiveCount*/, const uint8_t* /*vertices*/, uint32_t /*stride*/) {}
    // Makes the backend's texture; false when the backend cannot hold the format.
    virtual bool MakeTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                             std::unique_ptr<StoredTexture>& texture) = 0;

    // Fills the back-buffer size of params_ and resets the state block. Backends call
    // it once their own set-up at creation is done.
    void StartWithParameters(const PresentParameters& params);
    // Cuts every live texture loose from the device (their GPU side is dropped).
    void DetachAllTextures();

    GpuStateBlock state_;
    PresentParameters params_;
    GpuCaps caps_;
    bool inScene_ = false;
    // Set by the backend whenever it applies the parameters (OnStateReset).
    bool presentWaits_ = false;

private:
    bool forcedLost_ = false;
    bool needsReset_ = false;
    bool sizeFromSurface_ = false;  // windowed with a 0 x 0 request: follow the surface
    // Keyed by the interface pointer so foreign pointers are recognised without a cast.
    std::map<const GpuTexture*, StoredTexture*> textures_;
    std::shared_ptr<uint32_t> liveSurfaces_ = std::make_shared<uint32_t>(0);
};

}  // namespace port
