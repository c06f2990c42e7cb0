// cBaseEnemy: the camp's table of walkers and pictures, its text, the release timer,
// the camps' shared count of the enemies and the walkers it sends out.
#include "objects/base_enemy.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "engine/log/log.h"
#include "engine/text/text_parse.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/random_gen.h"
#include "framework/objects/sprite_info.h"
#include "objects/build.h"
#include "objects/editor_hit_test.h"
#include "objects/enemy.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/skeleton.h"
#include "objects/succub.h"
#include "objects/witch.h"

namespace {

struct CampRow {
    const char* sprite;
    int32_t walkerType;
    const char* picture;
    // The sprites the walker's set-up takes.
    std::vector<std::string> (*walkerSprites)();
};

constexpr CampRow kCampTable[] = {
    {"skeleton", kTypeSkeleton, "skeleton_walk0", &cSkeleton::SetUpSprites},
    {"goblin_money", kTypeGoblin, "goblin_walk0", &cGoblin::SetUpSprites},
    {"goblin_wood", kTypeGoblin, "goblin_pick0", &cGoblin::SetUpSprites},
    {"witch", kTypeWitch, "witch_walk0", &cWitch::SetUpSprites},
    {"succub", kTypeSuccub, "succub_walk0", &cSuccub::SetUpSprites},
};

constexpr const char* kPictureKey = "life";
// Succubus camps rest while it is night.
constexpr const char* kNightQuietSprite = "succub";

float AppFraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

// Marks the sprite's texture as used, so that the level's loading loads it.
void MarkSprite(const std::string& name, bool loadNow)
{
    cAppServices* services = GetAppServices();
    if (services != nullptr) MarkSpriteTextureUsed(services->GetSpriteInfoEx(name), loadNow);
}

// The objects the scene has taken out so far: each one given to RemoveObject is
// listed as removed at once and waits as pending until the end of the tick.
size_t TakenOut(const LevelScreen& screen)
{
    return screen.GetRemovedObjects().size() - screen.GetPendingRemovals().size();
}

// Counts the level's enemies, of every kind and of each camp's walker type.
void CountEnemies(LevelScreen& screen)
{
    EnemyCensus& census = screen.enemyCensus;
    ObjectList enemies;
    census.enemies = screen.FindObjectsOfKind(enemies, kTypeEnemy, -1);
    census.walkers.clear();
    for (const CampRow& row : kCampTable) {
        census.walkers[row.walkerType] = static_cast<uint32_t>(std::count_if(
            enemies.begin(), enemies.end(), [&row](const cObject* enemy) { return enemy->IsKindOf(row.walkerType); }));
    }
    census.takenOut = TakenOut(screen);
    census.counted = true;
}

// Walkers whose clicks need a way from the home base to them.
bool NeedsPathFromHome(int32_t type)
{
    return type == kTypeSkeleton || type == kTypeGoblin || type == kTypeSkeletonWizard;
}

}  // namespace

cBaseEnemy::cBaseEnemy(cObjectOwner* owner) : cGameObject(owner) { SetLayerField(kCampLayer); }

cBaseEnemy::~cBaseEnemy() = default;

int32_t cBaseEnemy::GetTypeId() const { return kTypeBaseEnemy; }

bool cBaseEnemy::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeBaseEnemy, id); }

int32_t cBaseEnemy::HitTest(const vec2& point) { return EditorOnlyHitTest(*this, point); }

void cBaseEnemy::ResetReleaseTimer()
{
    releaseTimer_.start = 0.0f;
    releaseTimer_.target = 0.0f;
    releaseTimer_.current = 0.0f;
    releaseTimer_.elapsed = 0.0f;
    releaseTimer_.duration = 0.0f;
}

void cBaseEnemy::SetSprite(const std::string& sprite)
{
    cGameObject::SetSprite(sprite);
    walkerType_ = 0;
    std::vector<std::string> (*walkerSprites)() = nullptr;
    for (const CampRow& row : kCampTable) {
        if (sprite != row.sprite) continue;
        walkerType_ = row.walkerType;
        walkerSprites = row.walkerSprites;
        AddAnimation(kPictureKey, row.picture);
        break;
    }
    ReadText();
    SwitchAnimation(kPictureKey);
    // The walkers' pictures are marked now, so that the level's loading loads them
    // rather than the first release. Under the level tool there is no level screen.
    if (CurrentLevelScreen() == nullptr || walkerSprites == nullptr) return;
    const bool loadNow = owner_ != nullptr && owner_->IsEditorMode();
    for (const std::string& name : walkerSprites()) MarkSprite(name, loadNow);
}

