// read_ground_file: the tools' regular-file reader, held to what a ground file may hold.
#include "ground_file_reader.h"

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include <string>

#include "../common/ground_file_limit.h"
#include "../common/regular_file.h"

namespace ground_file {
namespace {

constexpr const char* kDataNote = " (a ground file is data the level tool writes)";

// Pushes the text (nil when there is no file) and answers true, or pushes the error
// message and answers false. The strings end here, before any Lua error jumps.
bool PushGroundFile(lua_State* lua, const char* path)
{
    std::string text;
    std::string error;
    const tool_files::FileRead read = tool_files::ReadRegularFile(path, kLargestGroundFile, text, error);
    if (read == tool_files::FileRead::kMissing) {
        lua_pushnil(lua);
    } else if (read == tool_files::FileRead::kRefused) {
        lua_pushfstring(lua, "%s: %s%s", path, error.c_str(), kDataNote);
        return false;
    } else {
        lua_pushlstring(lua, text.data(), text.size());
    }
    return true;
}

int ReadGroundFile(lua_State* lua)
{
    const char* path = luaL_checkstring(lua, 1);
    return PushGroundFile(lua, path) ? 1 : lua_error(lua);
}

}  // namespace

void RegisterGroundFileReader(lua_State* lua)
{
    lua_pushcfunction(lua, ReadGroundFile);
    lua_setglobal(lua, "read_ground_file");
}

}  // namespace ground_file
