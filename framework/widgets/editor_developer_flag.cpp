// Reading the developer flag from the script host.
#include "framework/widgets/editor_developer_flag.h"

#include <lua.hpp>

#include "engine/script/script.h"

namespace {

constexpr const char* kDeveloperGlobal = "developerMode";

}  // namespace

int32_t ReadDeveloperMode()
{
    lua_State* state = vrk::GetLuaState();
    if (state == nullptr) return 0;
    vrk::PushGlobalRaw(state, kDeveloperGlobal);
    bool on = false;
    switch (lua_type(state, -1)) {
    case LUA_TBOOLEAN: on = lua_toboolean(state, -1) != 0; break;
    case LUA_TNUMBER: on = lua_tonumber(state, -1) != 0.0; break;
    default: break;
    }
    lua_pop(state, 1);
    return on ? 1 : 0;
}
