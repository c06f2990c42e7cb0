// cMusic: a named, restartable piece of music over a tracker module or a stream
// that the sound manager holds. The manager owns every instance.
#pragma once
#include <cstdint>
#include <string>

#include "engine/sound/sound_manager.h"
#include "port/audio/audio_types.h"

namespace vrk {

class cMusic {
public:
    enum Kind : int32_t { kModule = 0, kStream = 1 };

    // Each constructor hands the new music to the manager's table (make them with
    // `new`; without a manager the music stays with its maker).
    // A module music that restarts at `startOrder`.
    cMusic(const std::string& name, const std::string& bufferName, uint16_t startOrder, int32_t secondPosition,
           cSoundManager* owner = GetSoundManager());
    // A stream music, named like its buffer.
    explicit cMusic(const std::string& streamBufferName, cSoundManager* owner = GetSoundManager());
    // A module music from order 0.
    cMusic(const std::string& name, const std::string& bufferName, cSoundManager* owner = GetSoundManager());
    virtual ~cMusic() = default;
    cMusic(const cMusic&) = delete;
    cMusic& operator=(const cMusic&) = delete;

    bool Play();
    bool SetLoop();
    // Fade in: from silence to the music group volume; fade out: to silence, and
    // the channel stops at the end.
    bool Fade(bool fadeIn, float seconds);

    // The channel of the buffer; 0 for the placeholder or a missing buffer.
    port::ChannelHandle GetHandle() const;
    bool IsPlaying() const;
    bool SetChannelVolume(float volume);

    const std::string& GetName() const { return name_; }
    int32_t GetBufferIndex() const { return bufferIndex_; }
    Kind GetKind() const { return kind_; }
    uint16_t GetStartOrder() const { return startOrder_; }
    int32_t GetSecondPosition() const { return secondPosition_; }

private:
    void Register();
    bool PlayModule(port::ChannelHandle channel);

    std::string name_;
    int32_t bufferIndex_ = 0;
    Kind kind_ = kModule;
    uint16_t startOrder_ = 0;
    int32_t secondPosition_ = 0;
    cSoundManager* owner_;
};

}  // namespace vrk
