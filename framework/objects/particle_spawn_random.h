// The two private generators of the particle spawn routines: one for the sources
// of the general emitters, one for the shine rays. They follow the game's formula
// but never touch the application's generator, and start from 0.
#pragma once
#include "framework/objects/random_gen.h"

RandomGen& EmitterSpawnRandom();
RandomGen& ShineSpawnRandom();

// Both generators back to 0, so that a test sees the same particles every run.
void ResetParticleSpawnRandom();
