// Running a generator's Lua manifest: a fresh Lua state with the standard libraries,
// the global `manifest_folder` (so manifests can include their neighbours), the tool's
// prelude, then the manifest itself. Shared by the art and sound tools.
#pragma once
extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace manifest_lua {

struct LuaCloser {
    void operator()(lua_State* lua) const { lua_close(lua); }
};
using LuaStatePtr = std::unique_ptr<lua_State, LuaCloser>;

// Runs a loaded chunk; on any error prints "TOOL: WHAT: message" and answers false.
inline bool RunChunk(lua_State* lua, int loadResult, const char* tool, const std::string& what)
{
    if (loadResult == 0) loadResult = lua_pcall(lua, 0, 0, 0);
    if (loadResult == 0) return true;
    const char* message = lua_tostring(lua, -1);
    std::fprintf(stderr, "%s: %s: %s\n", tool, what.c_str(), message != nullptr ? message : "error");
    lua_pop(lua, 1);
    return false;
}

// The state after the prelude and the manifest ran; null when either failed (already reported).
// `registerTool`, when given, adds the tool's own functions before the prelude runs.
inline LuaStatePtr RunManifest(const std::string& manifestFile, const char* prelude, const char* tool,
                               void (*registerTool)(lua_State*) = nullptr)
{
    LuaStatePtr owner(luaL_newstate());
    lua_State* lua = owner.get();
    if (lua == nullptr) return owner;
    luaL_openlibs(lua);
    if (registerTool != nullptr) registerTool(lua);
    const std::string folder = std::filesystem::path(manifestFile).parent_path().string();
    lua_pushstring(lua, folder.empty() ? "." : folder.c_str());
    lua_setglobal(lua, "manifest_folder");
    if (!RunChunk(lua, luaL_loadstring(lua, prelude), tool, "prelude") ||
        !RunChunk(lua, luaL_loadfile(lua, manifestFile.c_str()), tool, manifestFile)) {
        owner.reset();
    }
    return owner;
}

}  // namespace manifest_lua
