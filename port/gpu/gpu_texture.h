// A texture or depth-stencil surface living on a drawing device. The device keeps a CPU
// copy of every texture level: a lock hands out that copy (tightly packed, so the pitch
// equals the row size) and the unlock of a writable lock sends the level to the GPU.
// Textures are managed: they survive a device Reset and need no re-creation.
#pragma once
#include <cstdint>

#include "port/gpu/gpu_types.h"

namespace port {

class GpuTexture {
public:
    virtual ~GpuTexture() = default;

    virtual uint32_t GetLevelCount() const = 0;
    // kGpuInvalidCall for a level the texture does not have.
    virtual GpuResult GetLevelDesc(uint32_t level, SurfaceDesc& desc) const = 0;
    // flags: 0 or kLockReadOnly. A level can be locked once at a time (kGpuInvalidCall
    // otherwise). For DXT formats the pitch is the size of one row of 4x4 blocks.
    virtual GpuResult LockRect(uint32_t level, LockedRect& locked, uint32_t flags) = 0;
    virtual GpuResult UnlockRect(uint32_t level) = 0;
};

// A depth-stencil surface. It holds no pixels the engine can reach; it exists so the
// engine can keep, size and release it as the device's rules require (every such
// surface must be gone before a Reset).
class GpuSurface {
public:
    virtual ~GpuSurface() = default;
    virtual SurfaceDesc GetDesc() const = 0;
};

}  // namespace port
