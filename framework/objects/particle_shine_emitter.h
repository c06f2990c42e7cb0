// ShineEmitter: light rays that turn slowly about a point and fade in and out (the
// "shine" weather), with its source record ShineParams and its slot ShineParticle.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/objects/particle.h"
#include "framework/objects/particle_emitter_params.h"
#include "framework/objects/particle_mesh.h"

constexpr float kTwoPi = 6.2831855f;

struct ShineParams {
    float accumulator = 0.0f;
    uint32_t flags = kEmitterLinger;
    int32_t toEmit = 0;
    int32_t count = 0;  // live rays
    float interval = 0.0f;
    ParticleVec3 position;
    float length = 100.0f;
    float width = 10.0f;
    float widthRate = 5.0f;
    float rotationMin = 0.0f;
    float rotationMax = kTwoPi;
    float spinMin = 0.0f;
    float spinMax = 0.0f;
    float lifeMin = 1.0f;
    float lifeMax = 2.0f;
};

using ShineParamsPtr = std::shared_ptr<ShineParams>;

struct ShineParticle {
    float life = 0.0f;
    ParticleVec3 position;  // copied from the source every update
    float lifeStart = 0.0f;
    float rotation = 0.0f;
    float spin = 0.0f;
    float length = 0.0f;
    float width = 0.0f;
    float widthRate = 0.0f;
    float left = 0.0f;
    float top = 0.0f;
    float windowWidth = 0.0f;
    float windowHeight = 0.0f;
    // Shared, so a ray outliving its source (stopped without lingering) stays valid.
    ShineParamsPtr source;
};

// Places one ray from the source into the slot (the shine spawn generator).
void SpawnShine(ShineParams& params, const ShineParamsPtr& self, ShineParticle& slot);

class ShineEmitter {
public:
    static constexpr uint32_t kCapacity = 30;

    ShineEmitter();

    int32_t AddParams(ShineParamsPtr params);
    void SetTexture(const std::string& name) { mesh.SetTexture(name); }
    void Update(float dt);
    void Clear();

    uint32_t LiveCount() const;
    const std::vector<ShineParamsPtr>& Sources() const { return sources; }
    const std::vector<ShineParticle>& Slots() const { return slots; }

    ParticleMesh mesh;
    int32_t lastSlot = 0;

private:
    void BuildRayQuad(const ShineParticle& ray);

    std::vector<ShineParamsPtr> sources;
    std::vector<ShineParticle> slots;
    std::vector<ShineParamsPtr> activeSources;  // reused every frame
};
