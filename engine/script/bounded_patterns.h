// The string library's pattern functions (find, match, gmatch, gsub) with a bound on
// the work of one call. Lua's own matcher backtracks without limit inside one C call,
// where no instruction count and no quit request can reach it: a pattern such as
// ("a*"):rep(30) .. "b" against thirty a's would run for longer than anyone waits.
#pragma once
#include <cstdint>

struct lua_State;

namespace vrk {

// The most matching steps (a pattern item tried at a place of the subject, or a byte
// compared by a plain find) one call may take: some thousand times what a search
// over a whole level script needs, and a fraction of a second of work.
inline constexpr int64_t kPatternStepLimit = 10000000;
// How deep the matcher may nest (one level per capture, optional item or repetition
// being tried), so that a long pattern cannot run the C stack out.
inline constexpr int kPatternDepthLimit = 200;

// Replaces find, match, gmatch and gsub in the string table on top of the stack with
// the bounded ones. A call past a bound fails with a Lua error ("pattern too
// complex"); every other call gives what Lua 5.1's own functions give.
void ReplacePatternFunctions(lua_State* state);

}  // namespace vrk
