// The game's sound calls: one-shot and looping sounds by name, and music switching.
#include "engine/sound/sound_play.h"

#include "engine/sound/music.h"
#include "engine/sound/sound_manager.h"

namespace vrk {

namespace {

constexpr float kSwitchFadeSeconds = 1.0f;

}  // namespace

void PlaySound(const std::string& name)
{
    // The channel outlives the object: a one-shot plays to its end.
    cSound sound(name);
    sound.Play();
}

cSound* PlayLoopedSound(const std::string& name)
{
    auto* sound = new cSound(name);
    sound->SetLoop();
    sound->Play();
    return sound;
}

void StopAndDeleteSound(cSound* sound)
{
    if (!sound)
        return;
    if (sound->channel_ != port::kNoChannel && sound->ManagerAlive() &&
        GetSoundManager()->Audio().Stop(sound->channel_))
        sound->channel_ = port::kNoChannel;
    delete sound;
}

void SwitchMusic(const std::string& name)
{
    cSoundManager* manager = GetSoundManager();
    if (!manager)
        return;
    for (const auto& music : manager->music) {
        if (music->GetHandle() != port::kNoChannel && music->IsPlaying())
            music->Fade(false, kSwitchFadeSeconds);
    }
    cMusic* next = manager->GetMusic(manager->FindMusic(name));
    if (!next)
        return;
    next->Fade(true, kSwitchFadeSeconds);
    next->SetLoop();
    next->Play();
}

}  // namespace vrk
