// The sound device through SDL2 audio: the device's callback thread runs the mix.
#pragma once
#include <cstdint>

#include "port/audio/audio_output.h"

namespace port {

class SdlAudioOutput final : public AudioOutput {
public:
    // Takes its reference on SDL's audio subsystem; `device` is open and running.
    explicit SdlAudioOutput(uint32_t device) : device_(device) {}
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool PulledByOwner() const override { return false; }

private:
    uint32_t device_;
};

}  // namespace port
