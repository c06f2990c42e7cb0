// ParticleEmitter: the update loop shared by every emitter flavour, and the billboard
// and streak quads.
#include "framework/objects/particle_emitter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kLastSecond = 1.0f;
constexpr float kByteMax = 255.0f;

// A channel outside the byte (or not a number at all) would be undefined once
// converted to an unsigned integer.
uint32_t ChannelByte(float value)
{
    if (!(value > 0.0f)) return 0;
    if (value >= kByteMax) return static_cast<uint32_t>(kByteMax);
    return static_cast<uint32_t>(value);
}

uint32_t MixColor(uint32_t first, uint32_t second, float weightOfFirst)
{
    // A dying particle's life runs past 0 in its last update, so its key weight
    // would leave the span between the two keys.
    const float weight = std::clamp(weightOfFirst, 0.0f, 1.0f);
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float a = static_cast<float>((first >> shift) & 0xFFu);
        const float b = static_cast<float>((second >> shift) & 0xFFu);
        result |= ChannelByte(a * weight + b * (1.0f - weight)) << shift;
    }
    return result;
}

}  // namespace

uint32_t ParticleKeyColor(const Particle& particle)
{
    if (particle.fadeByLife != 0) {
        const float alpha = std::clamp(particle.life, 0.0f, 1.0f);
        return (ChannelByte(alpha * kByteMax) << 24) | 0x00FFFFFFu;
    }
    const float t = particle.lifeStart != 0.0f ? 2.0f * particle.life / particle.lifeStart : 0.0f;
    if (t > 1.0f) return MixColor(particle.colorBirth, particle.colorMiddle, t - 1.0f);
    return MixColor(particle.colorMiddle, particle.colorDeath, t);
}

ParticleEmitter::ParticleEmitter(uint32_t capacity) : mesh(capacity), slots(capacity)
{
    activeSources.reserve(8);
}

ParticleEmitter::~ParticleEmitter() = default;

int32_t ParticleEmitter::AddParams(EmitterParamsPtr params)
{
    if (!params) return -1;
    sources.push_back(std::move(params));
    return static_cast<int32_t>(sources.size()) - 1;
}

void ParticleEmitter::Update(float dt) { RunUpdate(dt, QuadStyle::kBillboard); }

void ParticleEmitter::UpdateStreaks(float dt) { RunUpdate(dt, QuadStyle::kStreak); }

void ParticleEmitter::Clear()
{
    sources.clear();
    for (Particle& slot : slots) slot.life = 0.0f;
    lastSlot = 0;
    mesh.quadCount = 0;
}

uint32_t ParticleEmitter::LiveCount() const
{
    return static_cast<uint32_t>(
        std::count_if(slots.begin(), slots.end(), [](const Particle& p) { return p.life > 0.0f; }));
}

void ParticleEmitter::RunUpdate(float dt, QuadStyle style)
{
    mesh.quadCount = 0;
    activeSources.clear();
    for (auto it = sources.begin(); it != sources.end();) {
        EmitterParams& source = **it;
        if (IsSourceFinished(source)) {
            it = sources.erase(it);
            continue;
        }
        ComputeToEmit(source, dt);
        if (source.toEmit > 0) activeSources.push_back(&source);
        ++it;
    }

    int32_t candidate = 0;
    size_t current = 0;
    const auto capacity = static_cast<int32_t>(slots.size());
    for (int32_t index = 0; index < capacity; ++index) {
        Particle& particle = slots[static_cast<size_t>(index)];
        if (particle.life > 0.0f) {
            particle.life -= dt;
            if (particle.life <= 0.0f) {
                particle.size = 0.0f;  // one last, empty quad in its final frame
            } else {
                particle.velocity = particle.velocity + particle.acceleration * dt;
                particle.position = particle.position + particle.velocity * dt;
                particle.size = std::max(0.0f, particle.size + particle.sizeRate * dt);
                particle.rotation += particle.spin * dt;
            }
            switch (style) {
            case QuadStyle::kBillboard: BuildBillboardQuad(particle); break;
            case QuadStyle::kStreak: BuildStreakQuad(particle); break;
            case QuadStyle::kSheet: BuildSheetQuad(particle); break;
            }
            candidate = index;
            continue;
        }
        if (activeSources.empty()) {
            if (index >= lastSlot) break;
            continue;
        }
        // Several active sources share the free slots one particle each, in turn.
        EmitterParams* source = activeSources[current];
        source->Spawn(particle);
        candidate = index;
        if (source->toEmit <= 0) {
            activeSources.erase(activeSources.begin() + static_cast<std::ptrdiff_t>(current));
            if (current >= activeSources.size()) current = 0;
        } else {
            current = (current + 1) % activeSources.size();
        }
    }
    lastSlot = candidate;
}

void ParticleEmitter::BuildBillboardQuad(const Particle& particle)
{
    ParticleVec3 a = mesh.axisA;
    ParticleVec3 b = mesh.axisB;
    if (particle.spin != 0.0f) {
        const float c = std::cos(particle.rotation);
        const float s = std::sin(particle.rotation);
        const ParticleVec3 turnedA = a * c + b * s;
        const ParticleVec3 turnedB = b * c - a * s;
        a = turnedA;
        b = turnedB;
    }
    const ParticleVec3& p = particle.position;
    const float size = particle.size;
    mesh.AddQuad(p - (a + b) * size, p + (a - b) * size, p + (b - a) * size, p + (a + b) * size,
                 QuadWindow{}, ParticleKeyColor(particle));
}

void ParticleEmitter::BuildStreakQuad(const Particle& particle)
{
    const float c = std::cos(particle.rotation);
    const float s = std::sin(particle.rotation);
    const ParticleVec3 along = mesh.axisA * c + mesh.axisB * s;
    const ParticleVec3 across = mesh.axisA * s - mesh.axisB * c;
    float length = particle.size * particle.stretch;
    if (particle.life <= kLastSecond) length *= particle.life;
    const ParticleVec3 c0 = particle.position + across * particle.size;
    const ParticleVec3 c2 = particle.position - across * particle.size;
    mesh.AddQuad(c0, c0 + along * length, c2, c2 + along * length, QuadWindow{}, kColorWhite);
}

void ParticleEmitter::BuildSheetQuad(const Particle& particle) { BuildBillboardQuad(particle); }
