// The process-wide spawn generators of the particle emitters.
#include "framework/objects/particle_spawn_random.h"

namespace {

RandomGen emitterSpawnRandom;
RandomGen shineSpawnRandom;

}  // namespace

RandomGen& EmitterSpawnRandom() { return emitterSpawnRandom; }
RandomGen& ShineSpawnRandom() { return shineSpawnRandom; }

void ResetParticleSpawnRandom()
{
    emitterSpawnRandom.seed = 0;
    shineSpawnRandom.seed = 0;
}
