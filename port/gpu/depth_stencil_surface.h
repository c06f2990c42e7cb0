// A depth-stencil surface record shared by both backends. Neither backend gives it GL
// storage (the device asks for no depth buffer); it carries its size and format and
// keeps a count of live surfaces so the device can refuse a Reset while one exists.
#pragma once
#include <cstdint>
#include <memory>

#include "port/gpu/gpu_texture.h"

namespace port {

class DepthStencilSurface : public GpuSurface {
public:
    DepthStencilSurface(const SurfaceDesc& desc, std::shared_ptr<uint32_t> liveCount)
        : desc_(desc), liveCount_(std::move(liveCount)) {
        ++*liveCount_;
    }
    ~DepthStencilSurface() override { --*liveCount_; }
    DepthStencilSurface(const DepthStencilSurface&) = delete;
    DepthStencilSurface& operator=(const DepthStencilSurface&) = delete;

    SurfaceDesc GetDesc() const override { return desc_; }

private:
    SurfaceDesc desc_;
    std::shared_ptr<uint32_t> liveCount_;  // shared with the device, which may go first
};

}  // namespace port
