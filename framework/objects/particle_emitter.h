// ParticleEmitter: a fixed number of particle slots fed by a list of emission
// sources. Each update ages and moves the live particles, fills free slots from the
// sources in turn and builds one quad per particle: billboards (snow, stars, smoke
// and the object effects) or streaks (rain). FireEmitter, a sprite-sheet flavour,
// derives from it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "framework/objects/particle.h"
#include "framework/objects/particle_emitter_params.h"
#include "framework/objects/particle_mesh.h"

class ParticleEmitter {
public:
    explicit ParticleEmitter(uint32_t capacity);
    virtual ~ParticleEmitter();
    ParticleEmitter(const ParticleEmitter&) = delete;
    ParticleEmitter& operator=(const ParticleEmitter&) = delete;

    // Appends a source; the emitter keeps it until it is spent or cleared. A null
    // source is not added. Returns the source's index in the list, or -1.
    int32_t AddParams(EmitterParamsPtr params);
    void SetTexture(const std::string& name) { mesh.SetTexture(name); }

    // One frame of billboards.
    virtual void Update(float dt);
    // One frame of streaks (rain).
    void UpdateStreaks(float dt);
    // Drops every source and frees every slot.
    void Clear();

    // Live particles (slots with life > 0).
    uint32_t LiveCount() const;
    const std::vector<EmitterParamsPtr>& Sources() const { return sources; }
    const std::vector<Particle>& Slots() const { return slots; }

    ParticleMesh mesh;
    int32_t lastSlot = 0;  // highest slot touched by the last update

protected:
    enum class QuadStyle { kBillboard, kStreak, kSheet };

    // The shared update loop (sources, slots, spawning); the style picks the quad.
    void RunUpdate(float dt, QuadStyle style);
    // The sprite-sheet quad of the fire flavour.
    virtual void BuildSheetQuad(const Particle& particle);

    void BuildBillboardQuad(const Particle& particle);
    void BuildStreakQuad(const Particle& particle);

    std::vector<EmitterParamsPtr> sources;
    std::vector<Particle> slots;

private:
    std::vector<EmitterParams*> activeSources;  // reused every frame
};

// The billboard colour of a particle that is not white-by-life: birth to middle over
// the first half of its life, middle to death over the second.
uint32_t ParticleKeyColor(const Particle& particle);
