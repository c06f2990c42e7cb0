// The pause of the focused screen, kept as a counter in the engine core's
// `suspended`: every dialog that pauses the game raises it and gives back what it
// raised, so two pausing dialogs over each other never unpause the game early.
#pragma once
#include <cstdint>

namespace vrk {

// Raises the counter by one; a negative value is taken as 0 first. Nothing without
// an engine core.
void HoldPause();
// Lowers the counter by count, not below 0. Nothing without an engine core or for a
// count of 0 or less.
void ReleasePauses(int32_t count);
// The counter now; 0 without an engine core.
int32_t GetPauseCount();

}  // namespace vrk
