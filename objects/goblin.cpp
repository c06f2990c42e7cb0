// cGoblin: choosing a source, picking at it, carrying the loot home, fleeing when
// beaten, and its animations and walking speeds.
#include "objects/goblin.h"

#include <algorithm>
#include <list>
#include <vector>

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "framework/objects/small_math.h"
#include "objects/enemy_tuning.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/source.h"

namespace {

constexpr const char* kAnimationWords[] = {"walk", "bag", "fear", "pick", "protect"};
constexpr int32_t kDirections = 4;
constexpr const char* kSetOutSound = "bandit_scream0";
constexpr const char* kScreamFormat = "bandit_scream";
constexpr int32_t kScreamCount = 3;
constexpr const char* kStoneSound = "bar_stone";
constexpr const char* kTreeSound = "bar_tree";
// Picking at trees is silent on this level.
constexpr const char* kSilentTreeLevel = "004";
constexpr const char* kAchievementLevel = "012";
constexpr const char* kAchievement = "achieve_goblin";
const vec2 kMarkerOffset{12.0f, -5.0f};

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

cEnemy::AnimationList GoblinAnimations()
{
    cEnemy::AnimationList animations;
    for (const char* word : kAnimationWords) {
        for (int32_t direction = 0; direction < kDirections; ++direction) {
            const std::string key = word + std::to_string(direction);
            animations.emplace_back(key, "goblin_" + key);
        }
    }
    return animations;
}

}  // namespace

int32_t GoblinOrderState(cEnemy& enemy)
{
    const LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->hero == nullptr) return kOrderNeedsHero;
    return enemy.HeroReachVerdict(enemy.cGameObject::GetOrderState());
}

cGoblin::cGoblin(cObjectOwner* owner) : cEnemy(owner) {}

cGoblin::~cGoblin() = default;

int32_t cGoblin::GetTypeId() const { return kTypeGoblin; }

bool cGoblin::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeGoblin, id); }

int32_t cGoblin::GetOrderState() { return GoblinOrderState(*this); }

void cGoblin::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    const size_t underscore = sprite.find('_');
    if (underscore != std::string::npos) mode_ = sprite.substr(underscore + 1) == "wood" ? kModeWood : kModeMoney;
    AddAnimations(GoblinAnimations());
    SetMarksOffset(kMarkerOffset);
    SetTimerPeriod(kHealth);
    SetState(kStateChoose);
}

std::vector<std::string> cGoblin::SetUpSprites() { return cEnemy::SetUpSprites(GoblinAnimations()); }

void cGoblin::StartMove()
{
    const std::string& key = GetAnimationKey();
    float speed = kOtherSpeed;
    if (StartsWith(key, "walk")) {
        speed = kWalkSpeed;
    } else if (StartsWith(key, "bag")) {
        speed = kBagSpeed;
    } else if (StartsWith(key, "fear")) {
        speed = kFearSpeed;
    }
    StartMoveAtSpeed(speed);
}

void cGoblin::SetTarget(cGameObject* target, int32_t kind)
{
    if (auto* source = dynamic_cast<cSource*>(target_); source != nullptr && source != target) {
        source->SetHeldByGoblin(false);
        // A source let go half picked, with no worker on it, is whole again: else it
        // would show work in progress, take its next order for free, and no goblin
        // would choose it again.
        if (source->GetState() == kStateWorking && source->GetUsedPlaces() == 0 && !HasGone(source)) {
            source->SetTimerRemaining(0.0f);
            source->SetState(kStateWorkDone);
        }
    }
    target_ = target;
    targetKind_ = kind;
}

cMan* cGoblin::FindManTargeting(cObject* object)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return nullptr;
    ObjectList walkers;
    screen->FindObjectsOfKind(walkers, kTypeMan, kEnemyLayer);
    for (cObject* candidate : walkers) {
        auto* walker = dynamic_cast<cMan*>(candidate);
        if (walker != nullptr && walker->GetTarget() == object) return walker;
    }
    return nullptr;
}

void cGoblin::Update()
{
    auto* source = dynamic_cast<cSource*>(target_);
    if (source != nullptr && (source->GetUsedPlaces() != 0 || source->GetState() == cSource::kStateExhausted)) {
        SetTarget(nullptr, 0);
        SetState(kStateChoose);
    }
    if (GetState() == kStatePicking) UpdatePicking();
    if (GetState() == kStateChoose && ChooseSource()) return;
    cEnemy::Update();
}

