// The recording backend for tests: no pixels, every device call appended to a shared
// recorder as one line of text, and a configuration through which a test decides what
// the "hardware" answers (display mode, format checks, which creation behaviours fail,
// the surface size, Reset failures). The recorder outlives system and device, so a test
// keeps a pointer to it and reads the lines afterwards.
//
// Call lines (numbers in decimal unless noted):
//   "CreateDevice <behaviour>" "TestCooperativeLevel" "Reset <w> <h>" "BeginScene" "EndScene"
//   "Present" "Clear <flags> 0x<ARGB>" "SetViewport <x> <y> <w> <h>" "SetTransform <kind>"
//   "SetRenderState <id> <value>" "SetTextureStageState <stage> <id> <value>"
//   "SetTexture <stage> <texture id or 0>" "SetMaterial" "SetVertexFormat 0x<fvf>"
//   "DrawPrimitiveUP <type> <count> <stride>" "CreateTexture <w> <h> <levels> <format> -> <id>"
//   "UnlockRect <texture id> <level>" "GetDepthStencilSurface" "CreateDepthStencilSurface <w> <h>"
// Texture ids count from 1 per device.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "port/gpu/gpu_system.h"

namespace port {

struct NullGpuConfig {
    bool displayModeFails = false;
    DisplayMode displayMode{1024, 768, 60, kFormatX8R8G8B8};
    bool depthFormatSupported = true;
    bool depthMatchSupported = true;
    uint32_t failingBehaviours = 0;  // kCreate*VertexProcessing bits that fail to create
    bool capsFail = false;
    GpuCaps caps{2048, 2048, kMaxTextureStages, kMaxTextureStages, true};
    // The drawable size a windowed 0 x 0 back buffer takes; change it and call
    // NotifySurfaceChanged (or let TestCooperativeLevel notice) to model a resize.
    uint32_t surfaceWidth = 800;
    uint32_t surfaceHeight = 600;
    GpuResult resetResult = kGpuOk;  // what Reset answers when it would otherwise work
    bool retraceRefused = false;     // the driver presents at once whatever is asked
};

struct NullDraw {
    uint32_t primitiveCount = 0;
    uint32_t stride = 0;
    uint32_t fvf = 0;
    uint32_t textureId = 0;  // of stage 0, 0 for none
    std::vector<uint8_t> vertices;
};

struct NullGpuRecorder {
    NullGpuConfig config;
    std::vector<std::string> calls;
    std::vector<NullDraw> draws;
    uint32_t lastClearColor = 0;  // what ReadBackBuffer fills the picture with

    void Clear() {
        calls.clear();
        draws.clear();
    }
    // How many recorded lines start with `prefix`.
    size_t Count(const std::string& prefix) const;
};

class NullGpuSystem final : public GpuSystem {
public:
    explicit NullGpuSystem(std::shared_ptr<NullGpuRecorder> recorder = std::make_shared<NullGpuRecorder>());

    NullGpuRecorder& Recorder() { return *recorder_; }
    std::shared_ptr<NullGpuRecorder> SharedRecorder() const { return recorder_; }

    bool GetDisplayMode(DisplayMode& mode) override;
    bool CheckDeviceFormat(GpuFormat displayFormat, uint32_t usage, uint32_t resourceType,
                           GpuFormat checkFormat) override;
    bool CheckDepthStencilMatch(GpuFormat displayFormat, GpuFormat backBufferFormat,
                                GpuFormat depthFormat) override;
    GpuResult CreateDevice(uint32_t behaviour, const PresentParameters& params,
                           std::unique_ptr<GpuDevice>& device) override;
    bool GetDeviceCaps(GpuCaps& caps) override;

private:
    std::shared_ptr<NullGpuRecorder> recorder_;
};

}  // namespace port
