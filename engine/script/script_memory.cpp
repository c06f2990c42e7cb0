// The capped allocator of the game's Lua states and their panic handler.
#include "engine/script/script_memory.h"

#include <lua.hpp>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "engine/log/log.h"
#include "port/window/quit_signal.h"

namespace vrk {
namespace {

// Growth from which an allocation counts as a costly call's, refused once the game
// is quitting.
constexpr size_t kCostlyGrowth = 64 * 1024;

struct ScriptMemory {
    size_t used = 0;
    size_t limit = kScriptMemoryLimit + kScriptHostReserve;
    bool inRun = false;
    bool refused = false;
};

void* AllocateCapped(void* userData, void* block, size_t oldSize, size_t newSize)
{
    auto* memory = static_cast<ScriptMemory*>(userData);
    if (newSize == 0) {
        std::free(block);
        memory->used -= oldSize < memory->used ? oldSize : memory->used;
        return nullptr;
    }
    if (newSize > oldSize) {
        const size_t growth = newSize - oldSize;
        // A quit request also ends a run busy in costly library calls (strings of many
        // megabytes a round), which the instruction count alone would let go on for
        // a thousand such calls. Small blocks still come, so that the stop's own error
        // message can be made.
        if (memory->inRun && growth >= kCostlyGrowth && port::QuitRequested()) return nullptr;
        if (memory->used > memory->limit || growth > memory->limit - memory->used) {
            memory->refused = memory->refused || memory->inRun;
            return nullptr;
        }
    }
    void* moved = std::realloc(block, newSize);
    if (moved == nullptr) return nullptr;
    memory->used = memory->used - (oldSize < memory->used ? oldSize : memory->used) + newSize;
    return moved;
}

ScriptMemory* MemoryOf(lua_State* state)
{
    void* userData = nullptr;
    if (state == nullptr || lua_getallocf(state, &userData) != AllocateCapped) return nullptr;
    return static_cast<ScriptMemory*>(userData);
}

// Lua met an error with no protected call to end in: the state can no longer be
// trusted, and returning would let Lua call exit(), whose clean-up would run on that
// state. The line goes to the log and to standard error (a tool has no log).
int EndAtPanic(lua_State* state)
{
    const char* message = lua_tostring(state, -1);
    const char* text = message != nullptr ? message : "(no message)";
    LogWrite("cScript", "^4", "Lua error outside any script run, the program ends: %s", FormatArg::FromText(text));
    std::fprintf(stderr, "Lua error outside any script run, the program ends: %s\n", text);
    std::fflush(stderr);
    ::_exit(kScriptPanicExitCode);
}

}  // namespace

void ScriptStateCloser::operator()(lua_State* state) const
{
    ScriptMemory* memory = MemoryOf(state);
    lua_close(state);
    delete memory;
}

ScriptStatePtr NewScriptState()
{
    auto* memory = new ScriptMemory;
    lua_State* state = lua_newstate(AllocateCapped, memory);
    if (state == nullptr) {
        delete memory;
        return nullptr;
    }
    lua_atpanic(state, EndAtPanic);
    return ScriptStatePtr(state);
}

void BeginScriptMemoryRun(lua_State* state)
{
    if (ScriptMemory* memory = MemoryOf(state)) {
        memory->inRun = true;
        memory->refused = false;
        memory->limit = kScriptMemoryLimit;
    }
}

bool EndScriptMemoryRun(lua_State* state)
{
    ScriptMemory* memory = MemoryOf(state);
    if (memory == nullptr) return false;
    memory->inRun = false;
    memory->limit = kScriptMemoryLimit + kScriptHostReserve;
    const bool refused = memory->refused;
    memory->refused = false;
    return refused;
}

size_t ScriptMemoryUsed(lua_State* state)
{
    const ScriptMemory* memory = MemoryOf(state);
    return memory != nullptr ? memory->used : 0;
}

}  // namespace vrk
