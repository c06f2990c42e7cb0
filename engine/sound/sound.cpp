// cSound: takes a channel of its sample at construction, plays it, and stops it
// with the object only when it loops.
#include "engine/sound/sound.h"

#include "engine/log/log.h"
#include "engine/sound/sound_manager.h"

namespace vrk {

namespace {

constexpr const char* kSender = "cSound";
constexpr const char* kWarning = "^5";

}  // namespace

cSound::cSound(const std::string& name) : managerSerial_(GetSoundManagerSerial())
{
    cSoundManager* manager = GetSoundManager();
    bufferIndex_ = manager ? manager->FindSoundBuffer(name) : 0;
    if (bufferIndex_ == 0) {
        // The placeholder is the deliberate "no sound": it stays quiet in Play too.
        if (name == kUnnamedSound)
            warned_ = true;
        else
            LogWrite(kSender, kWarning, "constructor: sound buffer not found '%s'", FormatArg::FromString(name));
        return;
    }
    const cSoundManager::cSoundBuffer* buffer = manager->GetSoundBuffer(bufferIndex_);
    port::AudioSystem& audio = manager->Audio();
    channel_ = audio.NewSampleChannel(buffer->handle);
    if (channel_ == port::kNoChannel) {
        LogWrite(kSender, kWarning, "Init: BASS_SampleGetChannel '%s'", FormatArg::FromString(buffer->name));
        return;
    }
    port::SampleInfo info;
    if (audio.GetSampleInfo(buffer->handle, info) && info.is3D) {
        // Negative values keep what the layer has.
        const port::Channel3DAttributes attributes{0, manager->minDistance, manager->maxDistance, -1, -1, -1.0f};
        if (!audio.Set3DAttributes(channel_, attributes))
            LogWrite(kSender, kWarning, "Init: BASS_ChannelSet3DAttributes '%s'", FormatArg::FromString(buffer->name));
    }
}

cSound::~cSound()
{
    // A sound released after its manager (late GUI teardown) has nothing to stop.
    if (channel_ == port::kNoChannel || !ManagerAlive())
        return;
    port::AudioSystem& audio = GetSoundManager()->Audio();
    if (audio.IsLooping(channel_))
        audio.Stop(channel_);
}

bool cSound::ManagerAlive() const
{
    return GetSoundManager() && GetSoundManagerSerial() == managerSerial_;
}

bool cSound::Play()
{
    if (channel_ == port::kNoChannel || !ManagerAlive()) {
        if (!warned_) {
            warned_ = true;
            LogWrite(kSender, kWarning, "Play: invalid sound (id = %i)", FormatArg::FromInt(bufferIndex_));
        }
        return false;
    }
    return GetSoundManager()->Audio().Play(channel_, false);
}

bool cSound::SetLoop()
{
    if (channel_ == port::kNoChannel || !ManagerAlive())
        return false;
    return GetSoundManager()->Audio().SetLooping(channel_, true);
}

}  // namespace vrk
