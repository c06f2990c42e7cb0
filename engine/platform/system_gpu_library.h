// The drawing library the game runs with: the system's OpenGL, loaded through the
// video system.
#pragma once
#include "engine/platform/gpu_library.h"

namespace port {
class VideoSystem;
}

namespace vrk {

class SystemGpuLibrary final : public GpuLibrary {
public:
    explicit SystemGpuLibrary(port::VideoSystem& video) : video_(video) {}

    bool Load() override;
    void Unload() override;
    std::unique_ptr<port::GpuSystem> CreateSystem() override;

private:
    port::VideoSystem& video_;
};

}  // namespace vrk
