// SceneTint: the level's colour as three channels that run from where they are to
// a target colour at a constant speed (the Euclidean distance per second), stepped
// by the fixed tick. Night fades the scene to blue with it and day back to white.
#pragma once
#include <array>
#include <cstdint>

struct SceneTint {
    using Colour = std::array<float, 3>;
    static constexpr Colour kWhite{1.0f, 1.0f, 1.0f};

    // Starts a move from the current colour to the target at the present speed; a
    // move too short to animate jumps there.
    void SetTarget(const Colour& colour);
    // Puts start, target and current at the colour, at rest.
    void Set(const Colour& colour);
    // Advances the move by dt.
    void Step(float dt);
    // The current colour as 0xAARRGGBB, alpha full.
    uint32_t ToArgb() const;

    Colour start = kWhite;
    Colour target = kWhite;
    Colour current = kWhite;
    float speed = 0.2f;
    float elapsed = 0.0f;
    float duration = 0.0f;
};
