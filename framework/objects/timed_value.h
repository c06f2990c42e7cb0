// TimedValue: a float or integer that runs from where it is toward a target at a
// constant speed, stepped by the fixed tick of the scene objects.
#pragma once
#include <cstdint>

// What one Step did: nothing to do, still on the way, or arrived in this step.
enum TimedStep : int32_t {
    kTimedIdle = 0,
    kTimedMoving = 1,
    kTimedArrived = 2,
};

// Moves shorter than this (in time units) are not animated: the value jumps.
constexpr float kTimedSnapDuration = 0.0001f;

template <typename T>
struct TimedValue {
    T start{};
    T target{};
    T current{};
    float speed = 1.0f;  // units of value per unit of time
    float elapsed = 0.0f;
    float duration = 0.0f;  // 0 = at rest

    // Starts a move from the current value to value at the present speed.
    void SetTarget(T value);
    // Restarts the move toward the present target from the current value at the new
    // speed; 0 counts as 1.0 because a move that never ends is no use to any caller.
    void SetSpeed(float newSpeed);
    // Advances the move by dt; answers a TimedStep code.
    int32_t Step(float dt);

private:
    void Restart();
};

extern template struct TimedValue<float>;
extern template struct TimedValue<int32_t>;
