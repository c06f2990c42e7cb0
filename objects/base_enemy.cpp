// cBaseEnemy: the camp's table of walkers and pictures, its text, the release timer
// and the walkers it sends out.
#include "objects/base_enemy.h"

#include <algorithm>
#include <vector>

#include "engine/log/log.h"
#include "engine/text/text_parse.h"
#include "framework/objects/app_services.h"
#include "framework/objects/random_gen.h"
#include "objects/build.h"
#include "objects/editor_hit_test.h"
#include "objects/enemy.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "framework/objects/object_owner.h"

namespace {

struct CampRow {
    const char* sprite;
    int32_t walkerType;
    const char* picture;
};

constexpr CampRow kCampTable[] = {
    {"skeleton", kTypeSkeleton, "skeleton_walk0"},
    {"goblin_money", kTypeGoblin, "goblin_walk0"},
    {"goblin_wood", kTypeGoblin, "goblin_pick0"},
    {"witch", kTypeWitch, "witch_walk0"},
    {"succub", kTypeSuccub, "succub_walk0"},
};

constexpr const char* kPictureKey = "life";
// Succubus camps rest while it is night.
constexpr const char* kNightQuietSprite = "succub";

float AppFraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
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
    for (const CampRow& row : kCampTable) {
        if (sprite != row.sprite) continue;
        walkerType_ = row.walkerType;
        AddAnimation(kPictureKey, row.picture);
        break;
    }
    ReadText();
    SwitchAnimation(kPictureKey);
    // Under the level tool there is no level screen, and no throwaway walker either.
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || walkerType_ == 0) return;
    if (cObject* walker = MakeWalker()) {
        walker->SetSprite(sprite);
        screen->RemoveObject(walker);
    }
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
        warn("maximum above 20, read as 20");
        maximum = static_cast<int32_t>(kMostWalkersAsked);
    }
    // Only a camp that releases anything needs a bound on its rhythm.
    if (maximum > 0 && interval < kShortestInterval) {
        warn("interval below 1 s, read as 1 s");
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
    // Every walker a camp releases is an enemy: one scan counts both the level's
    // enemies and those of this camp's type.
    ObjectList enemies;
    if (screen->FindObjectsOfKind(enemies, kTypeEnemy, -1) >= kMostLevelEnemies) return;
    const auto sameType = std::count_if(enemies.begin(), enemies.end(),
                                        [this](const cObject* enemy) { return enemy->IsKindOf(walkerType_); });
    if (static_cast<uint32_t>(sameType) >= maxWalkers_) return;
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
