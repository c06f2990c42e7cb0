// The developer flag that lets Tab open the level editor: the Lua global
// `developerMode`, which a developer sets in "cheats.lua". The application reads it
// once that script has run.
#pragma once
#include <cstdint>

// 1 when `developerMode` is the boolean true or a non-zero number, else 0 (also
// without a script host).
int32_t ReadDeveloperMode();
