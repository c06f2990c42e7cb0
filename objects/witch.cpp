// cWitch: the cast pulse, the choice of a worker to hunt, the freezing magic, the
// death under the hero's blows with the level's witch count, the bonfire that
// drives her off and the vanishing.
#include "objects/witch.h"

#include <list>
#include <vector>

#include "engine/sound/sound_play.h"
#include "framework/objects/small_math.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/succub.h"
#include "objects/worker.h"

namespace {

constexpr const char* kSpriteBase = "witch";
constexpr const char* kAppearKey = "appear0";
constexpr const char* kAppearSound = "witch_appear";
constexpr const char* kMagicSound = "witch_magic";
constexpr const char* kDeathSound = "witch_death";
constexpr const char* kAchievementLevel = "006";
constexpr const char* kAchievement = "achieve_witch";
const vec2 kBarOffset{12.0f, -5.0f};

}  // namespace

cWitch::cWitch(cObjectOwner* owner) : cEnemy(owner) {}

cWitch::~cWitch() = default;

int32_t cWitch::GetTypeId() const { return kTypeWitch; }

bool cWitch::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeWitch, id); }

int32_t cWitch::HitTest(const vec2& point) { return GetState() == kStateVanish ? 0 : cEnemy::HitTest(point); }

void cWitch::StartMove() { StartMoveAtSpeed(EnemyCasterMoveSpeed(GetAnimationKey())); }

void cWitch::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    AddAnimations(CasterAnimations(kSpriteBase));
    SetBarOffset(kBarOffset);
    SetTimerPeriod(kHealth);
    SetState(kStateChoose);
}

std::vector<std::string> cWitch::SetUpSprites() { return cEnemy::SetUpSprites(CasterAnimations(kSpriteBase)); }

void cWitch::Update()
{
    const int32_t state = GetState();
    if (state != kStateChoose && state != kStateHeld && state != kStateVanish) {
        if (castPulse_.elapsed == castPulse_.duration) RestartTimer(castPulse_, kCastSeconds);
        if (castPulse_.Step(kTickSeconds) == kTimedArrived) CastOnWorkersNearby();
    }
    // The magic and the vanishing wait for their animation's end; one that never
    // steps ends at once.
    if ((GetState() == kStateMagic || GetState() == kStateVanish) && IsOneShotStuck()) {
        const bool vanishing = GetState() == kStateVanish;
        OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
        if (vanishing) return;
    }
    if (GetState() == kStateChoose) {
        Choose();
        return;
    }
    cEnemy::Update();
}

void cWitch::CastOnWorkersNearby()
{
    for (cWorker* worker : WorkersWithin(kCastReach)) {
        if (!CasterMayTake(*this, worker)) continue;
        SetTarget(worker, 0);
        SetState(kStateMagic);
    }
}

void cWitch::Choose()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    ObjectList objects;
    screen->FindObjectsOfKind(objects, kTypeWorker, -1);
    std::list<cMan*> workers;
    for (cObject* object : objects) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || HasGone(worker) || worker->IsFrozen()) continue;
        const int32_t state = worker->GetState();
        if (state == cWorker::kStateInside || state == cWorker::kStateCutOff) continue;
        workers.push_back(worker);
    }
    if (!SendToNearestWorker(std::move(workers))) GoHomeOrLeave();
}

void cWitch::EndMagic()
{
    // A worker that has left the level is not frozen (and not counted again).
    if (!HasGone(target_)) {
        target_->OnMessage(kEventFreeze, reinterpret_cast<uintptr_t>(static_cast<cObject*>(this)));
    }
    SetState(kStateChoose);
}

void cWitch::OnKilled()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && ++screen->witches == kAchievementWitches &&
        screen->GetLevelName() == kAchievementLevel) {
        screen->UnlockAchievement(kAchievement);
    }
    SetState(kStateVanish);
}

int32_t cWitch::OnMessage(uint32_t code, uintptr_t data)
{
    switch (code) {
    case kMessagePathFinished:
        SetState(target_ != nullptr && target_->IsKindOf(kTypeBaseEnemy) ? int32_t{kStateVanish} : int32_t{kStateChoose});
        return 0;
    case kMessageAnimationEnded:
        if (GetState() == kStateWalking) {
            if (GetAnimationKey().rfind("appear", 0) == 0) {
                vec2 direction;
                GetMoveDirection(direction);
                PlayDirected("walk", direction, kPlayLoopForward);
            }
            SetState(kStateChoose);
        } else if (GetState() == kStateMagic) {
            EndMagic();
        } else if (GetState() == kStateVanish) {
            RemoveFromLevel();
            return 0;
        }
        break;
    case kEventBonfireNear: SetState(kStateVanish); break;
    case kEventShot:
        // A shot at a witch already on her way out would hold her back from it.
        if (GetState() == kStateVanish) return 0;
        break;
    case kEventHit: {
        // Only the hit that turns her from alive to dead counts: a second shot in
        // flight or a second tower finds her dead already.
        const bool wasAlive = !IsDead() && GetState() != kStateVanish;
        const int32_t answer = cEnemy::OnMessage(code, data);
        if (wasAlive && IsDead()) OnKilled();
        return answer;
    }
    default: break;
    }
    return cEnemy::OnMessage(code, data);
}

int32_t cWitch::OnStateChange(int32_t oldState, int32_t newState)
{
    if (newState == kStateWalking) {
        if (setOut_ != 0) {
            PlayAnimation(kAppearKey, kPlayOnceForward);
            vrk::PlaySound(kAppearSound);
        } else {
            vec2 direction;
            GetMoveDirection(direction);
            PlayDirected("walk", direction, kPlayLoopForward);
        }
    } else if (newState == kStateMagic) {
        PlayDirected("magic", DirectionToward(target_), kPlayOnceForward);
        vrk::PlaySound(kMagicSound);
    } else if (newState == kStateVanish) {
        // The way she last walked; one who never walked keeps her facing.
        PlayDirected("death", DirectionToward(nullptr), kPlayOnceForward);
        vrk::PlaySound(kDeathSound);
    }
    return cEnemy::OnStateChange(oldState, newState);
}
