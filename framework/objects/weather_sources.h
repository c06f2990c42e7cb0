// The weather sources a level set-up adds to the application's particle store:
// rain and snow over an area, a light-ray source, and a one-off star burst. Each
// appends the new source to its emitter and returns it (shared with the emitter).
#pragma once
#include <cstdint>

#include "framework/objects/particle_emitter_params.h"
#include "framework/objects/particle_shine_emitter.h"
#include "framework/objects/vec2.h"

class ParticleStore;

EmitterParamsPtr AddRainEmitter(ParticleStore& store, const vec2& point, float spread);
EmitterParamsPtr AddSnowEmitter(ParticleStore& store, const vec2& point, float spread);
ShineParamsPtr AddShineEmitter(ParticleStore& store, const vec2& point, float length);
// count particles, all at once (or over the next frames when the star emitter is
// full), starting in the colour and fading to black; count 0 emits nothing.
EmitterParamsPtr AddParticleBurst(ParticleStore& store, int32_t count, const vec2& point, uint32_t color,
                                  float spread);
