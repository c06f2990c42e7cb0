// The engine's Lua functions: window title, language, fonts, window flags, texture
// dumps and the whole control set, as globals of the one Lua state. Windows, fonts and
// controls travel as light userdata; every handle that comes back is checked against
// the live objects (and for its kind) before use, and a bad one makes the call a no-op.
#pragma once

namespace vrk {

// The alignment table the scripts sum their align flags from.
constexpr const char* kAlignScript =
    "align = { None = 0x00, Left = 0x01, Center = 0x02, Right = 0x04, Top = 0x08, Middle = 0x10, "
    "Bottom = 0x20 }";

// Runs kAlignScript, then registers the functions as globals (44 names, two of which
// share one native function). Nothing happens without a Lua state.
void RegisterEngineBindings();

}  // namespace vrk
