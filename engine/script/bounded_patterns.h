// The string library's pattern functions (find, match, gmatch, gsub) with a bound on
// the work of one call. Lua's own matcher backtracks without limit inside one C call,
// where no instruction count and no quit request can reach it: a pattern such as
// ("a*"):rep(30) .. "b" against thirty a's would run for longer than anyone waits.
#pragma once
#include <cstdint>

struct lua_State;

namespace vrk {

// The most matching steps (a pattern item tried at a place of the subject, or a byte
// compared by a plain find) one call may take: a tenth of a run's budget, so that a
// search that backtracks for ever fails as too complex, an error its script may
// catch and go on from, while a loop of such searches still ends with the run. Far
// above what the costliest search of the game's own scripts needs.
inline constexpr int64_t kPatternStepLimit = 1000000;
// How deep the matcher may nest (one level per capture, optional item or repetition
// being tried), so that a long pattern cannot run the C stack out.
inline constexpr int kPatternDepthLimit = 200;

// Replaces find, match, gmatch and gsub in the string table on top of the stack with
// the bounded ones. A call past a bound fails with a Lua error ("pattern too
// complex"); every other call gives what Lua 5.1's own functions give. Inside a
// script run (cScript::Call) every step also counts against the run's budget.
void ReplacePatternFunctions(lua_State* state);

}  // namespace vrk
