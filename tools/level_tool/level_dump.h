// Writing a level back as a level source (see level_source.h), so a level edited in
// the game can be kept and changed as text.
#pragma once
#include <string>

class cLevelFile;

// The level as a source script that compiles back to the same level file.
std::string DumpLevel(const cLevelFile& level);
// A Lua string literal of the bytes.
std::string QuoteLua(const std::string& text);
// A float as Lua text; nine significant digits give back the same single-precision value.
std::string LuaNumber(float value);