void cGoblin::UpdatePicking()
{
    // A target that has gone leaves nothing to pick at: choose again.
    if (HasGone(target_)) {
        SetTarget(nullptr, 0);
        SetState(kStateChoose);
        return;
    }
    auto* source = dynamic_cast<cSource*>(target_);
    const int32_t frame = GetFrame();
    if (lastPickFrame_ == kBlowFrameBefore && frame == kBlowFrameAfter) {
        if (source == nullptr || !source->IsTree()) {
            vrk::PlaySound(kStoneSound);
        } else {
            source->Strike(GetPosition());
            const LevelScreen* screen = CurrentLevelScreen();
            if (screen == nullptr || screen->GetLevelName() != kSilentTreeLevel) vrk::PlaySound(kTreeSound);
        }
    }
    lastPickFrame_ = frame;
    if (target_->UpdateTimer(EnemyTuningValues().goblinWorkRate * kTickSeconds) != kTimerIdle) return;
    OnLootTaken(target_);
}

void cGoblin::OnLootTaken(cGameObject* source)
{
    bag_ = source->GetYield();
    auto* tree = dynamic_cast<cSource*>(source);
    LevelScreen* screen = CurrentLevelScreen();
    if (tree != nullptr && tree->IsTree() && screen != nullptr) {
        if (++screen->goblinTrees == kAchievementTrees && screen->GetLevelName() == kAchievementLevel) {
            screen->UnlockAchievement(kAchievement);
        }
    }
    // A goblin placed by the level file has no camp to carry the loot to.
    if (!SendHome()) LeaveLevel();
}

void cGoblin::LeaveLevel()
{
    // The source it held is let go first, so it is whole again for the workers.
    SetTarget(nullptr, 0);
    RemoveFromLevel();
}

bool cGoblin::ChooseSource()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return false;
    const int32_t wanted = mode_ == kModeWood ? cSource::kKindTree : cSource::kKindNugget;
    ObjectList objects;
    screen->FindObjectsOfKind(objects, kTypeSource, -1);
    std::list<cSource*> candidates;
    for (cObject* object : objects) {
        auto* source = dynamic_cast<cSource*>(object);
        // A source queued for removal this tick is still listed but has gone.
        if (source == nullptr || source->GetKind() != wanted || HasGone(source)) continue;
        if (source->GetState() == cSource::kStateExhausted || FindManTargeting(source) != nullptr) continue;
        if (GetLinkId() != 0 && source->GetLinkId() != GetLinkId()) continue;
        candidates.push_back(source);
    }
    const vec2 at = GetPosition();
    candidates.sort([&at](const cSource* a, const cSource* b) {
        return (a->GetPosition() - at).Length() < (b->GetPosition() - at).Length();
    });
    for (cSource* source : candidates) {
        std::vector<vec2> path;
        if (!screen->FindPath(path, this, source, true) || !screen->SendWorker(this, source, 0)) continue;
        setOut_ = 0;
        vrk::PlaySound(kSetOutSound);
        return true;
    }
    if (setOut_ != 0 || !SendHome()) RemoveFromLevel();
    return false;
}

int32_t cGoblin::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessagePathFinished && target_ != nullptr) {
        if (target_ == home_) {
            RemoveFromLevel();
            return 0;
        }
        if (auto* source = dynamic_cast<cSource*>(target_)) {
            source->SetHeldByGoblin(true);
            source->SetState(kStateWorking);
            SetState(kStatePicking);
        }
    } else if (code == kEventShot) {
        const auto* sender = reinterpret_cast<const cObject*>(data);
        vec2 direction = sender != nullptr ? sender->GetPosition() - GetPosition() : vec2{};
        Normalize(direction);
        PlayDirected("protect", direction, kPlayLoopForward);
    }
    const int32_t answer = cEnemy::OnMessage(code, data);
    if (code == kEventHit && IsDead()) {
        // Beaten: home with the fear animation, or off the level without a camp.
        if (!SendHome()) LeaveLevel();
        vrk::PlaySound(kScreamFormat + std::to_string(AppRandom(kScreamCount - 1)));
    }
    return answer;
}

int32_t cGoblin::OnStateChange(int32_t oldState, int32_t newState)
{
    if (newState == kStateWalking) {
        const char* base = IsDead() ? "fear" : (bag_.IsZero() ? "walk" : "bag");
        vec2 direction;
        GetMoveDirection(direction);
        PlayDirected(base, direction, kPlayLoopForward);
    } else if (newState == kStatePicking) {
        vec2 direction = target_ != nullptr ? target_->GetPosition() - GetPosition() : vec2{};
        Normalize(direction);
        PlayDirected("pick", direction, kPlayLoopForward);
    }
    return cEnemy::OnStateChange(oldState, newState);
}
