// Incremental decoding of a stream through the rate converter.
#include "port/audio/stream_source.h"

#include "port/audio/audio_types.h"

namespace port {

StreamSource::StreamSource(std::unique_ptr<SoundFileReader> reader)
    : reader_(std::move(reader)), resampler_(reader_->Rate(), kMixRate)
{
    input_ = [this](float* out, size_t frames) { return reader_->ReadStereo(out, frames); };
}

size_t StreamSource::Read(float* out, size_t frames)
{
    return resampler_.Read(out, frames, input_);
}

bool StreamSource::Rewind()
{
    resampler_.Reset();
    return reader_->Rewind();
}

}  // namespace port
