// EffectHolder: the one particle effect a scene object carries, made from an effect
// descriptor of the form kind=argument ("snow=64", "fire", "build_smoke=32"). It owns
// its emitter (a general one or a fire one) and points at the source it emits from.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "engine/render/matrix4.h"
#include "framework/objects/particle_emitter.h"
#include "framework/objects/particle_emitter_params.h"
#include "framework/objects/particle_fire_emitter.h"

namespace vrk {
class VertexBatch;
}

class EffectHolder {
public:
    // The object tick that advances effects.
    static constexpr float kTickSeconds = 0.033333335f;

    EffectHolder() = default;
    EffectHolder(const EffectHolder&) = delete;
    EffectHolder& operator=(const EffectHolder&) = delete;
    EffectHolder(EffectHolder&&) noexcept = default;
    EffectHolder& operator=(EffectHolder&&) noexcept = default;

    // Discards any effect and builds the one the descriptor names; an unknown kind
    // leaves the holder empty (it then emits and draws nothing).
    void SetEffect(vrk::VertexBatch* ownerBatch, const std::string& descriptor);
    // Advances the emitter that is set.
    void Update(float dt);
    // Takes the billboard axes from the matrix and copies the built quads into the
    // drawing batch.
    void Draw(const vrk::Matrix4& matrix);
    // Moves the start point of the current source.
    void SetPosition(float x, float y);
    // Emission on at the effect's rate, or off (the particles in flight live on).
    void SetEmitting(bool on);
    bool IsEmitting() const;
    // Deletes both emitters with their sources.
    void Clear();

    bool HasEffect() const { return general != nullptr || fire != nullptr; }
    // Particles per second of the current source (0 without one).
    float GetRate() const { return rate; }
    // Particles placed so far by the current source (0 without one).
    int32_t GetParticleCount() const { return params ? params->count : 0; }
    // Live particles of the emitter that is set.
    uint32_t GetLiveCount() const;
    // The emitter that is set (general first), or null.
    ParticleEmitter* GetEmitter() const;
    const EmitterParamsPtr& GetParams() const { return params; }

private:
    std::unique_ptr<ParticleEmitter> general;
    std::unique_ptr<FireEmitter> fire;
    EmitterParamsPtr params;
    float rate = 0.0f;
};
