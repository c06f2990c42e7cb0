// Particle: one slot of a particle emitter, and the three-float vector that particle
// positions, velocities and the billboard axes are kept in.
#pragma once
#include <cstdint>

struct ParticleVec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

inline ParticleVec3 operator+(const ParticleVec3& a, const ParticleVec3& b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline ParticleVec3 operator-(const ParticleVec3& a, const ParticleVec3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline ParticleVec3 operator*(const ParticleVec3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }

// A slot with life <= 0 is free.
struct Particle {
    float life = 0.0f;  // remaining seconds
    ParticleVec3 position;
    float lifeStart = 0.0f;
    float size = 0.0f;  // half the side of a billboard
    float stretch = 0.0f;
    float sizeRate = 0.0f;
    ParticleVec3 velocity;
    ParticleVec3 acceleration;
    uint8_t fadeByLife = 0;
    uint32_t colorBirth = 0;
    uint32_t colorMiddle = 0;
    uint32_t colorDeath = 0;
    float rotation = 0.0f;
    float spin = 0.0f;
};
