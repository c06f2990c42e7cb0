// The OpenGL backend behind the device layer.
#include "engine/platform/system_gpu_library.h"

#include "port/gpu/gpu_system.h"
#include "port/window/video_system.h"

namespace vrk {

bool SystemGpuLibrary::Load() { return video_.LoadGlLibrary(); }

void SystemGpuLibrary::Unload() { video_.UnloadGlLibrary(); }

std::unique_ptr<port::GpuSystem> SystemGpuLibrary::CreateSystem() { return port::CreateGlGpuSystem(); }

}  // namespace vrk
