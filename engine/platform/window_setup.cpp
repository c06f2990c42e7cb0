// Main window and device creation and destruction.
#include "engine/platform/window_setup.h"

#include <string>

#include "engine/log/log.h"
#include "engine/platform/device.h"
#include "engine/platform/shell_state.h"
#include "engine/platform/window_layout.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"

namespace vrk {

namespace {

const char* const kSender = "cGame";
const char* const kError = "^4";
const char* const kText = "^6";

}  // namespace

int CreateMainWindow(int32_t fullScreen)
{
    ShellState& shell = Shell();
    shell.fullScreen = fullScreen != 0 ? 1 : 0;
    LogWrite(kSender, kText, "CreateWindow Started...");

    port::WindowParams params;
    params.title = shell.title;
    params.fullScreen = shell.fullScreen != 0;
    if (params.fullScreen) {
        DesktopSize(params.clientWidth, params.clientHeight);
        params.x = 0;
        params.y = 0;
    } else {
        WindowLayout layout;
        if (DesktopWindowedLayout(layout)) {
            params.clientWidth = layout.clientWidth;
            params.clientHeight = layout.clientHeight;
            params.x = layout.x;
            params.y = layout.y;
        }
    }

    std::string error;
    shell.mainWindow = port::MainWindow::Create(params, &error);
    if (!shell.mainWindow) {
        LogWrite(kSender, kError, "CreateWindowEx failed!");
        LogWrite(kSender, kError, "%s", FormatArg::FromString(error));
        return 0;
    }
    LogWrite(kSender, kText, "CreateWindowEx... Ok");

    shell.mainWindow->Show();
    shell.mainWindow->Raise();
    LogWrite(kSender, kText, "Resizing and Updating Window... Ok");

    if (DX8CreateDevice() == 0) return 0;

    LogWrite("  cRender", kText, "Change viewport. Ok");
    if (cRender* render = GetRender()) render->SetHardwareDefaults();
    RestoreAllTextures();
    return 1;
}

void DestroyMainWindow()
{
    ShellState& shell = Shell();
    ReleaseAllTextures();
    if (cRender* render = GetRender()) render->ClearScreenRect();
    LogWrite("cRender", kText, "Render is Free");

    DX8ReleaseDevice();

    shell.mainWindow.reset();
    LogWrite(kSender, kText, "DestroyWindow... Ok");

    shell.pump.DiscardPending();
    LogWrite(kSender, kText, "Clear message's queue... Ok");
}

}  // namespace vrk
