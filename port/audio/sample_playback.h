// A playback of a fully decoded sample, and the whole-file decoder that makes the
// decoded frames from a sound file in memory.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

#include "port/audio/audio_types.h"
#include "port/audio/sound_file_reader.h"
#include "port/audio/sound_source.h"

namespace port {

// Interleaved stereo frames at the mix rate, shared by all playbacks of a sample.
using PcmFrames = std::shared_ptr<const std::vector<float>>;

// The most memory one decoded sample may take (stereo floats at the mix rate:
// about 190 seconds).
inline constexpr size_t kMaxSampleBytes = size_t{64} << 20;

// Decodes the whole block and converts it to the mix rate. Null when the data is
// not a sound file or its decoded frames would be longer than a sample may be
// (600 seconds or kMaxSampleBytes); `info` gets the source rate, channel count
// and length.
PcmFrames DecodeSample(AudioBytes bytes, SampleInfo& info);

class SamplePlayback final : public SoundSource {
public:
    explicit SamplePlayback(PcmFrames pcm) : pcm_(std::move(pcm)) {}
    size_t Read(float* out, size_t frames) override;
    bool Rewind() override;

private:
    PcmFrames pcm_;
    size_t position_ = 0;  // in frames
};

}  // namespace port
