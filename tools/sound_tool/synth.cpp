// Voice rendering and mixing.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kEndFadeSeconds = 0.004f;
constexpr float kSilence = 1e-9f;

float Oscillator(Wave wave, float phase, float duty, uint32_t& seed)
{
    switch (wave) {
    case Wave::Sine: return std::sin(kTwoPi * phase);
    case Wave::Square: return phase < duty ? 1.0f : -1.0f;
    case Wave::Triangle: return 4.0f * std::fabs(phase - 0.5f) - 1.0f;
    case Wave::Saw: return 2.0f * phase - 1.0f;
    case Wave::Noise:
        seed = seed * 1664525u + 1013904223u;
        return static_cast<float>(seed >> 8) / static_cast<float>(1u << 23) - 1.0f;
    }
    return 0.0f;
}

void AddVoice(const Voice& voice, int sampleRate, std::vector<float>& mix, bool loop)
{
    const float length = VoiceLength(voice);
    const size_t first = static_cast<size_t>(std::max(0.0f, voice.start) * sampleRate);
    const size_t count = static_cast<size_t>(length * sampleRate);
    const float endFrequency = voice.frequencyEnd > 0.0f ? voice.frequencyEnd : voice.frequency;
    const float filterAlpha =
        voice.cutoff > 0.0f ? 1.0f - std::exp(-kTwoPi * voice.cutoff / static_cast<float>(sampleRate)) : 1.0f;
    uint32_t seed = voice.seed;
    float phase = 0.0f;
    float filtered = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(sampleRate);
        const float progress = length > 0.0f ? t / length : 0.0f;
        // Glide on a log scale so pitch bends sound even.
        float frequency = voice.frequency * std::pow(endFrequency / std::max(voice.frequency, 1.0f), progress);
        if (voice.vibratoDepth > 0.0f) frequency *= 1.0f + voice.vibratoDepth * std::sin(kTwoPi * voice.vibratoRate * t);
        phase += frequency / static_cast<float>(sampleRate);
        phase -= std::floor(phase);
        const float raw = Oscillator(voice.wave, phase, voice.duty, seed);
        filtered += filterAlpha * (raw - filtered);
        size_t index = first + i;
        if (index >= mix.size()) {
            if (!loop || mix.empty()) break;
            index %= mix.size();
        }
        mix[index] += filtered * voice.level * EnvelopeAt(voice, t);
    }
}

}  // namespace

float EnvelopeAt(const Voice& voice, float t)
{
    if (t < 0.0f) return 0.0f;
    if (t < voice.attack) return t / voice.attack;
    t -= std::max(voice.attack, 0.0f);
    if (t < voice.hold) return 1.0f;
    t -= std::max(voice.hold, 0.0f);
    if (voice.release <= 0.0f || t >= voice.release) return 0.0f;
    const float left = 1.0f - t / voice.release;
    return left * left;
}

float VoiceLength(const Voice& voice)
{
    return std::max(voice.attack, 0.0f) + std::max(voice.hold, 0.0f) + std::max(voice.release, 0.0f);
}

Wave WaveFromName(const std::string& name, bool& known)
{
    known = true;
    if (name == "square") return Wave::Square;
    if (name == "triangle") return Wave::Triangle;
    if (name == "saw") return Wave::Saw;
    if (name == "noise") return Wave::Noise;
    known = name == "sine" || name.empty();
    return Wave::Sine;
}

std::vector<float> Render(const std::vector<Voice>& voices, int sampleRate, float length, bool loop,
                          float peakLevel)
{
    float total = std::max(length, 0.0f);
    if (!loop) {
        for (const Voice& voice : voices) total = std::max(total, std::max(voice.start, 0.0f) + VoiceLength(voice));
    }
    std::vector<float> mix(static_cast<size_t>(total * static_cast<float>(sampleRate)) + 1, 0.0f);
    for (const Voice& voice : voices) AddVoice(voice, sampleRate, mix, loop);

    float peak = 0.0f;
    for (float sample : mix) peak = std::max(peak, std::fabs(sample));
    const float gain = peak > kSilence ? std::clamp(peakLevel, 0.0f, 1.0f) / peak : 0.0f;
    for (float& sample : mix) sample *= gain;
    if (!loop) {
        const size_t fade = std::min(mix.size(), static_cast<size_t>(kEndFadeSeconds * sampleRate));
        for (size_t i = 0; i < fade; ++i) mix[mix.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
    return mix;
}
