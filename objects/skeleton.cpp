// cSkeleton: the attack pulse, the hunt for workers, the flourish, the crumbling on a
// blocked cell or under the hero's blow, and the skeleton count of the level.
#include "objects/skeleton.h"

#include <list>
#include <vector>

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "framework/objects/random_gen.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr int32_t kDirections = 4;
constexpr const char* kDeathKey = "death0";
constexpr const char* kDeathSound = "spirit_death";
constexpr const char* kScreamSound = "spirit_scream";
constexpr const char* kAchievementLevel = "001";
constexpr const char* kAchievement = "achieve_skeleton";
const vec2 kBarOffset{12.0f, -5.0f};

float AppFraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

cEnemy::AnimationList SkeletonAnimations()
{
    cEnemy::AnimationList animations;
    for (int32_t direction = 0; direction < kDirections; ++direction) {
        const std::string digit = std::to_string(direction);
        animations.emplace_back("walk" + digit, "skeleton_walk" + digit);
        animations.emplace_back("lost_hand" + digit, "skeleton_lost_hand" + digit);
    }
    animations.emplace_back(kDeathKey, "skeleton_death0");
    return animations;
}

}  // namespace

cSkeleton::cSkeleton(cObjectOwner* owner) : cEnemy(owner) {}

cSkeleton::~cSkeleton() = default;

int32_t cSkeleton::GetTypeId() const { return kTypeSkeleton; }

bool cSkeleton::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeSkeleton, id); }

int32_t cSkeleton::GetOrderState() { return GoblinOrderState(*this); }

int32_t cSkeleton::HitTest(const vec2& point) { return GetState() == kStateDying ? 0 : cEnemy::HitTest(point); }

void cSkeleton::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    AddAnimations(SkeletonAnimations());
    SetBarOffset(kBarOffset);
    SetTimerPeriod(kHealth);
    SetState(kStateChoose);
}

std::vector<std::string> cSkeleton::SetUpSprites() { return cEnemy::SetUpSprites(SkeletonAnimations()); }

void cSkeleton::StartMove() { StartMoveAtSpeed(GetAnimationKey().rfind("walk", 0) == 0 ? kWalkSpeed : kOtherSpeed); }

void cSkeleton::Update()
{
    const int32_t state = GetState();
    if (state != kStateHeld && state != kStateDying) {
        if (attackPulse_.Step(kTickSeconds) == kTimedArrived) AttackWorkersNearby();
        if (attackPulse_.elapsed == attackPulse_.duration) {
            attackPulse_.current = 0.0f;
            attackPulse_.SetTarget(kAttackSeconds);
        }
    }
    LevelScreen* screen = CurrentLevelScreen();
    if (GetState() == kStateWalking && screen != nullptr && screen->IsCellBlocked(screen->ObjectToCell(this))) {
        SetState(kStateDying);
    }
    // The flourish and the death wait for their animation's end; one that never
    // steps ends at once.
    if ((GetState() == kStateFlourish || GetState() == kStateDying) && IsOneShotStuck()) {
        const bool dying = GetState() == kStateDying;
        OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
        if (dying) return;
    }
    if (GetState() == kStateChoose) {
        Choose();
        if (GetState() != kStateChoose) return;
    }
    cEnemy::Update();
}

void cSkeleton::AttackWorkersNearby()
{
    for (cWorker* worker : WorkersWithin(kAttackReach)) {
        if (!worker->CanCommand() || worker->GetThreat() == this) continue;
        worker->OnMessage(kEventAttack, reinterpret_cast<uintptr_t>(this));
    }
}

void cSkeleton::Choose()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    if (setOut_ == 0 && AppFraction() > kFlourishChance) {
        SetState(kStateFlourish);
        return;
    }
    ObjectList objects;
    screen->FindObjectsOfKind(objects, kTypeWorker, -1);
    std::list<cMan*> workers;
    for (cObject* object : objects) {
        auto* worker = dynamic_cast<cMan*>(object);
        const int32_t state = object->GetState();
        if (worker == nullptr || state == cWorker::kStateInside || state == cWorker::kStateCutOff) continue;
        // A worker queued for removal this tick is still listed but has gone.
        if (HasGone(worker)) continue;
        workers.push_back(worker);
    }
    if (SendToNearestWorker(std::move(workers))) {
        if (AppRandom(kScreamDraws) > kScreamAbove) vrk::PlaySound(kScreamSound);
        return;
    }
    GoHomeOrLeave();
}

int32_t cSkeleton::OnStateChange(int32_t oldState, int32_t newState)
{
    vec2 direction;
    if (newState == kStateWalking || newState == kStateFlourish) GetMoveDirection(direction);
    if (newState == kStateWalking) {
        PlayDirected("walk", direction, kPlayLoopForward);
    } else if (newState == kStateFlourish) {
        PlayDirected("lost_hand", direction, kPlayOnceForward);
    } else if (newState == kStateDying) {
        PlayAnimation(kDeathKey, kPlayOnceForward);
        vrk::PlaySound(kDeathSound);
        LevelScreen* screen = CurrentLevelScreen();
        if (screen != nullptr && ++screen->skeletons == kAchievementSkeletons &&
            screen->GetLevelName() == kAchievementLevel) {
            screen->UnlockAchievement(kAchievement);
        }
    }
    return cEnemy::OnStateChange(oldState, newState);
}

int32_t cSkeleton::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageAnimationEnded && GetState() == kStateFlourish) {
        SetState(kStateChoose);
        return 0;
    }
    if (code == kMessageAnimationEnded && GetState() == kStateDying) {
        RemoveFromLevel();
        return 0;
    }
    // A shot's hold would raise a crumbling skeleton from its death, to die and
    // count once more.
    if (code == kEventShot && GetState() == kStateDying) return 0;
    const int32_t answer = cEnemy::OnMessage(code, data);
    if (code == kEventHit && IsDead()) SetState(kStateDying);
    return answer;
}
