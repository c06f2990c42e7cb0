// One playing thing in the mix: its source, play state, loop flag, volume and pan
// with their slides, and the stored positioning attributes.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "port/audio/audio_types.h"
#include "port/audio/sound_source.h"

namespace port {

class Channel {
public:
    Channel(std::unique_ptr<SoundSource> source, AudioGroup group, SampleHandle sample = kNoSample);

    AudioGroup Group() const { return group_; }
    SampleHandle Sample() const { return sample_; }
    SoundSource& Source() { return *source_; }

    bool Playing() const { return playing_; }
    bool EverStarted() const { return everStarted_; }
    // Order of the last start among all channels; smaller is older.
    uint64_t StartSequence() const { return startSequence_; }
    // Starts or resumes; a channel that reached its end starts from the beginning.
    // A playing channel is left alone unless `restart`.
    void Play(bool restart, uint64_t sequence);
    // Stops where it is; Play resumes from there.
    void Stop() { playing_ = false; }
    // The source was moved (a module repositioned): the end is no longer reached.
    void ClearEnded() { ended_ = false; }

    bool Looping() const { return looping_; }
    void SetLooping(bool looping);

    float Attribute(ChannelAttribute attribute) const;
    // Sets the value at once and ends a slide of that attribute.
    void SetAttribute(ChannelAttribute attribute, float value);
    // Moves the attribute to `target` over `frames` mix frames, replacing a running
    // slide. A volume target of kVolumeStopsChannel slides to silence and stops.
    void Slide(ChannelAttribute attribute, float target, uint64_t frames);
    bool Sliding(ChannelAttribute attribute) const;

    const Channel3DAttributes& Attributes3D() const { return attributes3D_; }
    void Set3DAttributes(const Channel3DAttributes& attributes);

    // Adds `frames` frames of this channel, scaled by `groupGain`, to `mix`; a
    // channel that is not playing only lets its slides run on.
    void MixInto(float* mix, size_t frames, float groupGain, std::vector<float>& scratch);

private:
    struct SlideState {
        bool active = false;
        bool stopsChannel = false;
        float from = 0.0f;
        float to = 0.0f;
        uint64_t length = 0;   // frames
        uint64_t elapsed = 0;  // frames
    };

    size_t FillFromSource(float* out, size_t frames);
    // Moves every slide on by one frame; false when the channel stopped on it.
    bool StepSlides();
    void AdvanceSlides(size_t frames);

    std::unique_ptr<SoundSource> source_;
    AudioGroup group_;
    SampleHandle sample_;
    bool playing_ = false;
    bool ended_ = false;
    bool everStarted_ = false;
    bool looping_ = false;
    uint64_t startSequence_ = 0;
    float values_[kChannelAttributeCount] = {1.0f, 0.0f};
    SlideState slides_[kChannelAttributeCount];
    Channel3DAttributes attributes3D_;
};

}  // namespace port
