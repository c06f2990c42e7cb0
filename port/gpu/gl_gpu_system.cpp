// The OpenGL backend's entry: the desktop mode from SDL, format checks and device
// creation. GL has no vertex-processing choice, so every behaviour creates the same
// device.
#include <SDL2/SDL.h>

#include "port/gpu/gl_device.h"
#include "port/gpu/gpu_system.h"
#include "port/gpu/stored_texture.h"

namespace port {

namespace {

constexpr int kPrimaryDisplay = 0;
constexpr uint32_t kTrueColourBits = 24;

bool IsDisplayFormat(GpuFormat format) { return format == kFormatX8R8G8B8 || format == kFormatR5G6B5; }

bool IsBackBufferFormat(GpuFormat format) {
    return IsDisplayFormat(format) || format == kFormatA8R8G8B8;
}

class GlGpuSystem final : public GpuSystem {
public:
    explicit GlGpuSystem(bool ownsVideo) : ownsVideo_(ownsVideo) {}
    ~GlGpuSystem() override {
        if (ownsVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    GlGpuSystem(const GlGpuSystem&) = delete;
    GlGpuSystem& operator=(const GlGpuSystem&) = delete;

    bool GetDisplayMode(DisplayMode& mode) override {
        SDL_DisplayMode desktop{};
        if (SDL_GetDesktopDisplayMode(kPrimaryDisplay, &desktop) != 0) return false;
        mode.width = static_cast<uint32_t>(desktop.w);
        mode.height = static_cast<uint32_t>(desktop.h);
        mode.refreshRate = static_cast<uint32_t>(desktop.refresh_rate);
        // A driver that names no pixel format (offscreen) is taken as true colour.
        const uint32_t bits = SDL_BITSPERPIXEL(desktop.format);
        mode.format = (bits == 0 || bits >= kTrueColourBits) ? kFormatX8R8G8B8 : kFormatR5G6B5;
        return true;
    }

    bool CheckDeviceFormat(GpuFormat displayFormat, uint32_t usage, uint32_t resourceType,
                           GpuFormat checkFormat) override {
        if (!IsDisplayFormat(displayFormat)) return false;
        if (usage == kUsageDepthStencil) {
            return resourceType == kResourceSurface && checkFormat == kFormatD16;
        }
        if (resourceType != kResourceTexture || !IsTextureFormat(checkFormat)) return false;
        return !IsCompressedFormat(checkFormat) || (haveCaps_ && caps_.compressedTextures);
    }

    bool CheckDepthStencilMatch(GpuFormat displayFormat, GpuFormat backBufferFormat,
                                GpuFormat depthFormat) override {
        return IsDisplayFormat(displayFormat) && IsBackBufferFormat(backBufferFormat) &&
               depthFormat == kFormatD16;
    }

    GpuResult CreateDevice(uint32_t behaviour, const PresentParameters& params,
                           std::unique_ptr<GpuDevice>& device) override {
        device.reset();
        if (behaviour != kCreateHardwareVertexProcessing && behaviour != kCreateMixedVertexProcessing &&
            behaviour != kCreateSoftwareVertexProcessing) {
            return kGpuInvalidCall;
        }
        GpuCaps caps;
        const GpuResult result = GlDevice::Create(params, device, caps);
        if (result == kGpuOk) {
            caps_ = caps;
            haveCaps_ = true;
        }
        return result;
    }

    bool GetDeviceCaps(GpuCaps& caps) override {
        if (haveCaps_) caps = caps_;
        return haveCaps_;
    }

private:
    bool ownsVideo_;
    bool haveCaps_ = false;
    GpuCaps caps_;
};

}  // namespace

std::unique_ptr<GpuSystem> CreateGlGpuSystem() {
    bool ownsVideo = false;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
        ownsVideo = true;
    }
    return std::make_unique<GlGpuSystem>(ownsVideo);
}

}  // namespace port
