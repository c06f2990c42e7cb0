// The four engine-wide path macros ("{ExePath}", "{StaticPath}", "{AppPath}",
// "{UserPath}") and their expansion at the start of a game path.
#pragma once
#include <string>

namespace vrk {

// Stores the value of one macro; macroName is the full text, braces included
// ("{AppPath}"). Unknown names are ignored. Values carry no trailing separator.
void SetPathMacro(const std::string& macroName, const std::string& value);
// The stored value of a macro, empty when it was never set or is unknown.
std::string GetPathMacro(const std::string& macroName);

// Replaces the one macro that may stand at the first "{" of the text with its
// value. Only that macro is expanded; any later one stays as written.
std::string ExpandPathMacros(const std::string& text);

}  // namespace vrk
