// The sound manager's life (create, init, free, destroy), its name lookups and the
// group volumes.
#include "engine/sound/sound_manager.h"

#include <cmath>

#include "engine/log/log.h"
#include "engine/sound/music.h"

namespace vrk {

namespace {

constexpr const char* kSender = "cSoundManager";
constexpr const char* kWarning = "^5";
constexpr const char* kOk = "^6";

cSoundManager* g_soundManager = nullptr;
uint32_t g_soundManagerSerial = 0;

template <typename Table>
int32_t FindByName(const Table& table, const std::string& name)
{
    for (size_t index = 0; index < table.size(); ++index) {
        if (table[index]->name == name)
            return static_cast<int32_t>(index);
    }
    return 0;
}

template <typename Table>
auto* EntryAt(const Table& table, int32_t index)
{
    using Entry = typename Table::value_type::element_type;
    if (index < 0 || static_cast<size_t>(index) >= table.size())
        return static_cast<Entry*>(nullptr);
    return table[static_cast<size_t>(index)].get();
}

// The layer's group volume as a fraction; values past full (never set by the
// game) read as silence.
float GroupFraction(port::AudioGroup group)
{
    const cSoundManager* manager = GetSoundManager();
    if (!manager)
        return 0.0f;
    const int32_t value = manager->Audio().GroupVolume(group);
    if (value < 0 || value > port::kFullGroupVolume)
        return 0.0f;
    return static_cast<float>(value / static_cast<double>(port::kFullGroupVolume));
}

}  // namespace

cSoundManager::cSoundManager(port::AudioOutputKind output) : output_(output) {}

cSoundManager::~cSoundManager()
{
    Free();
}

bool cSoundManager::Init()
{
    // Each placeholder hands itself to this manager's table.
    new cSoundBuffer(kUnnamedSound, port::kNoSample, this);
    new cMusicBuffer(kUnnamedSound, port::kNoChannel, this);
    new cStreamBuffer(kUnnamedSound, port::kNoChannel, {}, this);
    new cMusic(kUnnamedSound, kUnnamedSound, this);

    if (!audio_.Open(output_)) {
        LogWrite(kSender, kWarning, "Init: BASS_Init, code: %i",
                 FormatArg::FromInt(static_cast<int32_t>(audio_.LastError())));
        return false;
    }
    paused = false;
    audio_.Start();
    return true;
}

bool cSoundManager::Free()
{
    // Music instances point into the buffers, so they go first.
    music.clear();
    musicBuffers.clear();
    soundBuffers.clear();
    streamBuffers.clear();
    if (!audio_.Close()) {
        LogWrite(kSender, kWarning, "Free: BASS_Free");
        return false;
    }
    return true;
}

void cSoundManager::SetVolume(int32_t group, float volume)
{
    if (!std::isfinite(volume) || volume < 0.0f || volume > 1.0f) {
        LogWrite(kSender, kWarning, "SetVolume: volume invalid");
        return;
    }
    const auto value = static_cast<int32_t>(volume * static_cast<float>(port::kFullGroupVolume));
    if (group == kSoundGroup) {
        if (!audio_.SetGroupVolume(port::AudioGroup::kSample, value))
            LogWrite(kSender, kWarning, "SetVolume: BASS_SetConfig( BASS_CONFIG_GVOL_SAMPLE )");
        return;
    }
    if (group != kMusicGroup)
        return;
    const bool set = audio_.SetGroupVolume(port::AudioGroup::kMusic, value) &&
                     audio_.SetGroupVolume(port::AudioGroup::kStream, value);
    if (!set)
        LogWrite(kSender, kWarning, "SetVolume: BASS_SetConfig( BASS_CONFIG_GVOL_MUSIC )");
    for (size_t index = 1; index < music.size(); ++index) {
        if (music[index]->IsPlaying())
            music[index]->SetChannelVolume(volume);
    }
}

int32_t cSoundManager::FindMusic(const std::string& name) const
{
    for (size_t index = 0; index < music.size(); ++index) {
        if (music[index]->GetName() == name)
            return static_cast<int32_t>(index);
    }
    return 0;
}

int32_t cSoundManager::FindMusicBuffer(const std::string& name) const { return FindByName(musicBuffers, name); }
int32_t cSoundManager::FindStreamBuffer(const std::string& name) const { return FindByName(streamBuffers, name); }
int32_t cSoundManager::FindSoundBuffer(const std::string& name) const { return FindByName(soundBuffers, name); }

cSoundManager::cSoundBuffer* cSoundManager::GetSoundBuffer(int32_t index) const { return EntryAt(soundBuffers, index); }
cSoundManager::cMusicBuffer* cSoundManager::GetMusicBuffer(int32_t index) const { return EntryAt(musicBuffers, index); }
cSoundManager::cStreamBuffer* cSoundManager::GetStreamBuffer(int32_t index) const
{
    return EntryAt(streamBuffers, index);
}
cMusic* cSoundManager::GetMusic(int32_t index) const { return EntryAt(music, index); }

bool CreateSoundManager(port::AudioOutputKind output)
{
    constexpr const char* kCreateSender = "CreateSoundManager";
    if (g_soundManager) {
        LogWrite(kCreateSender, kWarning, "Manager already exists");
        return false;
    }
    // Published before Init: the placeholders and everything loaded later find
    // the manager through the global.
    g_soundManager = new cSoundManager(output);
    ++g_soundManagerSerial;
    if (!g_soundManager->Init()) {
        LogWrite(kCreateSender, kWarning, "Init");
        return false;
    }
    LogWrite(kCreateSender, kOk, "Ok");
    return true;
}

bool DestroySoundManager()
{
    constexpr const char* kDestroySender = "DestroySoundManager";
    if (!g_soundManager) {
        LogWrite(kDestroySender, kWarning, "Manager does not exist");
        return false;
    }
    // The global stays set while the tables are emptied, so records and music
    // being deleted still reach their manager.
    delete g_soundManager;
    g_soundManager = nullptr;
    LogWrite(kDestroySender, kOk, "Ok");
    return true;
}

cSoundManager* GetSoundManager() { return g_soundManager; }

uint32_t GetSoundManagerSerial() { return g_soundManagerSerial; }

float GetSoundVolume() { return GroupFraction(port::AudioGroup::kSample); }

float GetMusicVolume() { return GroupFraction(port::AudioGroup::kMusic); }

}  // namespace vrk
