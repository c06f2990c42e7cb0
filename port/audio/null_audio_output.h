// The output without a device: the mix is computed only when its owner asks.
#pragma once
#include "port/audio/audio_output.h"

namespace port {

class NullAudioOutput final : public AudioOutput {
public:
    bool PulledByOwner() const override { return true; }
};

}  // namespace port
