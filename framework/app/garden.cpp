// cGarden: construction and the game's start-up up to the splash screen. The rest
// of start-up is in garden_start.cpp, play-time services in garden_play.cpp.
#include "framework/app/garden.h"

#include <lua.hpp>

#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/script/script.h"
#include "engine/sound/sound_manager.h"
#include "framework/app/player.h"
#include "framework/widgets/game_bindings.h"
#include "framework/widgets/splash_widget.h"

namespace {

constexpr const char* kSender = "cGarden";
constexpr const char* kInfoCode = "^6";
constexpr float kFullVolume = 1.0f;

cGarden* g_garden = nullptr;

void SetGroupVolume(int32_t group, float volume)
{
    if (vrk::cSoundManager* manager = vrk::GetSoundManager()) manager->SetVolume(group, volume);
}

// The Lua global when it is a number (strings do not count), else full volume.
float SavedVolume(const char* globalName)
{
    lua_State* state = vrk::GetLuaState();
    if (!state) return kFullVolume;
    vrk::PushGlobalRaw(state, globalName);
    const float volume =
        lua_type(state, -1) == LUA_TNUMBER ? static_cast<float>(lua_tonumber(state, -1)) : kFullVolume;
    lua_pop(state, 1);
    return volume;
}

}  // namespace

cGarden* GetGarden() { return g_garden; }

cGarden::cGarden()
{
    g_garden = this;
    AddFrameworkEntries(registry_);
    SetGroupVolume(vrk::kSoundGroup, kFullVolume);
    SetGroupVolume(vrk::kMusicGroup, kFullVolume);
}

cGarden::~cGarden()
{
    if (g_garden == this) g_garden = nullptr;
}

int32_t cGarden::Init()
{
    const int32_t result = cMiddle::Init();
    if (result != 0) return result;
    vrk::cGame* game = vrk::GetGame();
    if (game) vrk::LogWrite(kSender, kInfoCode, "Start game initialization...");
    // Splash and loading go on while the window is inactive.
    if (game) game->keepRunning = 1;

    RegisterGameScriptFunctions();
    SetGroupVolume(vrk::kSoundGroup, SavedVolume("soundVolume"));
    SetGroupVolume(vrk::kMusicGroup, SavedVolume("musicVolume"));
    AddGameAchievements();

    // The core owns the screen from its construction on.
    new cSplashWidget(this);
    if (game) game->SetFocus(cSplashWidget::kName);
    vrk::LogWrite(kSender, kInfoCode, "Show splash screen...");
    return 0;
}

std::unique_ptr<cPlayerBase> cGarden::CreatePlayer(const std::string& id)
{
    return std::make_unique<cPlayer>(GetPlayerList(), id);
}
