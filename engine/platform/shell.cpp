// Start-up and shutdown of the program, and the system paths.
#include "engine/platform/shell.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/files/path_macros.h"
#include "engine/gui/gui.h"
#include "engine/log/log.h"
#include "engine/platform/device.h"
#include "engine/platform/exit_codes.h"
#include "engine/platform/game_core.h"
#include "engine/platform/main_loop.h"
#include "engine/platform/shell_state.h"
#include "engine/platform/system_gpu_library.h"
#include "engine/platform/window_setup.h"
#include "engine/script/script.h"
#include "port/window/clock.h"
#include "port/window/instance_lock.h"
#include "port/window/quit_signal.h"
#include "port/window/system_info.h"

namespace vrk {

namespace {

constexpr size_t kPasswordBufferSize = 16384;

// The quit watchdog's line, written from its own thread while the main thread is
// stuck (and so not writing to the log itself).
void LogForcedQuit(const char* line) { LogWrite("cShell", "^4", "%s", FormatArg::FromText(line)); }

// A variable's value when it is set to an absolute path; relative values are ignored,
// as the base directory rules ask.
std::string AbsolutePathVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return std::string();
    return value;
}

// $HOME, else the home folder of the user's account entry.
std::string HomeFolder()
{
    std::string home = AbsolutePathVariable("HOME");
    if (!home.empty()) return home;
    std::vector<char> buffer(kPasswordBufferSize);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/')
        return found->pw_dir;
    return std::string();
}

// $XDG_DATA_HOME, else ~/.local/share; empty when neither can be found.
std::string DataHomeFolder()
{
    std::string data = AbsolutePathVariable("XDG_DATA_HOME");
    if (!data.empty()) return data;
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.local/share";
}

void ResetShellState(ShellState& shell)
{
    shell.pump = port::MessagePump();
    shell.mainWindow.reset();
    shell.fullScreen = 0;
    shell.title = kGameTitle;
    shell.inactive = 0;
    shell.counterFrequency = port::PerformanceFrequency();
    if (shell.counterFrequency == 0) shell.counterFrequency = 1;
}

// Releases whatever start-up made so far, newest first.
void ReleaseStartup(bool destroyWindow)
{
    ShellState& shell = Shell();
    shell.pump.StopTimer();
    if (destroyWindow) DestroyMainWindow();
    shell.core.reset();
    DX8Destroy();
    SetGpuLibrary(nullptr);
    shell.video.reset();
}

int Shutdown(int exitCode)
{
    ShellState& shell = Shell();
    if (shell.application) {
        shell.application->SaveSettings();
        shell.application.reset();
    }
    ReleaseStartup(true);
    return exitCode;
}

}  // namespace

int InitSystemPaths()
{
    const std::string exeFolder = port::ExecutableFolder();
    SetPathMacro("{ExePath}", exeFolder);
    SetPathMacro("{StaticPath}", exeFolder + "/data");

    const std::string dataHome = DataHomeFolder();
    const std::string appBase = dataHome.empty() ? GetPathMacro("{AppPath}") : dataHome;
    SetPathMacro("{AppPath}", appBase + kAppFolder);

    const std::string home = HomeFolder();
    if (!home.empty()) SetPathMacro("{UserPath}", home);
    return 1;
}

int WinMainEntry(const ApplicationFactory& factory, GpuLibrary* gpuLibrary)
{
    port::InstanceLock instanceLock;
    const port::LockResult locked = instanceLock.Acquire(port::InstanceLock::DefaultFolder());
    if (locked == port::LockResult::kHeldElsewhere) return kExitNormal;
    if (locked == port::LockResult::kUnavailable) {
        // Refusing to start over a lock file we cannot make would end every run on a
        // read-only home silently; one instance is a nicety, so go on without it.
        std::fprintf(stderr, "Kelvara 2: no single-instance lock (%s)\n", instanceLock.Error().c_str());
    }

    ShellState& shell = Shell();
    ResetShellState(shell);
    InitSystemPaths();

    port::SetForcedQuitReport(LogForcedQuit);
    shell.video = std::make_unique<port::VideoSystem>();
    if (!shell.video->Start()) {
        std::fprintf(stderr, "Kelvara 2: video cannot start: %s\n", shell.video->Error().c_str());
        shell.video.reset();
        return kExitNoVideo;
    }
    SystemGpuLibrary systemGpu(*shell.video);
    SetGpuLibrary(gpuLibrary != nullptr ? gpuLibrary : &systemGpu);
    if (!DX8Create()) {
        std::fprintf(stderr, "Kelvara 2: no OpenGL library: %s\n", shell.video->Error().c_str());
        ReleaseStartup(false);
        return kExitNoGpuLibrary;
    }

    shell.core = std::make_unique<cGame>();
    const int32_t fullScreen = GetRunWindowed() ? 0 : 1;
    if (CreateMainWindow(fullScreen) == 0) {
        ReleaseStartup(shell.mainWindow != nullptr);
        return kExitNoWindow;
    }
    // The application shows the cursor again when it installs its own.
    shell.core->gui->cursorShown = false;

    if (factory) shell.application = factory();
    if (shell.application) shell.application->Init();

    shell.pump.StartTimer(kFpsTimerMilliseconds);
    shell.lastCounter = shell.readCounter();
    return Shutdown(RunMainLoop());
}

}  // namespace vrk
