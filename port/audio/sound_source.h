// What a channel plays: anything that renders interleaved stereo float frames at
// the mix rate. The mixer calls these under its lock, never from two threads at once.
#pragma once
#include <cstddef>

namespace port {

class SoundSource {
public:
    virtual ~SoundSource() = default;

    // Renders up to `frames` stereo frames into `out` and returns how many it wrote;
    // fewer than asked means the source has reached its end.
    virtual size_t Read(float* out, size_t frames) = 0;
    // Goes back to the first frame; false when the source cannot.
    virtual bool Rewind() = 0;
    // Sources that loop by themselves (modules honour their own jump commands) take
    // the flag here; the others are rewound by the channel when they end.
    virtual bool LoopsItself() const { return false; }
    virtual void SetLooping(bool /*looping*/) {}
};

}  // namespace port
