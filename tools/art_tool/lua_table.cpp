// Lua table field readers of the art tool.
#include "lua_table.h"

#include <cstdio>

namespace lua_table {

float Number(lua_State* lua, const char* field, float fallback)
{
    lua_getfield(lua, -1, field);
    const float value = lua_isnumber(lua, -1) ? static_cast<float>(lua_tonumber(lua, -1)) : fallback;
    lua_pop(lua, 1);
    return value;
}

std::string Text(lua_State* lua, const char* field, const std::string& fallback)
{
    lua_getfield(lua, -1, field);
    std::string value = fallback;
    if (lua_type(lua, -1) == LUA_TSTRING || lua_type(lua, -1) == LUA_TNUMBER) {
        size_t length = 0;
        const char* text = lua_tolstring(lua, -1, &length);
        value.assign(text, length);
    }
    lua_pop(lua, 1);
    return value;
}

Color ColorField(lua_State* lua, const char* field)
{
    const std::string text = Text(lua, field);
    Color color;
    if (!text.empty() && !ParseColor(text, color)) {
        std::fprintf(stderr, "art_tool: warning: colour \"%s\" of field %s is not #RRGGBB[AA]\n", text.c_str(),
                     field);
    }
    return color;
}

std::vector<float> Numbers(lua_State* lua, const char* field)
{
    std::vector<float> values;
    if (!PushTable(lua, field)) return values;
    const size_t count = lua_objlen(lua, -1);
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(lua, -1, static_cast<int>(i));
        values.push_back(lua_isnumber(lua, -1) ? static_cast<float>(lua_tonumber(lua, -1)) : 0.0f);
        lua_pop(lua, 1);
    }
    lua_pop(lua, 1);
    return values;
}

bool PushTable(lua_State* lua, const char* field)
{
    lua_getfield(lua, -1, field);
    if (lua_istable(lua, -1)) return true;
    lua_pop(lua, 1);
    return false;
}

}  // namespace lua_table
