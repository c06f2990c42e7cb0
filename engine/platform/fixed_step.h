// The fixed-step clock of the engine core: objects advance by whole 1/30 s ticks while
// frames come at any rate.
#pragma once

namespace vrk {

// One fixed tick, in seconds (the float 0.033333335).
constexpr float kFixedTick = 1.0f / 30.0f;
// Frames longer than this (a stall, a debugger stop) take the remainder directly.
constexpr float kLongFrame = 1.0f;

// Adds dt to the accumulator; true when a tick is due. At most one tick runs per frame:
// the surplus whole ticks are dropped and only the remainder below one tick is kept.
// A negative or non-finite dt adds nothing.
bool AdvanceFixedStep(float& accumulator, float dt);

}  // namespace vrk
