// Where the device layer gets its drawing backend from: the shell installs the
// system's OpenGL, tests a recording backend.
#pragma once
#include <memory>

namespace port {
class GpuSystem;
}

namespace vrk {

class GpuLibrary {
public:
    virtual ~GpuLibrary() = default;
    // Loads the drawing library; false when it is missing.
    virtual bool Load() = 0;
    virtual void Unload() = 0;
    // The backend's entry; null when it cannot be had.
    virtual std::unique_ptr<port::GpuSystem> CreateSystem() = 0;
};

}  // namespace vrk
