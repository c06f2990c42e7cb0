// cMiddle: construction and destruction, the start-up steps the engine calls in turn
// (Init, OnSplashEnd, FinishInit), and the small services of the application object.
#include "framework/app/middle.h"

#include <cstdio>
#include <ctime>

#include "engine/files/file_system.h"
#include "engine/files/path_record.h"
#include "engine/files/path_split.h"
#include "engine/files/save_recovery.h"
#include "engine/gui/gui.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/platform/widget.h"
#include "engine/render/texture.h"
#include "framework/app/player_base.h"
#include "framework/app/profile_recovery.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/texture_info_ex.h"
#include "framework/widgets/loading_widget.h"
#include "framework/widgets/texture_files.h"

namespace {

constexpr const char* kSender = "cMiddle";
constexpr const char* kInfoCode = "^6";
constexpr const char* kWarningCode = "^5";
constexpr const char* kAppFolder = "{AppPath}";
// Clamp to the edge, so the borders do not bleed the opposite edge in.
constexpr uint32_t kClampToEdge = vrk::kTextureAddressClamp;

cMiddle* g_middle = nullptr;

// Makes a start-up folder when nothing of that name is on disk; an existing folder
// is left as it is (modes included). A failure is not fatal: the game runs without
// saving.
void MakeStartupFolder(const char* folder)
{
    if (vrk::FileExists(folder)) return;
    vrk::CreateFolder(folder);
    vrk::SetEveryoneFullAccess(folder);
}

// A data folder that cannot be written (read-only medium, wrong owner, a file in
// its place) leaves the game running without saving anything, and without a log
// file to say so: the player hears it once on stderr and once in the console.
void ReportUnwritableDataFolder()
{
    // Without an application folder there is nothing to save to or to report on.
    if (vrk::ExpandPathMacros(kAppFolder).empty()) return;
    for (const char* folder : {kAppFolder, cMiddle::kConfFolder, cMiddle::kProfileFolder}) {
        if (vrk::IsFolderWritable(folder)) continue;
        const std::string path = vrk::ToSystemPath(folder);
        std::fprintf(stderr, "Kelvara 2: the folder %s cannot be written; the game runs but saves nothing\n",
                     path.c_str());
        vrk::LogWrite(kSender, kWarningCode, "Folder %s cannot be written: nothing is saved",
                      vrk::FormatArg::FromString(path));
        return;
    }
}

}  // namespace

cMiddle* GetMiddle() { return g_middle; }

cMiddle::cMiddle()
{
    players_ = std::make_unique<PlayerList>(
        [this](const std::string& id) { return CreatePlayer(id); },
        [this] {
            PlayerList::Counts counts;
            counts.achievements = static_cast<uint32_t>(achievements_.size());
            counts.names = static_cast<uint32_t>(names_.size());
            counts.levels = GetLevelCount();
            return counts;
        });
    weather_ = std::make_unique<ParticleStore>();
    g_middle = this;
    SetAppServices(this);
}

cMiddle::~cMiddle()
{
    // Level streams first, then the player (not saved here: SaveSettings did that),
    // the weather, and the sprite descriptions, whose textures the registry of
    // textures still shares.
    levelFiles_.Create(0);
    players_.reset();
    weather_.reset();
    GetTextureInfoExMap().clear();
    if (GetAppServices() == this) SetAppServices(nullptr);
    if (g_middle == this) g_middle = nullptr;
}

int32_t cMiddle::Init()
{
    if (vrk::GetGame()) vrk::LogWrite(kSender, kInfoCode, "Start game initialization...");

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) != nullptr)
        randomGen.seed = RandomSeedOfTimeOfDay(local.tm_hour, local.tm_min, local.tm_sec);

    MakeStartupFolder(kConfFolder);
    MakeStartupFolder(kProfileFolder);
    ReportUnwritableDataFolder();
    // Only one copy of the game runs, so no save is under way: what a crash left of
    // a settings or profile write goes before the player list is read (the level
    // folder is mended as its files are loaded).
    vrk::RecoverUnfinishedSaves(kConfFolder);
    RecoverUnfinishedProfileSaves();

    levelFiles_.Create(GetLevelCount());
    return 0;
}

void cMiddle::OnSplashEnd()
{
    if (vrk::GetGame()) vrk::LogWrite(kSender, kInfoCode, "End splash screen");
    LoadTextureWithScript(vrk::PathRecord(kGuiSystemTexture), kTextureReadNow);
    // The skin's cells reach the picture's edges (the buttons its top, the window
    // panel its bottom). Wrapped, a window drawn at any size but 1024 x 768 filters
    // the far edge into the near one: the panel's dark rim showed as a line over
    // every button.
    if (const vrk::TexturePtr skin = vrk::FindTexture(kGuiSkinTexture)) skin->SetAddressMode(kClampToEdge);
    // The core owns the widget from its construction on.
    new cLoadingWidget(this);
    if (vrk::cGame* game = vrk::GetGame()) game->SetFocus(cLoadingWidget::kName);
    vrk::LogWrite(kSender, kInfoCode, "Start loading...");
}

