// LinearMover: straight-line moves of a point at a constant speed.
#include "framework/objects/linear_mover.h"

void LinearMover::SetPosition(const vec2& point)
{
    start = point;
    target = point;
    current = point;
    elapsed = 0.0f;
    duration = 0.0f;
}

void LinearMover::MoveTo(const vec2& point)
{
    start = current;
    target = point;
    elapsed = 0.0f;
    duration = (target - start).Length() / speed;
    // A zero distance at a zero speed gives NaN; it snaps like any other short move.
    if (!(duration >= kTimedSnapDuration)) {
        duration = 0.0f;
        current = target;
    }
}

int32_t LinearMover::Step(float d)
{
    if (elapsed == duration) {
        return kTimedIdle;
    }
    elapsed += d;
    if (elapsed < duration) {
        current = start + (target - start) * elapsed / duration;
        return kTimedMoving;
    }
    elapsed = duration;
    current = target;
    return kTimedArrived;
}

bool LinearMover::IsMoving() const { return current.x != target.x || current.y != target.y; }
