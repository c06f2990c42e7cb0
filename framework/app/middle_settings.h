// The settings file "{AppPath}/conf/settings.lua": the text the application writes
// at exit and runs as Lua at the next start.
#pragma once
#include <cstdint>
#include <string>

// One line each for the window mode, the two group volumes (0..1, six decimals) and
// the language. A locale name that could break the Lua string is written empty.
std::string FormatSettingsText(bool windowed, float soundVolume, float musicVolume,
                               const std::string& localeName);
