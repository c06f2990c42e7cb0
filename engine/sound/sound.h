// cSound: one playable channel of a named sample. A one-shot sound plays on after
// its object is gone; a looping one is stopped with it.
#pragma once
#include <cstdint>
#include <string>

#include "port/audio/audio_types.h"

namespace vrk {

class cSound {
public:
    // Looks the sample up by name and takes a channel of it. A name that no
    // buffer has logs a warning and leaves the sound silent.
    explicit cSound(const std::string& name);
    virtual ~cSound();
    cSound(const cSound&) = delete;
    cSound& operator=(const cSound&) = delete;

    // Starts the channel; a playing sound goes on untouched. A silent sound warns
    // on its first call only.
    bool Play();
    bool SetLoop();

    port::ChannelHandle GetChannel() const { return channel_; }
    int32_t GetBufferIndex() const { return bufferIndex_; }
    // True while the manager that made the channel is still the current one.
    bool ManagerAlive() const;

private:
    friend void StopAndDeleteSound(cSound* sound);

    port::ChannelHandle channel_ = port::kNoChannel;
    int32_t bufferIndex_ = 0;
    bool warned_ = false;
    uint32_t managerSerial_ = 0;
};

}  // namespace vrk
