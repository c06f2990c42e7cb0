// RandomGen: the game's linear congruential generator and its start-up seed.
#include "framework/objects/random_gen.h"

namespace {

constexpr float kSecondsPerMinute = 60.0f;
constexpr float kSecondsPerHour = 3600.0f;
constexpr float kMillisecondsPerSecond = 1000.0f;
// 2^32: the first value a 32-bit seed cannot hold.
constexpr float kSeedLimit = 4294967296.0f;

}  // namespace

uint32_t RandomGen::NextValue()
{
    seed = seed * kMultiplier + kIncrement;  // unsigned: wraps modulo 2^32
    return seed & kValueMask;
}

int32_t RandomGen::Next(int32_t n)
{
    if (n == -1) {
        return 0;
    }
    const uint32_t value = NextValue();
    if (n < -1) {
        return 0;
    }
    // n + 1 in 64 bits: n = INT32_MAX must not overflow.
    return static_cast<int32_t>(static_cast<int64_t>(value) % (static_cast<int64_t>(n) + 1));
}

float RandomGen::NextFraction() { return static_cast<float>(NextValue()) / kValueRange; }

uint32_t RandomSeedOfTimeOfDay(int32_t hour, int32_t minute, int32_t second)
{
    const float seconds = (static_cast<float>(minute) * kSecondsPerMinute + static_cast<float>(second)) +
                          static_cast<float>(hour) * kSecondsPerHour;
    const float milliseconds = seconds * kMillisecondsPerSecond;
    // Out-of-range clock fields must not make the conversion undefined.
    if (!(milliseconds >= 0.0f) || milliseconds >= kSeedLimit) {
        return 0;
    }
    return static_cast<uint32_t>(milliseconds);
}
