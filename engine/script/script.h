// The Lua script host: owns the program's one Lua 5.1 state, runs Lua text and Lua
// files, routes Lua errors and `print` output into the log, and reads the settings
// globals the engine needs before the application exists.
#pragma once
#include <string>

#include "engine/script/script_memory.h"
#include "engine/script/script_run.h"

struct lua_State;

namespace vrk {

// Creates the state, opens the base, string, table and math libraries (without the
// base functions that load files or chunks), replaces `print` and sets the
// host globals `_ALERT`, `_ERROR` and `_VRK_PRINT`. 1 created, 0 not (already there,
// or Lua could not allocate a state).
int CreateScript();
// Opens on `state` the libraries every script gets: base (without dofile, loadfile,
// loadstring, load, xpcall and newproxy), string (its pattern functions bounded),
// table and math; no file, program or module access, and no Lua that runs past the
// instruction budget.
void OpenScriptLibraries(lua_State* state);
// A state of its own for a tool that runs scripts as the game does: on the capped
// allocator, with the libraries of OpenScriptLibraries and the instruction count that
// cScript::Call runs under; null when Lua could not allocate it.
ScriptStatePtr NewBoundedScriptState();
// Closes the state. 1 closed, 0 when there was none.
int DestroyScript();

// The one Lua state, on which other parts register their native functions and call
// Lua; null while there is no script system.
lua_State* GetLuaState();

// The global `name` pushed, and the value on top set as global `name` (popped), both
// without metamethods: the host reads and writes globals outside script runs, where
// a script's __index or __newindex on the globals would run unbounded and unprotected.
void PushGlobalRaw(lua_State* state, const char* name);
void SetGlobalRaw(lua_State* state, const char* name);

// True only when the global `runWindowed` is the boolean true.
bool GetRunWindowed();
// The global `currentLocale` in its string form when it is a string or a number,
// else `fallback`.
std::string GetCurrentLocale(const std::string& fallback);

// Lua native functions. Both take the value on top of the stack as text and log it;
// a value that has no text form (nil, a table, an empty stack) logs "(null)".
int ScriptAlert(lua_State* state);
int ScriptPrint(lua_State* state);

// Sends one piece of print output to the global `_VRK_PRINT` when that is a function,
// else to standard output. Leaves the Lua stack as it found it. A null text raises a
// Lua error.
int vrk_print(lua_State* state, const char* text);

// Loads the text as a Lua chunk of that name and leaves the chunk or the error
// message on the stack; the Lua status. Precompiled chunks are refused.
int LoadScriptChunk(lua_State* state, const std::string& text, const char* chunkName);
// What a log line shows of a bad buffer: its first line, cut to at most
// kMaxExcerptCharacters bytes (the last three then "...") at a character boundary.
std::string BufferExcerpt(const std::string& text);
constexpr size_t kMaxExcerptCharacters = 200;

class cScript {
public:
    cScript() = delete;

    // 0 success, otherwise the Lua status code of the failed load or call.
    static int RunBuffer(const std::string& text);
    // 0 success, kFileNotReadable when the file cannot be read as text, otherwise
    // the Lua status code.
    static int RunFile(const std::string& name);
    // lua_pcall of the function below the `argumentCount` arguments on top of the
    // stack (no results, no message handler) as one run under the instruction budget;
    // `source` names the script in the warning of a stopped run. As lua_pcall, the
    // error message is left on the stack on failure. Every Lua call of the game goes
    // through here, so that no script runs without bounds.
    static int Call(lua_State* state, int argumentCount, const std::string& source);

    static constexpr int kFileNotReadable = 1;
};

}  // namespace vrk
