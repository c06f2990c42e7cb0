// The sound manager's buffer records: each adds itself to its manager's table and
// gives its handle back to the audio layer when the manager deletes it.
#include "engine/sound/sound_manager.h"

#include <utility>

namespace vrk {

cSoundManager::cSoundBuffer::cSoundBuffer(const std::string& name, port::SampleHandle handle, cSoundManager* owner)
    : handle(handle), name(name), owner_(owner)
{
    if (owner_)
        owner_->soundBuffers.emplace_back(this);
}

cSoundManager::cSoundBuffer::~cSoundBuffer()
{
    if (owner_ && handle != port::kNoSample)
        owner_->Audio().FreeSample(handle);
}

cSoundManager::cMusicBuffer::cMusicBuffer(const std::string& name, port::ChannelHandle handle, cSoundManager* owner)
    : handle(handle), name(name), owner_(owner)
{
    if (owner_)
        owner_->musicBuffers.emplace_back(this);
}

cSoundManager::cMusicBuffer::~cMusicBuffer()
{
    if (owner_ && handle != port::kNoChannel)
        owner_->Audio().FreeChannel(handle);
}

cSoundManager::cStreamBuffer::cStreamBuffer(const std::string& name, port::ChannelHandle handle,
                                            port::AudioBytes bytes, cSoundManager* owner)
    : handle(handle), name(name), bytes(std::move(bytes)), owner_(owner)
{
    if (owner_)
        owner_->streamBuffers.emplace_back(this);
}

cSoundManager::cStreamBuffer::~cStreamBuffer()
{
    // The stream stops reading before its bytes go.
    if (owner_ && handle != port::kNoChannel)
        owner_->Audio().FreeChannel(handle);
    bytes.reset();
}

}  // namespace vrk
