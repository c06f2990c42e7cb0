// The OpenGL 2.1 (compatibility profile, fixed function) device. It draws into a
// GlSurface and requests no depth buffer. States are sent as they are set, except the
// texture stages and transforms, which are sent at the next draw (they depend on one
// another and on the bound textures).
#pragma once
#include <GL/gl.h>

#include <memory>
#include <vector>

#include "port/gpu/device_base.h"
#include "port/gpu/gl_functions.h"
#include "port/gpu/present_pacer.h"

namespace port {

class GlSurface;

class GlDevice final : public DeviceBase {
public:
    // Makes the surface's context current, loads the GL entry points and sets the
    // initial state. kGpuNotAvailable when the context is unusable or older than 2.1.
    static GpuResult Create(const PresentParameters& params, std::unique_ptr<GpuDevice>& device,
                            GpuCaps& caps);
    ~GlDevice() override;

    bool ReadBackBuffer(BackBufferImage& image) override;

private:
    GlDevice(const PresentParameters& params, const GpuCaps& caps, const GlFunctions& functions);

    void SurfaceSize(uint32_t& width, uint32_t& height) const override;
    GpuResult OnReset(const PresentParameters& params) override;
    void OnStateReset() override;
    GpuResult OnPresent() override;
    void OnClear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) override;
    void OnViewport() override;
    void OnRenderState(RenderState state, uint32_t value) override;
    void OnMaterial() override;
    void OnDraw(uint32_t primitiveCount, const uint8_t* vertices, uint32_t stride) override;
    bool MakeTexture(uint32_t width, uint32_t height, uint32_t levels, GpuFormat format,
                     std::unique_ptr<StoredTexture>& texture) override;

    void ApplySwapInterval();
    void FlushTransforms();
    void FlushStages();
    void BindStageTextures();
    void SetVertexArrays(uint32_t vertexCount, const uint8_t* vertices, uint32_t stride);

    GlFunctions gl_;
    GLuint whiteTexture_ = 0;  // what a stage without a texture reads
    uint32_t units_ = 1;       // texture units in use: min(stages, GL fixed-function units)
    uint32_t activeStages_ = 0;
    std::vector<uint8_t> colors_;  // vertex colours converted to R,G,B,A bytes
    // Where the driver takes no swap interval, presents wait here instead of at the
    // retrace; at once when presenting at once was asked for.
    PresentPacer pacer_;
    bool pacePresents_ = false;
};

}  // namespace port
