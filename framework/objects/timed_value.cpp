// TimedValue for the two value types the scene uses: float and int32.
#include "framework/objects/timed_value.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace {

// Integers measure their distance as a whole number first; 64 bits keep the
// difference of two extreme values from overflowing.
float Distance(float from, float to) { return std::fabs(to - from); }
float Distance(int32_t from, int32_t to)
{
    return static_cast<float>(std::llabs(static_cast<int64_t>(to) - static_cast<int64_t>(from)));
}

float Interpolate(float from, float to, float elapsed, float duration)
{
    return from + (to - from) * elapsed / duration;
}

int32_t Interpolate(int32_t from, int32_t to, float elapsed, float duration)
{
    const float difference = static_cast<float>(static_cast<int64_t>(to) - static_cast<int64_t>(from));
    const double value = std::trunc(static_cast<double>(static_cast<float>(from) + difference * elapsed / duration));
    // Float rounding of large values could step past an end; the value never leaves
    // the segment between start and target.
    const double low = std::min(from, to);
    const double high = std::max(from, to);
    return static_cast<int32_t>(std::clamp(value, low, high));
}

}  // namespace

template <typename T>
void TimedValue<T>::Restart()
{
    start = current;
    duration = Distance(start, target) / speed;
    elapsed = 0.0f;
    // A zero distance at a zero speed gives NaN; it snaps like any other short move.
    if (!(duration >= kTimedSnapDuration)) {
        duration = 0.0f;
        current = target;
    }
}

template <typename T>
void TimedValue<T>::SetTarget(T value)
{
    target = value;
    Restart();
}

template <typename T>
void TimedValue<T>::SetSpeed(float newSpeed)
{
    speed = newSpeed == 0.0f ? 1.0f : newSpeed;
    Restart();
}

template <typename T>
int32_t TimedValue<T>::Step(float dt)
{
    if (elapsed == duration) {
        return kTimedIdle;
    }
    elapsed += dt;
    if (elapsed < duration) {
        current = Interpolate(start, target, elapsed, duration);
        return kTimedMoving;
    }
    current = target;
    elapsed = duration;
    return kTimedArrived;
}

template struct TimedValue<float>;
template struct TimedValue<int32_t>;