void cBaseEnemy::ReadText()
{
    const auto [intervalText, maximumText] = vrk::SplitPair(GetText(), ";");
    if (GetText().find(';') == std::string::npos) {
        baseInterval_ = 0.0f;
        maxWalkers_ = 0;
        return;
    }
    float interval = vrk::StrToFloat(intervalText);
    int32_t maximum = vrk::StrToInt(maximumText.c_str());
    const auto warn = [this](const std::string& what) {
        const std::string format = "Enemy camp '%s': " + what + " in '%s'";
        vrk::LogWrite("cBaseEnemy::SetSprite", "^5", format.c_str(),
                      vrk::FormatArg::FromString(GetName().empty() ? GetSprite() : GetName()),
                      vrk::FormatArg::FromString(GetText()));
    };
    // A negative maximum in the unsigned count would let walkers out for ever.
    if (!(interval >= 0.0f) || maximum < 0) {
        warn("negative interval or maximum, read as 0");
        if (!(interval >= 0.0f)) interval = 0.0f;
        if (maximum < 0) maximum = 0;
    }
    if (maximum > static_cast<int32_t>(kMostWalkersAsked)) {
        const std::string most = std::to_string(kMostWalkersAsked);
        warn("maximum above " + most + ", read as " + most);
        maximum = static_cast<int32_t>(kMostWalkersAsked);
    }
    // Only a camp that releases anything needs a bound on its rhythm.
    if (maximum > 0 && interval < kShortestInterval) {
        std::ostringstream seconds;
        seconds << kShortestInterval << " s";
        const std::string shortest = seconds.str();
        warn("interval below " + shortest + ", read as " + shortest);
        interval = kShortestInterval;
    }
    baseInterval_ = interval;
    maxWalkers_ = static_cast<uint32_t>(maximum);
}

cObject* cBaseEnemy::MakeWalker()
{
    LevelScreen* screen = CurrentLevelScreen();
    return screen != nullptr ? screen->CreateObject(walkerType_, 0) : nullptr;
}

void cBaseEnemy::Update()
{
    // A camp with nothing to release costs nothing: a level may hold thousands.
    if (walkerType_ == 0 || maxWalkers_ == 0) return;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->IsEditorMode()) return;
    if ((screen->GetInputFlags() & kInputCinematic) != 0) return;
    if (screen->night && GetSprite() == kNightQuietSprite) return;
    if (releaseTimer_.elapsed == releaseTimer_.duration) {
        // The scan for the walkers comes once an interval: a base set to 0 by the
        // level's scripts must not make it one a tick.
        const float base = std::max(baseInterval_, kShortestInterval);
        const float interval = (kLowFactor + kFactorRange * AppFraction()) * base;
        releaseTimer_.current = 0.0f;
        releaseTimer_.speed = 1.0f;
        releaseTimer_.SetTarget(interval);
        // An interval too short to run ends at once: its release is now.
        if (releaseTimer_.duration > 0.0f) return;
    } else if (releaseTimer_.Step(kTickSeconds) != kTimedArrived) {
        return;
    }
    Release();
}

void cBaseEnemy::Release()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || walkerType_ == 0) return;
    // Every walker a camp releases is an enemy: one count of the scene gives both the
    // level's enemies and those of this camp's type. While the census says the level
    // is full and nothing has left the scene since, it still is: thousands of camps
    // need no scan each at every interval.
    const EnemyCensus& census = screen->enemyCensus;
    const auto full = [this, &census] {
        const auto walkers = census.walkers.find(walkerType_);
        return census.enemies >= kMostLevelEnemies || (walkers != census.walkers.end() && walkers->second >= maxWalkers_);
    };
    if (!census.counted || census.takenOut != TakenOut(*screen) || !full()) CountEnemies(*screen);
    if (full()) return;
    cObject* walker = MakeWalker();
    if (walker == nullptr) return;
    walker->SetSprite(GetSprite());
    if (auto* enemy = dynamic_cast<cEnemy*>(walker)) enemy->SetHome(this);
    walker->SetPositionV(GetPosition());
    walker->SetLinkId(GetLinkId());
    auto* figure = dynamic_cast<cGameObject*>(walker);
    if (figure != nullptr && NeedsPathFromHome(walkerType_)) {
        // Without a home base there is no way to the walker, so no click on it.
        std::vector<vec2> path;
        cBuild* homeBase = screen->home;
        figure->SetInteractive(homeBase != nullptr && screen->FindPath(path, homeBase, walker, true));
    }
}

void cBaseEnemy::Draw()
{
    if (owner_ != nullptr && owner_->IsEditorMode()) cObject::Draw();
}
