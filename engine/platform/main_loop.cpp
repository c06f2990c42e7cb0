// The main loop and the frame-rate timer.
#include "engine/platform/main_loop.h"

#include "engine/platform/device.h"
#include "engine/platform/game_core.h"
#include "engine/platform/shell_state.h"
#include "engine/platform/window_proc.h"

namespace vrk {

namespace {

constexpr int kFpsFactor = 1000 / kFpsTimerMilliseconds;

}  // namespace

LoopStep MainLoopStep(int& exitCode)
{
    ShellState& shell = Shell();
    port::WindowMessage message;
    if (shell.pump.TakeNext(message)) {
        if (message.kind == port::MessageKind::kQuit) {
            exitCode = static_cast<int>(message.param1);
            return LoopStep::kQuit;
        }
        MainWindowProc(message);
        return LoopStep::kMessage;
    }

    const std::uint64_t now = shell.readCounter();
    const float dt = static_cast<float>(now - shell.lastCounter) /
                     static_cast<float>(shell.counterFrequency);
    shell.lastCounter = now;

    cGame* core = shell.core.get();
    if (core == nullptr) return LoopStep::kNoCore;
    if (shell.inactive != 0 && core->keepRunning == 0) {
        shell.pump.Wait();
        shell.lastCounter = shell.readCounter();
        return LoopStep::kWaited;
    }

    const bool drawn = Begin() != 0;
    if (drawn) {
        core->DrawFrame();
        End();
    }
    core->UpdateFrame(dt);
    if (drawn) SwapBuffers();
    return LoopStep::kFrame;
}

int RunMainLoop()
{
    int exitCode = 0;
    while (MainLoopStep(exitCode) != LoopStep::kQuit) {
    }
    return exitCode;
}

void FpsTimerProc()
{
    if (cGame* core = GetGame()) {
        core->fps = core->frameCount * kFpsFactor;
        core->frameCount = 0;
    }
}

}  // namespace vrk
