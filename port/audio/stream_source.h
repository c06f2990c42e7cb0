// A source that decodes a sound file's memory block as it plays, converting it to
// the mix rate on the way.
#pragma once
#include <memory>

#include "port/audio/linear_resampler.h"
#include "port/audio/sound_file_reader.h"
#include "port/audio/sound_source.h"

namespace port {

class StreamSource final : public SoundSource {
public:
    explicit StreamSource(std::unique_ptr<SoundFileReader> reader);
    // The input callback points at this object.
    StreamSource(const StreamSource&) = delete;
    StreamSource& operator=(const StreamSource&) = delete;
    size_t Read(float* out, size_t frames) override;
    bool Rewind() override;

private:
    std::unique_ptr<SoundFileReader> reader_;
    LinearResampler resampler_;
    LinearResampler::Input input_;
};

}  // namespace port
