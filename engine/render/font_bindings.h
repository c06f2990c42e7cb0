// The five font functions of the engine's Lua set, which the font scripts call:
// createFont, initFont, setFontTexture, setFontTransform and fillFont.
#pragma once

struct lua_State;

namespace vrk {

int LuaCreateFont(lua_State* state);
int LuaInitFont(lua_State* state);
int LuaSetFontTexture(lua_State* state);
int LuaSetFontTransform(lua_State* state);
int LuaFillFont(lua_State* state);

// Registers the five as globals of those names, in that order.
void RegisterFontFunctions(lua_State* state);

}  // namespace vrk
