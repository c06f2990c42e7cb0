// Fixed-step accumulator arithmetic.
#include "engine/platform/fixed_step.h"

#include <cmath>

namespace vrk {

bool AdvanceFixedStep(float& accumulator, float dt)
{
    if (!std::isfinite(dt) || dt < 0.0f) dt = 0.0f;
    accumulator += dt;
    if (!(accumulator >= kFixedTick)) return false;
    if (dt > kLongFrame) {
        // Repeated subtraction stops changing a large float at all, so a long stall
        // would hang the loop; fmod gives the remainder in one step.
        accumulator = std::fmod(accumulator, kFixedTick);
    } else {
        while (accumulator >= kFixedTick) accumulator -= kFixedTick;
    }
    return true;
}

}  // namespace vrk
