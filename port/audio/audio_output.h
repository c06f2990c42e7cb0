// Where the mix goes. A device output runs the mixer from its own thread; the null
// output leaves the pulling to its owner (tests, and machines without sound).
#pragma once
#include <memory>

#include "port/audio/audio_types.h"

namespace port {

class Mixer;

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // True when nothing pulls the mix but the output's owner.
    virtual bool PulledByOwner() const = 0;
};

// The sound device at kMixRate stereo with a buffer of kDeviceBufferFrames. Null
// with `error` set (kNoDriver, kNoDevice) when there is none. The mixer must
// outlive the output.
std::unique_ptr<AudioOutput> OpenDeviceOutput(Mixer& mixer, AudioError& error);

}  // namespace port
