// Converts stereo frames from a source rate to the mix rate by linear interpolation,
// pulling its input on demand so that it serves whole files and streams alike.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace port {

class LinearResampler {
public:
    // Fills the given buffer with up to `frames` stereo frames and returns how many
    // it wrote; 0 means the input has ended.
    using Input = std::function<size_t(float* stereo, size_t frames)>;

    LinearResampler(int32_t inputRate, int32_t outputRate);

    // Writes up to `frames` output frames; fewer means the input ended.
    size_t Read(float* out, size_t frames, const Input& input);
    // Forgets all buffered input, for a rewind of the input.
    void Reset();

private:
    bool NextFrame(const Input& input, float* frame);
    void HoldLastFrame();

    double step_;
    double fraction_ = 0.0;
    float current_[2] = {0.0f, 0.0f};
    float next_[2] = {0.0f, 0.0f};
    bool primed_ = false;
    bool draining_ = false;
    bool ended_ = false;
    std::vector<float> chunk_;
    size_t chunkFrames_ = 0;
    size_t chunkPos_ = 0;
};

}  // namespace port
