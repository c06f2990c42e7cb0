// EmitterParams: one emission source of a particle emitter (where particles start,
// how many per second, and the ranges their life, size, motion and colour are drawn
// from), and the flags and burst rule shared by every kind of source.
#pragma once
#include <cmath>
#include <cstdint>
#include <memory>

#include "framework/objects/particle.h"

// Source flags.
enum EmitterFlag : uint32_t {
    kEmitterStopped = 1u << 0,  // no more emission
    kEmitterLinger = 1u << 1,   // a stopped source stays until its live count is 0
    kEmitterBurst = 1u << 2,    // emit all at once, then stop
};

constexpr uint32_t kColorWhite = 0xFFFFFFFFu;

struct EmitterParams {
    float accumulator = 0.0f;  // unspent emission time, seconds
    uint32_t flags = 0;
    int32_t toEmit = 0;  // particles still to place this frame
    int32_t count = 0;   // particles placed so far
    float interval = 0.0f;  // seconds per particle; 0 emits nothing
    ParticleVec3 position;
    float spread = 0.0f;  // half-width of the start square
    float lifeMin = 1.0f;
    float lifeMax = 2.0f;
    float sizeMin = 1.0f;
    float sizeMax = 1.0f;
    float stretch = 1.0f;
    float sizeRate = 0.0f;
    ParticleVec3 velocityMin;
    ParticleVec3 velocityMax;
    ParticleVec3 acceleration;
    uint8_t fadeByLife = 1;
    uint32_t colorBirth = kColorWhite;
    uint32_t colorMiddle = kColorWhite;
    uint32_t colorDeath = kColorWhite;
    float rotationMin = 0.0f;
    float rotationMax = 0.0f;
    float spinMin = 0.0f;
    float spinMax = 0.0f;

    // Places one particle into the slot (the emitter's spawn generator).
    void Spawn(Particle& slot);
};

// Sources are shared between the emitter's list and whoever added them, so a caller
// that keeps one never holds a dangling pointer after the emitter dropped it.
using EmitterParamsPtr = std::shared_ptr<EmitterParams>;

// The particles a burst source places in one go. Its interval is 1 / count, and the
// single-precision reciprocal of that can land a hair below the whole count (30
// gives 29.999998), so the count is rounded rather than truncated.
inline int32_t BurstParticleCount(float interval)
{
    constexpr float kMostParticles = 1.0e9f;  // far beyond any emitter's capacity
    const float count = 1.0f / interval;
    if (!(count < kMostParticles)) return static_cast<int32_t>(kMostParticles);
    return static_cast<int32_t>(std::lround(count));
}

// Step 1.2 of every emitter update, for one source: is it finished (to be deleted),
// and how many particles does it place this frame. Shared by the general and the
// shine sources, which have the same accounting fields.
template <class Source>
bool IsSourceFinished(const Source& source)
{
    return (source.flags & kEmitterStopped) != 0 &&
           ((source.flags & kEmitterLinger) == 0 || source.count == 0);
}

template <class Source>
void ComputeToEmit(Source& source, float dt)
{
    const bool lingering = (source.flags & kEmitterStopped) != 0 && (source.flags & kEmitterLinger) != 0;
    if (lingering || source.interval == 0.0f) {
        source.toEmit = 0;
        return;
    }
    if ((source.flags & kEmitterBurst) != 0) {
        // A burst keeps what it could not place over the next frames.
        if (source.toEmit == 0) source.toEmit = BurstParticleCount(source.interval);
        return;
    }
    source.accumulator += dt;
    source.toEmit = static_cast<int32_t>(source.accumulator / source.interval);
    source.accumulator -= static_cast<float>(source.toEmit) * source.interval;
}

// Step 7 of a spawn: the accounting after a particle was placed.
template <class Source>
void CountSpawned(Source& source)
{
    --source.toEmit;
    ++source.count;
    if ((source.flags & kEmitterBurst) != 0 && source.toEmit <= 0) source.flags |= kEmitterStopped;
}
