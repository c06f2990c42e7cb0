// The main window's message table.
#include "engine/platform/window_proc.h"

#include "engine/platform/device.h"
#include "engine/platform/device_layer.h"
#include "engine/platform/exit_codes.h"
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/platform/main_loop.h"
#include "engine/platform/shell_state.h"
#include "engine/platform/window_setup.h"
#include "engine/sound/sound_manager.h"
#include "port/window/input_state.h"
#include "port/window/virtual_keys.h"

namespace vrk {

namespace {

using port::MessageKind;

void OnSizeRestored(const port::WindowMessage& message)
{
    const auto width = static_cast<int32_t>(message.param1);
    const auto height = static_cast<int32_t>(message.param2);
    if ((width != 0 || height != 0) && Shell().core) Shell().core->Resize(width, height);
    DeviceLayer& devices = Devices();
    devices.deviceLost = 1;
    devices.resetWanted = 1;
}

void OnSizeMaximized(const port::WindowMessage& message)
{
    ShellState& shell = Shell();
    if (shell.fullScreen != 0) {
        OnSizeRestored(message);
        return;
    }
    shell.fullScreen = 1;
    DestroyMainWindow();
    if (CreateMainWindow(1) == 0) PostRebuildMessage();
}

void OnActivate()
{
    ShellState& shell = Shell();
    if (shell.fullScreen != 0 && shell.mainWindow) {
        if (shell.mainWindow->IsMinimized()) shell.mainWindow->Restore();
        shell.mainWindow->Raise();
    }
    // The game draws its own cursor sprite while it is active.
    port::ShowSystemCursor(false);
    if (cSoundManager* sound = GetSoundManager()) {
        sound->paused = false;
        sound->Audio().Start();
    }
    shell.lastCounter = shell.readCounter();
    shell.inactive = 0;
}

void OnDeactivate()
{
    ShellState& shell = Shell();
    shell.inactive = 1;
    if (cSoundManager* sound = GetSoundManager()) {
        sound->paused = true;
        sound->Audio().Pause();
    }
    // A full-screen window gets out of the way; the desktop keeps its own mode, as the
    // window never changes it.
    if (shell.fullScreen != 0 && shell.mainWindow) shell.mainWindow->Minimize();
    port::ShowSystemCursor(true);
}

void OnDisplayChange()
{
    DeviceLayer& devices = Devices();
    devices.deviceLost = 1;
    devices.resetWanted = 0;
    // The window layer reports the change to the device, which then asks for a Reset.
    if (devices.device) devices.device->NotifySurfaceChanged();
}

// The rebuild of window, device and drawing interface that a failed mode switch or a
// failed device reset asks for. Failing once more ends the game: nothing else would
// ever bring a window back.
void OnRebuildDevice()
{
    DestroyMainWindow();
    DX8Destroy();
    DX8Create();
    if (CreateMainWindow(Shell().fullScreen) == 0) Shell().pump.PostQuit(kExitNoWindow);
}

void OnKeyDown(int32_t virtualKey)
{
    // F1 belongs to the About box alone.
    if (virtualKey == port::vk::kF1) {
        ShowAboutBox();
        return;
    }
    if (Shell().core) Shell().core->OnKeyDown(virtualKey);
}

void OnMouse(const port::WindowMessage& message)
{
    cGame* core = Shell().core.get();
    if (core == nullptr) return;
    const int32_t x = port::PointX(message.param2);
    const int32_t y = port::PointY(message.param2);
    const auto button = static_cast<int32_t>(message.param1);
    switch (message.kind) {
    case MessageKind::kMouseMove: core->OnMouseMove(x, y); break;
    case MessageKind::kButtonDown: core->OnMouseDown(button, x, y); break;
    case MessageKind::kButtonUp: core->OnMouseUp(button, x, y); break;
    default: break;
    }
}

}  // namespace

intptr_t MainWindowProc(const port::WindowMessage& message)
{
    switch (message.kind) {
    case MessageKind::kClose: Shell().pump.PostQuit(kExitNormal); break;
    case MessageKind::kSizeRestored: OnSizeRestored(message); break;
    case MessageKind::kSizeMinimized: Shell().pump.Post(port::WindowMessage{MessageKind::kDeactivate, 0, 0}); break;
    case MessageKind::kSizeMaximized: OnSizeMaximized(message); break;
    case MessageKind::kActivate: OnActivate(); break;
    case MessageKind::kDeactivate: OnDeactivate(); break;
    case MessageKind::kDisplayChange: OnDisplayChange(); break;
    case MessageKind::kKeyDown: OnKeyDown(static_cast<int32_t>(message.param1)); break;
    case MessageKind::kChar:
        if (Shell().core) Shell().core->OnChar(static_cast<int32_t>(message.param1));
        break;
    case MessageKind::kMouseMove:
    case MessageKind::kButtonDown:
    case MessageKind::kButtonUp: OnMouse(message); break;
    case MessageKind::kTimer: FpsTimerProc(); break;
    case MessageKind::kRebuildDevice: OnRebuildDevice(); break;
    case MessageKind::kNone:
    case MessageKind::kQuit: break;
    }
    return 0;
}

}  // namespace vrk
