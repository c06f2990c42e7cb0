// Small readers for fields of the Lua table on top of the stack, with defaults for
// missing or mistyped values, so a slip in the manifest never crashes the tool.
#pragma once
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "canvas.h"

namespace lua_table {

float Number(lua_State* lua, const char* field, float fallback);
std::string Text(lua_State* lua, const char* field, const std::string& fallback = "");
// A "#RRGGBB[AA]" field; transparent when missing or malformed (with a warning).
Color ColorField(lua_State* lua, const char* field);
// The numbers of an array field ({1, 2, 3}); empty when missing.
std::vector<float> Numbers(lua_State* lua, const char* field);
// Pushes the field when it is a table and returns true; pushes nothing otherwise.
bool PushTable(lua_State* lua, const char* field);

}  // namespace lua_table
