// The drawing device layer over port/gpu: interface, device creation with fallback,
// presentation parameters, depth-stencil surface, and the per-frame lost-device checks.
#include "engine/platform/device.h"

#include <chrono>
#include <thread>

#include "engine/log/log.h"
#include "engine/platform/device_layer.h"
#include "engine/platform/gpu_library.h"
#include "engine/platform/shell_state.h"
#include "engine/render/render.h"

namespace vrk {

namespace {

const char* const kSender = "DX8";
const char* const kIndentedSender = "  DX8";
const char* const kRenderSender = "cRender";
const char* const kError = "^4";
const char* const kWarning = "^5";
const char* const kText = "^6";

// A lost device is looked at again after this pause, not in a busy loop.
constexpr uint32_t kLostDevicePauseMs = 100;

// Creation is tried with these vertex-processing modes, in this order.
constexpr uint32_t kBehaviours[] = {
    port::kCreateHardwareVertexProcessing,
    port::kCreateMixedVertexProcessing,
    port::kCreateSoftwareVertexProcessing,
};

void SleepMilliseconds(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The renderer draws with copies of the device, the parameters and the surface; every
// change of them ends here.
void CopyIntoRenderer()
{
    DeviceLayer& layer = Devices();
    if (cRender* render = GetRender())
        render->CopyDevice(layer.device.get(), layer.presentParameters, layer.depthStencil.get());
}

FormatArg Code(port::GpuResult result) { return FormatArg::FromInt(result); }

// Frames wait for the retrace unless the driver refuses; then the device paces a window's
// presents to the display's refresh itself, which is worth a line, once.
void NoteRetraceRefusal()
{
    DeviceLayer& layer = Devices();
    if (!layer.device || layer.retraceRefusalLogged || layer.device->PresentWaitsForRetrace()) return;
    if (layer.presentParameters.presentationInterval == port::kPresentIntervalImmediate) return;
    layer.retraceRefusalLogged = true;
    LogWrite(kSender, kWarning, "The driver does not wait for the vertical retrace: presents are paced to the display's refresh");
}

}  // namespace

DeviceLayer& Devices()
{
    static DeviceLayer layer;
    if (!layer.sleep) layer.sleep = &SleepMilliseconds;
    return layer;
}

void SetGpuLibrary(GpuLibrary* library) { Devices().library = library; }

port::GpuFormat BackBufferFormatFor(port::GpuFormat desktopFormat)
{
    return desktopFormat == port::kFormatX8R8G8B8 ? port::kFormatA8R8G8B8 : port::kFormatR5G6B5;
}

bool DX8Create()
{
    DeviceLayer& layer = Devices();
    if (layer.system) return true;
    if (layer.library == nullptr || !layer.library->Load()) {
        LogWrite(kSender, kError, "d3d8.dll not found");
        return false;
    }
    layer.libraryLoaded = true;
    layer.system = layer.library->CreateSystem();
    if (!layer.system)
        LogWrite(kSender, kError, "Direct3DCreate8 return NULL. IDirect3D8 driver not found");
    return layer.system != nullptr;
}

void DX8Destroy()
{
    DeviceLayer& layer = Devices();
    if (layer.device) {
        LogWrite(kSender, kWarning, "DX8Destroy(). Device not freed!");
        // The device's objects live in the library about to be unloaded.
        DX8ReleaseDevice();
    }
    layer.system.reset();
    if (layer.libraryLoaded && layer.library != nullptr) layer.library->Unload();
    layer.libraryLoaded = false;
}

int DX8FillPresentParameters()
{
    DeviceLayer& layer = Devices();
    if (!layer.system) return 0;
    port::PresentParameters& params = layer.presentParameters;
    params = port::PresentParameters{};
    port::DisplayMode desktop;
    if (!layer.system->GetDisplayMode(desktop)) return 0;

    const bool fullScreen = Shell().fullScreen != 0;
    params.deviceWindow = Shell().mainWindow.get();
    params.windowed = fullScreen ? 0 : 1;
    params.backBufferCount = 1;
    params.swapEffect = port::kSwapEffectCopy;
    params.multiSampleType = 0;
    if (fullScreen) {
        params.backBufferWidth = desktop.width;
        params.backBufferHeight = desktop.height;
    }
    params.backBufferFormat = BackBufferFormatFor(desktop.format);
    if (params.backBufferFormat == port::kFormatR5G6B5) {
        params.enableAutoDepthStencil = 1;
        params.autoDepthStencilFormat = port::kFormatD16;
        if (!layer.system->CheckDeviceFormat(desktop.format, port::kUsageDepthStencil,
                                             port::kResourceSurface, port::kFormatD16)) {
            LogWrite(kSender, kWarning,
                     "Device does not support stencilbuffer, disabling stencil buffer.");
        } else if (!layer.system->CheckDepthStencilMatch(desktop.format, params.backBufferFormat,
                                                         port::kFormatD16)) {
            LogWrite(kSender, kWarning,
                     "Depth-stencil format is not compatible with display format, disabling "
                     "stencil buffer.");
        }
    }
    return 1;
}

int DX8CreateDevice()
{
    DeviceLayer& layer = Devices();
    if (DX8FillPresentParameters() == 0) return 0;
    int32_t attempt = 0;
    for (const uint32_t behaviour : kBehaviours) {
        LogWrite(kIndentedSender, kText, "Attempt #%i to create Direct3D device",
                 FormatArg::FromInt(attempt++));
        layer.device.reset();
        if (layer.system->CreateDevice(behaviour, layer.presentParameters, layer.device) >= 0 &&
            layer.device)
            break;
        layer.device.reset();
    }
    if (!layer.device) {
        LogWrite(kSender, kError, "Was not able to create Direct3D8 device");
        return 0;
    }
    if (!layer.system->GetDeviceCaps(layer.caps)) LogWrite(kSender, kWarning, "Can't get Direct3D caps");
    NoteRetraceRefusal();
    d3dRecreateDepthStencil();
    return 1;
}

int d3dRecreateDepthStencil()
{
    DeviceLayer& layer = Devices();
    if (!layer.device) return 0;
    layer.depthStencil.reset();
    if (layer.presentParameters.enableAutoDepthStencil == 0) {
        LogWrite(kSender, kText, "Depth&stencil surface not used");
    } else {
        port::SurfaceDesc desc;
        std::unique_ptr<port::GpuSurface> backBufferDepth;
        if (layer.device->GetDepthStencilSurface(backBufferDepth) >= 0 && backBufferDepth) {
            desc = backBufferDepth->GetDesc();
        } else {
            LogWrite(kSender, kWarning, "d3dRecreateDepthStencil. Can't get backbuffer surface");
        }
        backBufferDepth.reset();
        if (layer.device->CreateDepthStencilSurface(desc.width, desc.height, port::kFormatD16, 0,
                                                    layer.depthStencil) < 0) {
            layer.depthStencil.reset();
            LogWrite(kSender, kWarning,
                     "d3dRecreateDepthStencil. Can't create 16bit depth&stencil surface");
        }
    }
    CopyIntoRenderer();
    return 1;
}

void DX8ReleaseDevice()
{
    DeviceLayer& layer = Devices();
    layer.depthStencil.reset();
    layer.device.reset();
    CopyIntoRenderer();
}

int Begin()
{
    DeviceLayer& layer = Devices();
    if (!layer.device) return 0;
    if (layer.deviceLost != 0) {
        layer.sleep(kLostDevicePauseMs);
        const port::GpuResult status = layer.device->TestCooperativeLevel();
        if (status == port::kGpuDeviceLost) {
            LogWrite(kSender, kText, "Begin. TestCooperativeLevel return 'device lost'");
            return 0;
        }
        if (status == port::kGpuDeviceNotReset || layer.resetWanted != 0) {
            layer.resetWanted = 0;
            LogWrite(kSender, kText, "Begin. TestCooperativeLevel return 'device not reset'");
            layer.depthStencil.reset();
            port::DisplayMode desktop;
            if (layer.system && layer.system->GetDisplayMode(desktop))
                layer.presentParameters.backBufferFormat = BackBufferFormatFor(desktop.format);
            if (layer.device->Reset(layer.presentParameters) < 0) {
                CopyIntoRenderer();  // the surface it knew is gone
                PostRebuildMessage();
                return 0;
            }
            NoteRetraceRefusal();
            d3dRecreateDepthStencil();
            if (cRender* render = GetRender()) render->SetHardwareDefaults();
            // The lost flag stays: the next frame looks at the device again first.
            return 0;
        }
        if (status < 0) {
            LogWrite(kSender, kWarning, "Begin. TestCooperativeLevel return code: 0x%08X", Code(status));
            return 0;
        }
        layer.deviceLost = 0;
    }
    const port::GpuResult begun = layer.device->BeginScene();
    if (begun < 0) {
        LogWrite(kSender, kWarning, "Begin. BeginScene failed. Return code: 0x%08X", Code(begun));
        return 0;
    }
    return 1;
}

void End()
{
    DeviceLayer& layer = Devices();
    if (!layer.device) return;
    const port::GpuResult result = layer.device->EndScene();
    if (result < 0)
        LogWrite(kRenderSender, kWarning, "End. EndScene failed. Return code: 0x%08X", Code(result));
}

void SwapBuffers()
{
    DeviceLayer& layer = Devices();
    if (!layer.device) return;
    const port::GpuResult result = layer.device->Present();
    if (result == port::kGpuDeviceLost) {
        LogWrite(kRenderSender, kText, "SwapBuffers. Device lost");
        layer.deviceLost = 1;
    } else if (result < 0) {
        LogWrite(kRenderSender, kWarning, "SwapBuffers. Present failed. Return code: 0x%08X",
                 Code(result));
    }
}

}  // namespace vrk
