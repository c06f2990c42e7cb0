// Load of each loading-queue kind.
#include "framework/widgets/load_items.h"

#include "engine/files/sound_reader.h"
#include "engine/render/texture.h"
#include "engine/sound/music.h"
#include "engine/sound/sound_manager.h"
#include "framework/widgets/texture_files.h"

void cLoadTexture::Load()
{
    if (vrk::FindTexture(GetName())) return;
    LoadTextureWithScript(GetPath(), parameter_);
}

void cLoadSound::Load()
{
    // Buffers made without a manager would belong to nobody.
    if (!vrk::GetSoundManager()) return;
    vrk::SampleRecord record;
    record.maxPlaybacks = parameter_;
    if (vrk::ReadSoundBuffer(record, GetPath()) != vrk::kSoundReadOk) return;
    // The buffer hands itself to the manager.
    new vrk::cSoundManager::cSoundBuffer(GetName(), record.handle);
}

void cLoadMusic::Load()
{
    vrk::cSoundManager* manager = vrk::GetSoundManager();
    if (!manager) return;
    if (manager->FindMusicBuffer(GetName()) == 0) {
        vrk::MusicRecord record;
        if (vrk::ReadMusicBuffer(record, GetPath()) != vrk::kSoundReadOk) return;
        new vrk::cSoundManager::cMusicBuffer(GetName(), record.handle);
    }
    new vrk::cMusic(GetName(), GetName());
}

void cLoadStream::Load()
{
    vrk::cSoundManager* manager = vrk::GetSoundManager();
    if (!manager) return;
    if (manager->FindStreamBuffer(GetName()) == 0) {
        vrk::StreamRecord record;
        if (vrk::ReadStreamBuffer(record, GetPath()) != vrk::kSoundReadOk) return;
        new vrk::cSoundManager::cStreamBuffer(GetName(), record.handle, std::move(record.bytes));
    }
    new vrk::cMusic(GetName());
}
