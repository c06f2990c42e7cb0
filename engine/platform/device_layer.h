// The state of the drawing device layer: the backend's interface, the one device, its
// presentation parameters and capabilities, the depth-stencil surface, and the lost and
// reset flags that the window procedure and the frame code share.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include "port/gpu/gpu_system.h"

namespace vrk {

class GpuLibrary;

struct DeviceLayer {
    GpuLibrary* library = nullptr;  // not owned
    bool libraryLoaded = false;
    std::unique_ptr<port::GpuSystem> system;
    std::unique_ptr<port::GpuDevice> device;
    // Set on a resize or display change and by a lost Present; cleared by Begin once
    // the device is usable.
    int32_t deviceLost = 0;
    // Forces a Reset at the next Begin even when the device is not lost (resize).
    int32_t resetWanted = 0;
    port::PresentParameters presentParameters;
    port::GpuCaps caps;
    std::unique_ptr<port::GpuSurface> depthStencil;
    // A driver's refusal to wait for the retrace is logged once a run.
    bool retraceRefusalLogged = false;
    // How Begin waits while the device is lost; tests replace it.
    std::function<void(uint32_t milliseconds)> sleep;
};

// The layer's one state.
DeviceLayer& Devices();

// The back-buffer format for a desktop format: 32-bit for a 32-bit desktop, else 16.
port::GpuFormat BackBufferFormatFor(port::GpuFormat desktopFormat);

}  // namespace vrk
