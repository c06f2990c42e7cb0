// The memory of a Lua state: every state of the game and of its data tools allocates
// through a counting allocator that refuses to grow past a cap, so that a runaway
// script (a string of gigabytes in one line, a table that never stops growing) ends
// as a memory error of its own run instead of taking the machine's memory. The same
// states end the program with a log line, never an abort, when Lua meets an error
// outside any protected call.
#pragma once
#include <cstddef>
#include <memory>

#include "engine/platform/exit_codes.h"

struct lua_State;

namespace vrk {

// What one script run may hold in all (the state's own tables included): far above
// the few megabytes the game's scripts use together.
inline constexpr size_t kScriptMemoryLimit = 256 * 1024 * 1024;
// Room the host keeps above the limit between runs, so that reading a value or
// registering a function still works after a script filled the state to the limit.
inline constexpr size_t kScriptHostReserve = 16 * 1024 * 1024;
// The exit code when Lua meets an error outside every protected call.
inline constexpr int kScriptPanicExitCode = kExitScriptPanic;

struct ScriptStateCloser {
    void operator()(lua_State* state) const;
};
using ScriptStatePtr = std::unique_ptr<lua_State, ScriptStateCloser>;

// A new state on the capped allocator, with the panic handler; null when even that
// could not be allocated. No library is open yet.
ScriptStatePtr NewScriptState();

// The bounds a run of a script works within, set for the run by cScript::Call.
void BeginScriptMemoryRun(lua_State* state);
// Ends the run; true when an allocation was refused during it.
bool EndScriptMemoryRun(lua_State* state);
// Bytes the state holds now (0 for a state not made by NewScriptState).
size_t ScriptMemoryUsed(lua_State* state);

}  // namespace vrk
