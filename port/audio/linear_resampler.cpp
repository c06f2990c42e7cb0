// Linear-interpolating rate conversion for stereo float frames.
#include "port/audio/linear_resampler.h"

#include <algorithm>

namespace port {

namespace {
// Input is pulled in blocks of this many frames.
constexpr size_t kChunkFrames = 1024;
}  // namespace

LinearResampler::LinearResampler(int32_t inputRate, int32_t outputRate)
    : step_(outputRate > 0 && inputRate > 0 ? static_cast<double>(inputRate) / outputRate : 1.0),
      chunk_(kChunkFrames * 2)
{
}

void LinearResampler::Reset()
{
    fraction_ = 0.0;
    primed_ = false;
    ended_ = false;
    draining_ = false;
    chunkFrames_ = 0;
    chunkPos_ = 0;
}

// The last input frame has nothing after it to move towards: it is held for one
// input period, then the output ends.
void LinearResampler::HoldLastFrame()
{
    next_[0] = current_[0];
    next_[1] = current_[1];
    draining_ = true;
}

bool LinearResampler::NextFrame(const Input& input, float* frame)
{
    if (chunkPos_ >= chunkFrames_) {
        chunkFrames_ = std::min(input(chunk_.data(), kChunkFrames), kChunkFrames);
        chunkPos_ = 0;
        if (chunkFrames_ == 0)
            return false;
    }
    frame[0] = chunk_[chunkPos_ * 2];
    frame[1] = chunk_[chunkPos_ * 2 + 1];
    ++chunkPos_;
    return true;
}

size_t LinearResampler::Read(float* out, size_t frames, const Input& input)
{
    if (!primed_) {
        primed_ = true;
        if (!NextFrame(input, current_)) {
            ended_ = true;
            return 0;
        }
        if (!NextFrame(input, next_))
            HoldLastFrame();
    }
    size_t written = 0;
    while (written < frames && !ended_) {
        const float t = static_cast<float>(fraction_);
        out[written * 2] = current_[0] + (next_[0] - current_[0]) * t;
        out[written * 2 + 1] = current_[1] + (next_[1] - current_[1]) * t;
        ++written;
        fraction_ += step_;
        while (fraction_ >= 1.0 && !ended_) {
            if (draining_) {
                ended_ = true;
                break;
            }
            fraction_ -= 1.0;
            current_[0] = next_[0];
            current_[1] = next_[1];
            if (!NextFrame(input, next_))
                HoldLastFrame();
        }
    }
    return written;
}

}  // namespace port
