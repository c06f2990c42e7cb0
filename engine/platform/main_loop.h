// The main loop: every waiting message first, then one frame (draw when the device
// allows, update always), with frame time from the high-resolution counter.
#pragma once

namespace vrk {

// What one pass of the loop did.
enum class LoopStep {
    kMessage,   // handled a message
    kQuit,      // took the quit message; the loop is over
    kNoCore,    // measured time, but there is no engine core
    kWaited,    // inactive: waited for the next message without counting the time
    kFrame,     // ran a frame
};

// One pass. On kQuit, exitCode is the quit message's code.
LoopStep MainLoopStep(int& exitCode);
// Runs passes until the quit message; returns its exit code.
int RunMainLoop();
// The half-second timer: frames per second = frames counted x 2, and a new count.
void FpsTimerProc();

// How often FpsTimerProc runs.
constexpr unsigned kFpsTimerMilliseconds = 500;

}  // namespace vrk
