// The script run in progress and its budget of work. A run's work is its Lua
// instructions, which a count hook sees, and the steps of the bounded pattern
// matcher, which works inside one C call where no hook reaches: both come out of one
// budget, so that neither a loop that never ends nor a loop of costly searches (each
// one caught by the script's own pcall) can hold the game.
#pragma once
#include <cstdint>

struct lua_State;

namespace vrk {

// The most work one run of a script may take, the runs it starts through native
// functions included: some thousand times what the largest run of the game's own
// data takes (the GUI textures' sprite description, some 10,300). A run that
// reaches it fails like any script error, with a warning naming its script.
constexpr int32_t kScriptInstructionBudget = 10000000;
// Lua instructions between two looks at the budget and at a quit request: a quit
// stops a running script after at most this many more.
constexpr int kScriptHookInterval = 1000;

// Why the script run in progress was stopped.
enum class RunStop { kNone, kBudget, kQuit };

// The run in progress. Runs nest when a script's native function runs another
// script; the nested runs share the outermost run's budget, so no run can take more
// by starting others.
struct ScriptRun {
    int depth = 0;
    int64_t used = 0;
    RunStop stop = RunStop::kNone;
    // The most work an outermost run may take; it outlives the runs.
    int64_t budget = kScriptInstructionBudget;
};

ScriptRun& CurrentRun();

// Sets the budget of every later run. The game keeps kScriptInstructionBudget; the
// level tool, whose sources lay whole grounds, gives its runs more.
void SetScriptRunBudget(int64_t budget);

// Puts the count hook on the state, at kScriptHookInterval.
void SetCountHook(lua_State* state);

// Adds `work` to the run in progress (nothing outside every run). At the budget, or
// once the run was stopped, it raises the run's stop as a Lua error, and every
// later instruction of the run raises it again, so that neither a script's own pcall
// nor a coroutine can catch it and go on.
void ChargeScriptRun(lua_State* state, int64_t work);

}  // namespace vrk
