// EmitterParams: spawning a particle from a source with the emitters' own generator.
#include "framework/objects/particle_emitter_params.h"

#include "framework/objects/particle_spawn_random.h"

namespace {

float Between(float low, float high) { return low + EmitterSpawnRandom().NextFraction() * (high - low); }

float Spread(float spread) { return spread * (2.0f * EmitterSpawnRandom().NextFraction() - 1.0f); }

}  // namespace

void EmitterParams::Spawn(Particle& slot)
{
    // The order of the draws is part of the look of every effect; keep it.
    slot.life = Between(lifeMin, lifeMax);
    slot.lifeStart = slot.life;
    slot.size = Between(sizeMin, sizeMax);
    slot.stretch = stretch;
    slot.sizeRate = sizeRate;
    if (spread == 0.0f) {
        slot.position = position;
    } else {
        const float dy = Spread(spread);
        const float dx = Spread(spread);
        slot.position = {position.x + dx, position.y + dy, position.z};
    }
    slot.velocity.z = Between(velocityMin.z, velocityMax.z);
    slot.velocity.y = Between(velocityMin.y, velocityMax.y);
    slot.velocity.x = Between(velocityMin.x, velocityMax.x);
    slot.acceleration = acceleration;
    slot.fadeByLife = fadeByLife;
    slot.colorBirth = colorBirth;
    slot.colorMiddle = colorMiddle;
    slot.colorDeath = colorDeath;
    slot.rotation = Between(rotationMin, rotationMax);
    slot.spin = Between(spinMin, spinMax);
    CountSpawned(*this);
}
