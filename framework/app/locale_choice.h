// The language the game starts in: the one the settings file keeps, else the
// user's. Both come from outside the program and end up in a file name and in the
// settings file's Lua text, so only plain language tags pass.
#pragma once
#include <string>

// stored when non-empty, else system; a name that is not a plain language tag
// (A-Z, a-z, 0-9, "_", "-") is refused with a warning and "en" is used instead.
std::string ChooseLocaleName(const std::string& stored, const std::string& system);
