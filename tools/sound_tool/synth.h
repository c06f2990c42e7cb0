// The sound tool's synthesiser: a sound is a list of voices, each an oscillator
// or noise with a pitch glide, a filter and an attack / hold / release envelope,
// mixed and scaled to a peak level.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class Wave { Sine, Square, Triangle, Saw, Noise };

struct Voice {
    Wave wave = Wave::Sine;
    float start = 0.0f;        // seconds from the start of the sound
    float frequency = 440.0f;  // Hz at the start of the voice
    float frequencyEnd = 0.0f; // Hz at the end of the voice (0: no glide)
    float attack = 0.005f;     // seconds to full level
    float hold = 0.0f;         // seconds at full level
    float release = 0.1f;      // seconds from full level to silence (exponential-looking fall)
    float level = 0.5f;
    float vibratoRate = 0.0f;  // Hz
    float vibratoDepth = 0.0f; // fraction of the frequency
    float cutoff = 0.0f;       // one-pole low-pass cut-off in Hz (0: none)
    float duty = 0.5f;         // square wave's high fraction
    uint32_t seed = 1;         // noise generator start
};

// The envelope gain at time t (seconds) from the start of the voice: a linear rise
// over attack, hold at 1, then a curved fall reaching 0 at attack + hold + release.
float EnvelopeAt(const Voice& voice, float t);
float VoiceLength(const Voice& voice);
Wave WaveFromName(const std::string& name, bool& known);

// Mixes the voices at the sample rate into at least length seconds (longer when a
// voice ends later, unless loop is set: then exactly length, with the voices that
// run past the end wrapped to the start so the sound repeats without a seam).
// The peak is scaled to peakLevel and the last few milliseconds of a non-looping
// sound are faded so it ends without a click.
std::vector<float> Render(const std::vector<Voice>& voices, int sampleRate, float length, bool loop,
                          float peakLevel);
