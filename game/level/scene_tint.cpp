// SceneTint: the colour fade of the level's scene.
#include "game/level/scene_tint.h"

#include <algorithm>
#include <cmath>

#include "framework/objects/timed_value.h"

void SceneTint::SetTarget(const Colour& colour)
{
    start = current;
    target = colour;
    elapsed = 0.0f;
    float distance = 0.0f;
    for (size_t i = 0; i < 3; ++i) distance += (target[i] - start[i]) * (target[i] - start[i]);
    duration = speed > 0.0f ? std::sqrt(distance) / speed : 0.0f;
    if (duration < kTimedSnapDuration) {
        current = target;
        duration = 0.0f;
    }
}

void SceneTint::Set(const Colour& colour)
{
    start = target = current = colour;
    elapsed = duration = 0.0f;
}

void SceneTint::Step(float dt)
{
    if (duration <= 0.0f) return;
    elapsed = std::min(elapsed + dt, duration);
    const float fraction = elapsed / duration;
    for (size_t i = 0; i < 3; ++i) current[i] = start[i] + (target[i] - start[i]) * fraction;
    if (elapsed >= duration) {
        current = target;
        duration = 0.0f;
    }
}

uint32_t SceneTint::ToArgb() const
{
    uint32_t argb = 0xFF000000u;
    for (size_t i = 0; i < 3; ++i) {
        const float channel = std::clamp(current[i], 0.0f, 1.0f) * 255.0f;
        argb |= static_cast<uint32_t>(channel) << (16 - 8 * i);
    }
    return argb;
}
