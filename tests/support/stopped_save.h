// A save run in a forked child that ends at once after a given step, as a crash
// would end it (no clean-up of its own, no destructors): the crash tests of the
// level saves and of the single-file writes start the game after each such stop.
#pragma once
#include <functional>

namespace test {

inline constexpr int kCrashExit = 86;
inline constexpr int kSavedExit = 0;
inline constexpr int kNotSavedExit = 1;

// The step hook a save takes: called after each of its steps, with its number.
using StepHook = void (*)(int step);

// Runs save(hook) in a child that stops after the given step (kCrashExit) or ends
// with kSavedExit / kNotSavedExit as save returns; -1 when it ended otherwise.
int RunSaveStoppingAt(int step, const std::function<bool(StepHook)>& save);

}  // namespace test
