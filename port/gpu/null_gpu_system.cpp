// The recording backend's entry: answers from the test's configuration.
#include "port/gpu/null_gpu_system.h"

#include <string>

#include "port/gpu/null_device.h"
#include "port/gpu/stored_texture.h"

namespace port {

size_t NullGpuRecorder::Count(const std::string& prefix) const {
    size_t count = 0;
    for (const std::string& line : calls) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
    return count;
}

NullGpuSystem::NullGpuSystem(std::shared_ptr<NullGpuRecorder> recorder) : recorder_(std::move(recorder)) {}

bool NullGpuSystem::GetDisplayMode(DisplayMode& mode) {
    if (recorder_->config.displayModeFails) return false;
    mode = recorder_->config.displayMode;
    return true;
}

bool NullGpuSystem::CheckDeviceFormat(GpuFormat /*displayFormat*/, uint32_t usage, uint32_t resourceType,
                                      GpuFormat checkFormat) {
    if (usage == kUsageDepthStencil) {
        return recorder_->config.depthFormatSupported && resourceType == kResourceSurface &&
               checkFormat == kFormatD16;
    }
    return resourceType == kResourceTexture && IsTextureFormat(checkFormat);
}

bool NullGpuSystem::CheckDepthStencilMatch(GpuFormat /*displayFormat*/, GpuFormat /*backBufferFormat*/,
                                           GpuFormat depthFormat) {
    return recorder_->config.depthMatchSupported && depthFormat == kFormatD16;
}

GpuResult NullGpuSystem::CreateDevice(uint32_t behaviour, const PresentParameters& params,
                                      std::unique_ptr<GpuDevice>& device) {
    recorder_->calls.push_back("CreateDevice " + std::to_string(behaviour));
    device.reset();
    if (recorder_->config.failingBehaviours & behaviour) return kGpuNotAvailable;
    device = std::make_unique<NullDevice>(params, recorder_);
    return kGpuOk;
}

bool NullGpuSystem::GetDeviceCaps(GpuCaps& caps) {
    if (recorder_->config.capsFail) return false;
    caps = recorder_->config.caps;
    return true;
}

}  // namespace port
