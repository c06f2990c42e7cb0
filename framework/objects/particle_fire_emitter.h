// FireEmitter: a small emitter whose particles play through the cells of a sprite
// sheet over their life (the "fire" effect's flames).
#pragma once
#include <cstdint>

#include "framework/objects/particle_emitter.h"

class FireEmitter : public ParticleEmitter {
public:
    static constexpr uint32_t kCapacity = 15;

    FireEmitter();

    // One frame of sheet quads.
    void Update(float dt) override;

    uint32_t columns = 1;
    uint32_t rows = 1;
    float cellWidth = 1.0f;
    float cellHeight = 1.0f;

protected:
    void BuildSheetQuad(const Particle& particle) override;
};
