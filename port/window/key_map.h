// Translation between SDL key codes and the game's virtual-key numbers (virtual_keys.h).
// Key codes travel as plain 32-bit integers so that callers need no SDL header.
#pragma once
#include <cstdint>
#include <vector>

namespace port {

// The virtual key of an SDL key code; 0 when the game has no number for the key.
// Modifiers keep their side here (left Ctrl is vk::kLeftControl) so state queries can
// tell the sides apart.
int VirtualKeyFromKeycode(std::int32_t keycode);

// The number a key-down message carries for a virtual key: the sided modifier keys
// fold to the generic Shift, Ctrl and Alt numbers, everything else is unchanged.
int MessageKeyFor(int virtualKey);

// Every SDL key code whose key counts as the given virtual key. The generic modifier
// numbers (vk::kShift, vk::kControl, vk::kAlt) list both sides. Empty when none.
std::vector<std::int32_t> KeycodesForVirtualKey(int virtualKey);

// The control character a key also types, as typing it in a text field would: 8 for
// Backspace, 9 Tab, 13 Return (both Enter keys), 27 Escape; 0 for every other key.
int ControlCharacterFor(int virtualKey);

}  // namespace port
