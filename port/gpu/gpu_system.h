// The entry to a drawing backend: the desktop's display mode, format checks and device
// creation. CreateGlGpuSystem gives the OpenGL 2.1 backend; port/gpu/null_gpu_system.h
// gives the recording backend for tests.
#pragma once
#include <memory>

#include "port/gpu/gpu_device.h"

namespace port {

class GpuSystem {
public:
    virtual ~GpuSystem() = default;

    virtual bool GetDisplayMode(DisplayMode& mode) = 0;
    // usage 0 or kUsageDepthStencil; resourceType kResourceSurface or kResourceTexture.
    virtual bool CheckDeviceFormat(GpuFormat displayFormat, uint32_t usage, uint32_t resourceType,
                                   GpuFormat checkFormat) = 0;
    virtual bool CheckDepthStencilMatch(GpuFormat displayFormat, GpuFormat backBufferFormat,
                                        GpuFormat depthFormat) = 0;
    // behaviour: one of kCreate*VertexProcessing. The surface in params must outlive the
    // device. On failure the device stays empty and the result says why.
    virtual GpuResult CreateDevice(uint32_t behaviour, const PresentParameters& params,
                                   std::unique_ptr<GpuDevice>& device) = 0;
    // The capabilities of the device the system creates (known after the first device).
    virtual bool GetDeviceCaps(GpuCaps& caps) = 0;
};

// The OpenGL 2.1 backend. Null when the video subsystem is unavailable.
std::unique_ptr<GpuSystem> CreateGlGpuSystem();

}  // namespace port
