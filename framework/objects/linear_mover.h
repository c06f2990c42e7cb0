// LinearMover: a point that runs along a straight segment at a constant speed; the
// vec2 counterpart of TimedValue that carries the walkers from one path point to
// the next.
#pragma once
#include <cstdint>

#include "framework/objects/timed_value.h"
#include "framework/objects/vec2.h"

struct LinearMover {
    vec2 start;
    vec2 target;
    vec2 current;
    float speed = 1.0f;  // distance per unit of elapsed time
    float elapsed = 0.0f;
    float duration = 0.0f;  // 0 = not moving

    // Puts the point at point and stops it there.
    void SetPosition(const vec2& point);
    // Starts a move from the current point to point at the present speed.
    void MoveTo(const vec2& point);
    // Advances the move by d; answers a TimedStep code.
    int32_t Step(float d);
    bool IsMoving() const;
};
