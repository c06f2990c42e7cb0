// ShotRecord: a cannonball or shell in flight, as towers and the tank keep them in a
// vector: it flies from where it left to the point where its target stood when it
// was fired, and the hit goes to the target object itself when it lands.
#pragma once
#include <functional>
#include <vector>

#include "framework/objects/vec2.h"

class cObject;

struct ShotRecord {
    // Cannonballs and shells fly at this speed, in world units a second.
    static constexpr float kSpeed = 800.0f;

    cObject* target = nullptr;
    vec2 start;
    vec2 end;
    vec2 current;
    float speed = kSpeed;
    float elapsed = 0.0f;
    float duration = 0.0f;
};

// A shot from the point toward the target's position now; a flight shorter than the
// timed values' snap time lands in the first step.
ShotRecord MakeShot(const vec2& from, cObject* target);

// Moves every shot by one tick, in vector order; a shot that arrives is erased and
// its target handed to hit, unless the target has left the level meanwhile (its
// object stays allocated until the level is cleared, but it must get nothing).
void MoveShots(std::vector<ShotRecord>& shots, const std::function<void(cObject*)>& hit);
