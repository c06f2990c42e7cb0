// The audio layer as the engine uses it: the mixer (see mixer.h for every sample,
// stream, module, channel and volume call) together with the output it plays to.
//
// Typical use by a sound manager:
//   Open() at start-up (false with LastError() kNoDriver/kNoDevice when the
//   machine has no sound: the group volumes keep working, everything else fails
//   with kNotOpen); LoadSample / LoadStream / LoadModule for the data;
//   NewSampleChannel per playback; Play / Stop / State / SetLooping /
//   SetAttribute / SlideAttribute per channel; Pause / Start on focus changes;
//   Close() at the end, which frees everything.
#pragma once
#include <memory>

#include "port/audio/audio_output.h"
#include "port/audio/mixer.h"

namespace port {

enum class AudioOutputKind {
    kDevice,  // the machine's sound device
    kNull,    // no device: the owner pulls the mix through Render (tests)
};

class AudioSystem : public Mixer {
public:
    AudioSystem() = default;
    ~AudioSystem();

    // Opens the output and the mixer, unpaused. Fails with kAlreadyOpen, or with
    // kNoDriver / kNoDevice when the device cannot be had.
    bool Open(AudioOutputKind kind = AudioOutputKind::kDevice);
    // Closes the output and frees every sample, stream, module and channel; the
    // group volumes stay. kNotOpen when not open.
    bool Close();

    // Null output only: mixes `frames` stereo frames into `out`. On any other
    // output (or none) it writes silence and returns false.
    bool Render(float* out, size_t frames);

private:
    std::unique_ptr<AudioOutput> output_;
};

}  // namespace port
