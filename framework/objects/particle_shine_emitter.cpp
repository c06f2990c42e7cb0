// ShineEmitter: the ray update loop, ray spawning and the ray quads.
#include "framework/objects/particle_shine_emitter.h"

#include <algorithm>
#include <cmath>

#include "framework/objects/particle_spawn_random.h"

namespace {

// The ray texture holds nine rays stacked in rows of an eighth of its height.
constexpr uint32_t kRayVariants = 9;
constexpr float kRayRowHeight = 0.125f;
constexpr float kFadeInSeconds = 0.5f;
constexpr float kFadeInRate = 2.0f;
constexpr float kFadeOutSeconds = 0.25f;
constexpr float kFadeOutRate = 4.0f;
constexpr float kByteMax = 255.0f;

float Between(float low, float high) { return low + ShineSpawnRandom().NextFraction() * (high - low); }

}  // namespace

void SpawnShine(ShineParams& params, const ShineParamsPtr& self, ShineParticle& slot)
{
    slot.life = Between(params.lifeMin, params.lifeMax);
    slot.lifeStart = slot.life;
    slot.rotation = Between(params.rotationMin, params.rotationMax);
    slot.spin = Between(params.spinMin, params.spinMax);
    const float half = params.length * 0.5f;
    slot.length = Between(half, params.length);
    slot.width = params.width;
    slot.widthRate = params.widthRate;
    slot.left = 0.0f;
    slot.top = static_cast<float>(ShineSpawnRandom().NextValue() % kRayVariants) * kRayRowHeight;
    slot.windowWidth = 1.0f;
    slot.windowHeight = kRayRowHeight;
    slot.position = params.position;
    slot.source = self;
    CountSpawned(params);
}

ShineEmitter::ShineEmitter() : mesh(kCapacity), slots(kCapacity) { activeSources.reserve(4); }

int32_t ShineEmitter::AddParams(ShineParamsPtr params)
{
    if (!params) return -1;
    sources.push_back(std::move(params));
    return static_cast<int32_t>(sources.size()) - 1;
}

void ShineEmitter::Clear()
{
    sources.clear();
    for (ShineParticle& slot : slots) {
        slot.life = 0.0f;
        slot.source.reset();
    }
    lastSlot = 0;
    mesh.quadCount = 0;
}

uint32_t ShineEmitter::LiveCount() const
{
    return static_cast<uint32_t>(
        std::count_if(slots.begin(), slots.end(), [](const ShineParticle& p) { return p.life > 0.0f; }));
}

void ShineEmitter::Update(float dt)
{
    mesh.quadCount = 0;
    activeSources.clear();
    for (auto it = sources.begin(); it != sources.end();) {
        if (IsSourceFinished(**it)) {
            it = sources.erase(it);
            continue;
        }
        ComputeToEmit(**it, dt);
        if ((*it)->toEmit > 0) activeSources.push_back(*it);
        ++it;
    }

    int32_t candidate = 0;
    size_t current = 0;
    const auto capacity = static_cast<int32_t>(slots.size());
    for (int32_t index = 0; index < capacity; ++index) {
        ShineParticle& ray = slots[static_cast<size_t>(index)];
        if (ray.life > 0.0f) {
            if (ray.source) ray.position = ray.source->position;
            ray.life -= dt;
            if (ray.life <= 0.0f) {
                ray.width = 0.0f;
                if (ray.source) --ray.source->count;
            } else {
                ray.rotation += ray.spin * dt;
                if (ray.rotation >= kTwoPi) {
                    ray.rotation = 0.0f;
                } else if (ray.rotation <= 0.0f) {
                    ray.rotation = kTwoPi;
                }
                ray.width += ray.widthRate * dt;
            }
            BuildRayQuad(ray);
            if (ray.life <= 0.0f) ray.source.reset();
            candidate = index;
            continue;
        }
        if (activeSources.empty()) {
            if (index >= lastSlot) break;
            continue;
        }
        const ShineParamsPtr& source = activeSources[current];
        SpawnShine(*source, source, ray);
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

void ShineEmitter::BuildRayQuad(const ShineParticle& ray)
{
    const float c = std::cos(ray.rotation);
    const float s = std::sin(ray.rotation);
    const ParticleVec3 along = mesh.axisA * c + mesh.axisB * s;
    const ParticleVec3 across = mesh.axisA * s - mesh.axisB * c;
    const ParticleVec3 c0 = ray.position + across * ray.width;
    const ParticleVec3 c2 = ray.position - across * ray.width;

    float brightness = 1.0f;
    const float age = ray.lifeStart - ray.life;
    if (age < kFadeInSeconds) {
        brightness = age * kFadeInRate;
    } else if (ray.life < kFadeOutSeconds) {
        brightness = ray.life * kFadeOutRate;
    }
    // A ray in its final, zero-width frame has negative life: black, not a wrapped byte.
    brightness = std::clamp(brightness, 0.0f, 1.0f);
    const auto byte = static_cast<uint32_t>(brightness * kByteMax) & 0xFFu;
    const uint32_t color = 0xFF000000u | byte * 0x010101u;

    QuadWindow window{ray.left, ray.top, ray.left + ray.windowWidth, ray.top + ray.windowHeight};
    mesh.AddQuad(c0, c0 + along * ray.length, c2, c2 + along * ray.length, window, color);
}
