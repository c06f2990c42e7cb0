// The Lua script host: the one Lua state, running text and files, and the hooks that
// carry Lua errors and `print` output into the log.
#include "engine/script/script.h"

#include <lua.hpp>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "engine/files/text_file.h"
#include "engine/log/log.h"
#include "engine/script/bounded_patterns.h"
#include "engine/script/script_memory.h"
#include "engine/script/script_run.h"
#include "port/window/quit_signal.h"

namespace vrk {
namespace {

constexpr const char* kSender = "cScript";
// Logged for a value that has no text form, so a hook never hands on a null text.
constexpr const char* kNoText = "(null)";
constexpr const char* kWarning = "^5";
// Lua takes text starting with this byte for a precompiled chunk.
constexpr char kPrecompiledMark = LUA_SIGNATURE[0];
// The status RunBuffer reports when there is no state to run the text on.
constexpr int kNoStateStatus = LUA_ERRRUN;

ScriptStatePtr& StateHolder()
{
    static ScriptStatePtr state;
    return state;
}

// The value at `index` as text, or kNoText when it is neither a string nor a number
// (or the index lies outside the stack).
const char* TextAt(lua_State* state, int index)
{
    if (lua_gettop(state) < -index) {
        return kNoText;
    }
    const char* text = lua_tostring(state, index);
    return text ? text : kNoText;
}

// Lua's own print, with its output sent through vrk_print piece by piece. Holds no
// object with a destructor: Lua errors leave this frame by a long jump.
int PrintThroughHook(lua_State* state)
{
    const int argumentCount = lua_gettop(state);
    PushGlobalRaw(state, "tostring");
    for (int i = 1; i <= argumentCount; ++i) {
        lua_pushvalue(state, -1);
        lua_pushvalue(state, i);
        lua_call(state, 1, 1);
        const char* piece = lua_tostring(state, -1);
        if (!piece) {
            return luaL_error(state, "'tostring' must return a string to 'print'");
        }
        if (i > 1) {
            vrk_print(state, "\t");
        }
        vrk_print(state, piece);
        lua_pop(state, 1);
    }
    vrk_print(state, "\n");
    return 0;
}

void SetGlobalFunction(lua_State* state, const char* name, lua_CFunction function)
{
    lua_pushcclosure(state, function, 0);
    SetGlobalRaw(state, name);
}

// The libraries a script of the game gets. No script reads or writes files, starts
// programs or loads modules, so a changed data tree cannot either.
constexpr luaL_Reg kLibraries[] = {
    {"", luaopen_base},
    {LUA_STRLIBNAME, luaopen_string},
    {LUA_TABLIBNAME, luaopen_table},
    {LUA_MATHLIBNAME, luaopen_math},
};
// Base functions that reach the file system, or load chunks past LoadScriptChunk's
// refusal of precompiled ones (which Lua 5.1 does not verify), or run Lua where the
// instruction count cannot stop it: Lua runs xpcall's message handler for an error
// raised by the count hook, and a newproxy object's __gc, with hooks off.
constexpr const char* kRemovedBaseFunctions[] = {"dofile", "loadfile", "loadstring", "load", "xpcall", "newproxy"};

// A cut excerpt ends with it, within the character limit.
constexpr std::string_view kEllipsis = "...";
constexpr size_t kMaxUtf8Continuation = 3;

// Bytes that continue a UTF-8 character; an excerpt never ends inside one.
bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

int LoadScriptChunk(lua_State* state, const std::string& text, const char* chunkName)
{
    // Lua 5.1 does not verify precompiled chunks, and a crafted one could corrupt
    // memory, while every script of the game is plain text.
    if (!text.empty() && text[0] == kPrecompiledMark) {
        lua_pushstring(state, "precompiled chunks are not accepted");
        return LUA_ERRSYNTAX;
    }
    // The length lets a stray NUL byte be reported instead of silently ending the text.
    return luaL_loadbuffer(state, text.data(), text.size(), chunkName);
}

std::string BufferExcerpt(const std::string& text)
{
    // Counted in bytes, which is never fewer than the characters they encode.
    const std::string_view line = std::string_view(text).substr(0, text.find_first_of("\r\n"));
    if (line.size() <= kMaxExcerptCharacters) return std::string(line);
    size_t cut = kMaxExcerptCharacters - kEllipsis.size();
    // Back to the start of the character the cut would split (a stray run of
    // continuation bytes is cut anywhere after its third byte).
    for (size_t step = 0; step < kMaxUtf8Continuation && cut > 0 && IsContinuationByte(line[cut]); ++step) --cut;
    return std::string(line.substr(0, cut)) + std::string(kEllipsis);
}

void OpenScriptLibraries(lua_State* state)
{
    for (const luaL_Reg& library : kLibraries) {
        lua_pushcfunction(state, library.func);
        lua_pushstring(state, library.name);
        lua_call(state, 1, 0);
    }
    for (const char* name : kRemovedBaseFunctions) {
        lua_pushnil(state);
        SetGlobalRaw(state, name);
    }
    PushGlobalRaw(state, LUA_STRLIBNAME);
    ReplacePatternFunctions(state);
    lua_pop(state, 1);
}

void PushGlobalRaw(lua_State* state, const char* name)
{
    lua_pushstring(state, name);
    lua_rawget(state, LUA_GLOBALSINDEX);
}

void SetGlobalRaw(lua_State* state, const char* name)
{
    lua_pushstring(state, name);
    lua_insert(state, -2);
    lua_rawset(state, LUA_GLOBALSINDEX);
}

ScriptStatePtr NewBoundedScriptState()
{
    ScriptStatePtr state = NewScriptState();
    if (!state) return state;
    OpenScriptLibraries(state.get());
    SetCountHook(state.get());
    return state;
}

lua_State* GetLuaState()
{
    return StateHolder().get();
}

int CreateScript()
{
    auto& holder = StateHolder();
    if (holder) {
        LogWrite("CreateScript", "^5", "Script system already exists");
        return 0;
    }
    holder = NewBoundedScriptState();
    lua_State* state = holder.get();
    if (!state) {
        LogWrite("CreateScript", "^5", "Can't open Lua core.");
        return 0;
    }
    SetGlobalFunction(state, "print", PrintThroughHook);
    SetGlobalFunction(state, "_ALERT", ScriptAlert);
    SetGlobalFunction(state, "_ERROR", ScriptAlert);
    SetGlobalFunction(state, "_VRK_PRINT", ScriptPrint);
    LogWrite(kSender, "^6", "CreateScript: Ok");
    return 1;
}

int DestroyScript()
{
    auto& holder = StateHolder();
    if (!holder) {
        LogWrite("DestroyScript", "^5", "Script system does not exist");
        return 0;
    }
    holder.reset();
    LogWrite("DestroyScript", "^6", "Ok");
    return 1;
}

bool GetRunWindowed()
{
    lua_State* state = GetLuaState();
    if (!state) {
        return false;
    }
    PushGlobalRaw(state, "runWindowed");
    const bool windowed = lua_type(state, -1) == LUA_TBOOLEAN && lua_toboolean(state, -1) != 0;
    lua_pop(state, 1);
    return windowed;
}

std::string GetCurrentLocale(const std::string& fallback)
{
    lua_State* state = GetLuaState();
    if (!state) {
        return fallback;
    }
    PushGlobalRaw(state, "currentLocale");
    std::string locale = fallback;
    if (lua_isstring(state, -1)) {
        size_t length = 0;
        // Converts the pushed copy only; the global itself keeps its type.
        const char* text = lua_tolstring(state, -1, &length);
        locale.assign(text, length);
    }
    lua_pop(state, 1);
    return locale;
}

int ScriptAlert(lua_State* state)
{
    LogWrite(kSender, "^5", "%s", FormatArg::FromText(TextAt(state, -1)));
    return 0;
}

int ScriptPrint(lua_State* state)
{
    // The text is the format itself: the engine's formatter treats a stray "%" as a
    // placeholder without argument, never as a C library conversion.
    LogPlain(TextAt(state, -1));
    return 0;
}

int vrk_print(lua_State* state, const char* text)
{
    if (!text) {
        return luaL_error(state, "'input parameter' must be a string to 'vrk_print'");
    }
    PushGlobalRaw(state, "_VRK_PRINT");
    if (lua_isfunction(state, -1)) {
        lua_pushstring(state, text);
        lua_call(state, 1, 0);
    } else {
        lua_pop(state, 1);
        std::fputs(text, stdout);
    }
    return 0;
}

int cScript::Call(lua_State* state, int argumentCount, const std::string& source)
{
    ScriptRun& run = CurrentRun();
    if (run.depth++ == 0) {
        run.used = 0;
        run.stop = RunStop::kNone;
        BeginScriptMemoryRun(state);
    }
    const int status = lua_pcall(state, argumentCount, 0, 0);
    RunStop stop = run.stop;
    // A quit request may end the run through a refused allocation before the count
    // hook looks.
    if (status != 0 && stop == RunStop::kNone && port::QuitRequested()) stop = RunStop::kQuit;
    // The main thread has seen the request and the game now ends the normal way; the
    // quit watchdog need not end it.
    if (stop == RunStop::kQuit) port::AnswerQuitRequest();
    bool memoryRefused = false;
    if (--run.depth == 0) {
        run.stop = RunStop::kNone;
        SetCountHook(state);
        memoryRefused = EndScriptMemoryRun(state);
    }
    if (status != 0 && stop == RunStop::kBudget) {
        const std::string budget = std::to_string(run.budget);
        LogWrite(kSender, kWarning,
                 "%s: stopped after %s Lua instructions and matching steps, the most one script may run",
                 FormatArg::FromString(source), FormatArg::FromString(budget));
    } else if (status != 0 && stop == RunStop::kQuit) {
        LogWrite(kSender, kWarning, "%s: stopped, the game is quitting", FormatArg::FromString(source));
    } else if (status != 0 && memoryRefused) {
        LogWrite(kSender, kWarning, "%s: stopped at the memory limit of %i MB a script may hold",
                 FormatArg::FromString(source), FormatArg::FromInt(static_cast<int>(kScriptMemoryLimit >> 20)));
    }
    return status;
}

namespace {

// A metatable on the globals changes what every later script reads; the host itself
// reads and sets its globals raw (PushGlobalRaw), so it is only worth a warning.
bool GlobalsHaveMetatable(lua_State* state)
{
    if (lua_getmetatable(state, LUA_GLOBALSINDEX) == 0) return false;
    lua_pop(state, 1);
    return true;
}

// Loads and runs the text; `fileName` names it in a stopped run's warning, else the
// text's first line does.
int RunText(const std::string& text, const std::string* fileName)
{
    if (text.empty()) {
        return 0;
    }
    lua_State* state = GetLuaState();
    if (!state) {
        LogWrite(kSender, kWarning, "Script system does not exist");
        return kNoStateStatus;
    }
    // The text itself is the chunk name, as luaL_loadstring would make it, so error
    // messages quote its first line.
    int status = LoadScriptChunk(state, text, text.c_str());
    if (status != 0) {
        // A whole script in one log line would bury the rest of the log.
        LogWrite(kSender, kWarning, "Invalid buffer: %s", FormatArg::FromString(BufferExcerpt(text)));
        // Lua's own message names the line that failed to compile.
        LogWrite(kSender, kWarning, "%s", FormatArg::FromText(TextAt(state, -1)));
        lua_pop(state, 1);
        return status;
    }
    const bool globalsHadMetatable = GlobalsHaveMetatable(state);
    const std::string source = fileName != nullptr ? *fileName : BufferExcerpt(text);
    status = cScript::Call(state, 0, source);
    if (status != 0) {
        LogWrite(kSender, kWarning, "%s", FormatArg::FromText(TextAt(state, -1)));
        lua_pop(state, 1);
    }
    if (!globalsHadMetatable && GlobalsHaveMetatable(state)) {
        LogWrite(kSender, kWarning, "%s: set a metatable on the globals; the game reads its own globals past it",
                 FormatArg::FromString(source));
    }
    return status;
}

}  // namespace

int cScript::RunBuffer(const std::string& text) { return RunText(text, nullptr); }

int cScript::RunFile(const std::string& name)
{
    std::string text;
    int readResult = 0;
    try {
        readResult = ReadTextFile(text, name);
    } catch (const std::exception&) {
        readResult = -1;  // undecodable text counts as unreadable
    }
    if (readResult != 0) {
        LogWrite(kSender, kWarning, "luafile: error in file %s", FormatArg::FromString(name));
        return kFileNotReadable;
    }
    return RunText(text, &name);
}

}  // namespace vrk