void cMiddle::FinishInit()
{
    vrk::LogWrite(kSender, kInfoCode, "Loading complete. Finish game initialization...");

    vrk::TexturePtr& widescreen = vrk::GetTextureMap()[kWidescreenTexture];
    widescreenTexture = widescreen;
    // Kept on the texture, so a re-upload of the side borders clamps as well.
    if (widescreenTexture) widescreenTexture->SetAddressMode(kClampToEdge);

    weather_->Bind(GetPrimitiveBatch());

    std::string activeId;
    players_->ReadPlayerList(activeId);
    vrk::LogWrite(kSender, kInfoCode, "Found %i Player profiles",
                  vrk::FormatArg::FromInt(static_cast<int32_t>(players_->GetPlayers().size())));
    vrk::LogWrite(kSender, kInfoCode, "Switch to player '%s'", vrk::FormatArg::FromString(activeId));
    LogonPlayer(activeId);
    LoadLevelFiles();
}

int32_t cMiddle::SavePlayerList() { return players_->SavePlayerList(); }
std::string cMiddle::AddPlayer(const std::string& name) { return players_->AddPlayer(name); }
int32_t cMiddle::DeletePlayer(const std::string& id) { return players_->DeletePlayer(id); }
int32_t cMiddle::LogonPlayer(const std::string& id) { return players_->LogonPlayer(id); }
std::string cMiddle::GetPlayerFolder(const std::string& id) { return PlayerList::GetPlayerFolder(id); }
std::string cMiddle::FindPlayerByName(const std::string& name) { return players_->FindPlayerByName(name); }

vrk::VertexBatch* cMiddle::GetPrimitiveBatch()
{
    vrk::cGame* game = vrk::GetGame();
    return game ? game->batch.get() : nullptr;
}

void cMiddle::AddAchievement(const std::string& name, const std::string& descriptionKey, uint32_t value)
{
    achievements_.push_back(AchievementDef{name, descriptionKey, value});
}

uint32_t cMiddle::GetAchievementCount() { return static_cast<uint32_t>(achievements_.size()); }

uint32_t cMiddle::FindAchievement(const std::string& name)
{
    for (size_t index = 0; index < achievements_.size(); ++index)
        if (achievements_[index].name == name) return static_cast<uint32_t>(index);
    return GetAchievementCount();
}

void cMiddle::AddName(const std::string& text) { names_.push_back(text); }
uint32_t cMiddle::GetNameCount() { return static_cast<uint32_t>(names_.size()); }
int32_t cMiddle::GetResourceCount() { return static_cast<int32_t>(kDefaultResourceCount); }
uint32_t cMiddle::GetLevelCount() { return kDefaultLevelCount; }

void cMiddle::LoadLevelFiles() { levelFiles_.LoadLevelFiles(); }
bool cMiddle::SaveLevelFiles() { return levelFiles_.SaveLevelFiles(); }
bool cMiddle::SaveMapFile() { return levelFiles_.SaveMapFile(); }
bool cMiddle::SaveAchieveFile() { return levelFiles_.SaveAchieveFile(); }
bool cMiddle::SaveMenuFile() { return levelFiles_.SaveMenuFile(); }
bool cMiddle::SaveComicsFile() { return levelFiles_.SaveComicsFile(); }
uint32_t cMiddle::MoveEntryUp(uint32_t index) { return levelFiles_.MoveEntryUp(index); }
uint32_t cMiddle::MoveEntryDown(uint32_t index) { return levelFiles_.MoveEntryDown(index); }
void cMiddle::ResetEntry(uint32_t index) { levelFiles_.ResetEntry(index); }

void cMiddle::ShowComics(const std::string& /*target*/, const std::string& /*current*/) {}

vrk::cWidget* cMiddle::GetFocusedWidget()
{
    vrk::cGame* game = vrk::GetGame();
    return game ? game->focused : nullptr;
}

void cMiddle::GetMousePos(vec2& position)
{
    int32_t x = 0;
    int32_t y = 0;
    vrk::GetCursorClientPos(x, y);
    if (vrk::cGame* game = vrk::GetGame(); game && game->gui) game->gui->ScreenToGui(x, y);
    position.x = static_cast<float>(x);
    position.y = static_cast<float>(y);
}
