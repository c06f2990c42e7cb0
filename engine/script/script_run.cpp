// The run budget: the count hook and the charge of work that comes from elsewhere
// (the pattern matcher's steps).
#include "engine/script/script_run.h"

#include <lua.hpp>

#include "engine/script/script.h"
#include "port/window/quit_signal.h"

namespace vrk {
namespace {

// The count hook, on the state for good (data files put their own in place while
// they run): counts the run's instructions and stops it at the budget or when the
// game is asked to quit.
void CountInstructions(lua_State* state, lua_Debug* /*record*/)
{
    ScriptRun& run = CurrentRun();
    // Outside every run (the game has no such Lua code) an error would have no
    // protected call to end in.
    if (run.depth == 0) return;
    if (run.stop == RunStop::kNone && port::QuitRequested()) run.stop = RunStop::kQuit;
    ChargeScriptRun(state, lua_gethookcount(state));
}

}  // namespace

ScriptRun& CurrentRun()
{
    static ScriptRun run;
    return run;
}

void SetScriptRunBudget(int64_t budget)
{
    CurrentRun().budget = budget;
}

void SetCountHook(lua_State* state)
{
    lua_sethook(state, CountInstructions, LUA_MASKCOUNT, kScriptHookInterval);
}

void ChargeScriptRun(lua_State* state, int64_t work)
{
    ScriptRun& run = CurrentRun();
    if (run.depth == 0) return;
    if (run.stop == RunStop::kNone) {
        run.used += work;
        if (run.used < run.budget) return;
        run.stop = RunStop::kBudget;
    }
    // From here on every instruction fails, so that neither a script's own pcall nor
    // a coroutine can catch the stop and go on running.
    lua_sethook(state, CountInstructions, LUA_MASKCOUNT, 1);
    if (lua_State* main = GetLuaState(); main != nullptr && main != state) {
        lua_sethook(main, CountInstructions, LUA_MASKCOUNT, 1);
    }
    luaL_error(state, run.stop == RunStop::kQuit ? "script stopped: the game is quitting"
                                                 : "script stopped: instruction limit reached");
}

}  // namespace vrk
