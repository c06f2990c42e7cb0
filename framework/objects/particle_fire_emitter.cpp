// FireEmitter: billboards whose texture window walks through a sprite sheet.
#include "framework/objects/particle_fire_emitter.h"

#include <algorithm>

FireEmitter::FireEmitter() : ParticleEmitter(kCapacity) {}

void FireEmitter::Update(float dt) { RunUpdate(dt, QuadStyle::kSheet); }

void FireEmitter::BuildSheetQuad(const Particle& particle)
{
    const uint32_t cells = std::max(columns, 1u) * std::max(rows, 1u);
    const float age = particle.lifeStart != 0.0f ? 1.0f - particle.life / particle.lifeStart : 1.0f;
    // A dying particle's age reaches 1 and would name the cell past the last one.
    const float cellPosition =
        std::clamp(age * static_cast<float>(cells), 0.0f, static_cast<float>(cells - 1));
    const auto cell = static_cast<uint32_t>(cellPosition);
    const uint32_t column = cell % std::max(columns, 1u);
    const uint32_t row = cell / std::max(columns, 1u);

    QuadWindow window;
    window.u0 = static_cast<float>(column) / static_cast<float>(std::max(columns, 1u));
    window.u1 = window.u0 + cellWidth;
    window.v0 = 1.0f - (static_cast<float>(row) / static_cast<float>(std::max(rows, 1u)) + cellHeight);
    window.v1 = window.v0 + cellHeight;

    const ParticleVec3& a = mesh.axisA;
    const ParticleVec3& b = mesh.axisB;
    const ParticleVec3& p = particle.position;
    const float size = particle.size;
    mesh.AddQuad(p - (a + b) * size, p + (a - b) * size, p + (b - a) * size, p + (a + b) * size, window,
                 kColorWhite);
}
