// RandomGen: the linear congruential generator of the game logic. The application
// object owns the one instance and seeds it once at start-up; the particle spawn
// routines keep private instances of the same formula that start from 0.
#pragma once
#include <cstdint>

struct RandomGen {
    static constexpr uint32_t kMultiplier = 69069u;
    static constexpr uint32_t kIncrement = 1u;
    // Only the low 15 bits of the state are used as the random value.
    static constexpr uint32_t kValueMask = 0x7FFFu;
    static constexpr float kValueRange = 32768.0f;

    uint32_t seed = 0;

    // A value 0..n. n = -1 answers 0 and leaves the state alone; any other negative
    // n has no value to give, advances the state and answers 0.
    int32_t Next(int32_t n);
    // The call shape the scene objects use; the first argument is not read.
    int32_t Next(int32_t ignored, int32_t n) { (void)ignored; return Next(n); }
    // Advances the state and answers its low 15 bits (0..32767).
    uint32_t NextValue();
    // A fraction in [0, 1): the low 15 bits over 32768.
    float NextFraction();
};

// The start-up seed: the milliseconds of the local time of day at whole-second
// resolution, computed in single precision (so large values are rounded the way
// they always have been) and truncated.
uint32_t RandomSeedOfTimeOfDay(int32_t hour, int32_t minute, int32_t second);
