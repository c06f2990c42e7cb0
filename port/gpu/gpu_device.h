// The drawing device: frames, states and drawing of a fixed-function pipeline with four
// texture stages, triangle lists drawn from client memory. All state ids and values are
// the numbers of port/gpu/gpu_constants.h; a backend translates them.
//
// Initial state (after creation and after every Reset) is the classic device's default:
// lighting on, cull counter-clockwise, Z test on only with an automatic depth-stencil,
// Z function less-equal, alpha test and blending off, blend ONE/ZERO/ADD, texture factor
// opaque white; stage 0 colour MODULATE(texture, current) and alpha SELECTARG1(texture),
// stages 1-3 disabled; every stage point-filtered, wrapped, texture transform off;
// identity transforms; viewport the whole back buffer.
//
// Status: the device is usable (kGpuOk), lost (kGpuDeviceLost: Reset fails, keep
// waiting) or needs a Reset (kGpuDeviceNotReset). A size or display change reported by
// NotifySurfaceChanged makes it need a Reset.
#pragma once
#include <cstdint>
#include <memory>

#include "port/gpu/gpu_texture.h"
#include "port/gpu/gpu_types.h"

namespace port {

class GpuDevice {
public:
    virtual ~GpuDevice() = default;

    // ---- status and frames ----
    virtual GpuResult TestCooperativeLevel() = 0;
    // Applies new parameters (a windowed 0 x 0 back buffer takes the drawable size) and
    // puts every state back to the initial state. Fails with kGpuDeviceLost while lost
    // and kGpuInvalidCall while a depth-stencil surface still exists.
    virtual GpuResult Reset(const PresentParameters& params) = 0;
    // The parameters in force, with the real back-buffer size filled in.
    virtual const PresentParameters& GetPresentParameters() const = 0;
    virtual GpuResult BeginScene() = 0;  // kGpuInvalidCall when a scene is already open
    virtual GpuResult EndScene() = 0;    // kGpuInvalidCall when no scene is open
    // Shows the back buffer. Windowed or full screen, it waits for the vertical retrace
    // unless the interval is kPresentIntervalImmediate or the driver refuses to wait.
    virtual GpuResult Present() = 0;
    // Whether Present waits for the retrace under the parameters in force: false when
    // they ask for immediate presents or when the driver refused every waiting kind.
    virtual bool PresentWaitsForRetrace() const = 0;
    // Clears the viewport rectangle; flags are kClearTarget/kClearZBuffer/kClearStencil.
    virtual GpuResult Clear(uint32_t flags, uint32_t argb, float z, uint32_t stencil) = 0;

    // The window layer reports a resize or a display change: the device needs a Reset.
    virtual void NotifySurfaceChanged() = 0;
    // Test hook: while set the device reports lost; clearing it leaves it needing a Reset.
    virtual void ForceLost(bool lost) = 0;

    virtual bool GetDeviceCaps(GpuCaps& caps) const = 0;

    // ---- states ----
    virtual GpuResult SetViewport(const Viewport& viewport) = 0;
    virtual Viewport GetViewport() const = 0;
    virtual GpuResult SetTransform(TransformKind kind, const Matrix& matrix) = 0;
    virtual Matrix GetTransform(TransformKind kind) const = 0;
    virtual GpuResult SetRenderState(RenderState state, uint32_t value) = 0;
    virtual uint32_t GetRenderState(RenderState state) const = 0;
    virtual GpuResult SetTextureStageState(uint32_t stage, StageState state, uint32_t value) = 0;
    virtual uint32_t GetTextureStageState(uint32_t stage, StageState state) const = 0;
    // Binds a texture of this device to a stage (nullptr unbinds). A stage with no
    // texture reads opaque white as its texture, so untextured drawing shows the vertex
    // colour. A texture destroyed while bound is unbound.
    virtual GpuResult SetTexture(uint32_t stage, GpuTexture* texture) = 0;
    virtual GpuTexture* GetTexture(uint32_t stage) const = 0;
    virtual GpuResult SetMaterial(const Material& material) = 0;
    // kFvf* bits. Positions are required; vertices without a colour are opaque white.
    virtual GpuResult SetVertexFormat(uint32_t fvf) = 0;
    virtual uint32_t GetVertexFormat() const = 0;

    // ---- drawing ----
    // Only kPrimitiveTriangleList; reads primitiveCount * 3 vertices of `stride` bytes.
    virtual GpuResult DrawPrimitiveUP(uint32_t primitiveType, uint32_t primitiveCount,
                                      const void* vertices, uint32_t stride) = 0;

    // ---- resources ----
    // levels 0 asks for the full mipmap chain. Formats: L8, A8L8, R5G6B5, X8R8G8B8,
    // A8R8G8B8 and, when the caps say so, DXT1/3/5; others give kGpuNotAvailable.
    virtual GpuResult CreateTexture(uint32_t width, uint32_t height, uint32_t levels,
                                    GpuFormat format, std::unique_ptr<GpuTexture>& texture) = 0;
    // The automatic depth-stencil surface (kGpuNotAvailable when there is none).
    virtual GpuResult GetDepthStencilSurface(std::unique_ptr<GpuSurface>& surface) = 0;
    virtual GpuResult CreateDepthStencilSurface(uint32_t width, uint32_t height, GpuFormat format,
                                                uint32_t multiSampleType,
                                                std::unique_ptr<GpuSurface>& surface) = 0;

    // Copies the back buffer as drawn so far this frame (call before Present).
    virtual bool ReadBackBuffer(BackBufferImage& image) = 0;
};

}  // namespace port
