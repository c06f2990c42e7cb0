// Switching the game's language: the locale script fills the text table, the localised
// fonts and textures are reloaded, and the GUI and every screen hear of the change.
#pragma once
#include <string>

namespace vrk {

// The language every missing or unusable locale falls back to.
constexpr const char* kFallbackLocale = "en";

// True for a name that may be put into a file name and a Lua string: 1 to 32 of
// A-Z, a-z, 0-9, "_" and "-".
bool IsSafeLocaleName(const std::string& name);

// Loads the locale (needs the engine core). Names that are not safe, and names whose
// locale file is missing or fails, fall back to "en".
void ChangeLocale(const std::string& name);

}  // namespace vrk
