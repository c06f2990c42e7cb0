// Whole-file decoding for samples, and playback of the decoded frames.
#include "port/audio/sample_playback.h"

#include "port/audio/linear_resampler.h"

#include <algorithm>
#include <cstring>

namespace port {

namespace {
// A sample lives in memory decoded; anything longer belongs in a stream. The byte
// budget is the bound that holds: a file at a very low rate is tiny on disk yet
// stretches to minutes at the mix rate.
constexpr size_t kMaxSampleSeconds = 600;
constexpr size_t kMaxSampleFloats =
    std::min(kMaxSampleSeconds * kMixRate * kMixChannels, kMaxSampleBytes / sizeof(float));
constexpr size_t kDecodeBlockFrames = 4096;
}  // namespace

PcmFrames DecodeSample(AudioBytes bytes, SampleInfo& info)
{
    auto reader = SoundFileReader::Open(std::move(bytes));
    if (!reader)
        return nullptr;
    info.sourceRate = reader->Rate();
    info.sourceChannels = reader->Channels();
    LinearResampler resampler(reader->Rate(), kMixRate);
    const LinearResampler::Input input = [&reader](float* out, size_t frames) {
        return reader->ReadStereo(out, frames);
    };
    auto pcm = std::make_shared<std::vector<float>>();
    std::vector<float> block(kDecodeBlockFrames * kMixChannels);
    for (;;) {
        const size_t got = resampler.Read(block.data(), kDecodeBlockFrames, input);
        const size_t needed = pcm->size() + got * kMixChannels;
        if (needed > kMaxSampleFloats)
            return nullptr;
        // Grow by doubling, but never past the budget.
        if (needed > pcm->capacity())
            pcm->reserve(std::min(std::max(needed, pcm->capacity() * 2), kMaxSampleFloats));
        pcm->insert(pcm->end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got * kMixChannels));
        if (got < kDecodeBlockFrames)
            break;
    }
    if (pcm->empty())
        return nullptr;
    info.frames = pcm->size() / kMixChannels;
    return pcm;
}

size_t SamplePlayback::Read(float* out, size_t frames)
{
    const size_t total = pcm_->size() / kMixChannels;
    const size_t count = position_ < total ? std::min(frames, total - position_) : 0;
    std::memcpy(out, pcm_->data() + position_ * kMixChannels, count * kMixChannels * sizeof(float));
    position_ += count;
    return count;
}

bool SamplePlayback::Rewind()
{
    position_ = 0;
    return true;
}

}  // namespace port
