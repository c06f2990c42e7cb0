// cSkeletonWizard: the walk along the way points or behind a leader, the re-planning
// pulse, its death and the hand-over of its way.
#include "objects/skeleton_wizard.h"

#include "engine/sound/sound_play.h"
#include "framework/objects/object_owner.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr int32_t kDirections = 4;
constexpr const char* kDeathKey = "death0";
constexpr const char* kDeathSound = "spirit_death";
const vec2 kBarOffset{12.0f, -5.0f};

}  // namespace

cSkeletonWizard::cSkeletonWizard(cObjectOwner* owner) : cEnemy(owner) {}

cSkeletonWizard::~cSkeletonWizard() = default;

int32_t cSkeletonWizard::GetTypeId() const { return kTypeSkeletonWizard; }

bool cSkeletonWizard::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeSkeletonWizard, id); }

int32_t cSkeletonWizard::GetOrderState() { return GoblinOrderState(*this); }

void cSkeletonWizard::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    for (int32_t direction = 0; direction < kDirections; ++direction) {
        const std::string digit = std::to_string(direction);
        AddAnimation("walk" + digit, "skeleton_walk" + digit);
    }
    AddAnimation(kDeathKey, "skeleton_death0");
    SetBarOffset(kBarOffset);
    SetTimerPeriod(kHealth);
    // In the editor the wizard is shown by its death picture and does nothing.
    if (owner_ != nullptr && owner_->IsEditorMode()) {
        SwitchAnimation(kDeathKey);
    } else {
        SetState(kStateChoose);
    }
}

void cSkeletonWizard::StartMove()
{
    float speed = kOtherSpeed;
    if (GetAnimationKey().rfind("walk", 0) == 0) {
        auto* leader = dynamic_cast<cSkeletonWizard*>(target_);
        speed = leader != nullptr ? leader->Mover().speed + kFollowerExtraSpeed : kWalkSpeed;
    }
    StartMoveAtSpeed(speed);
}

void cSkeletonWizard::Update()
{
    auto* leader = dynamic_cast<cSkeletonWizard*>(target_);
    if (GetState() == kStateWalking && leader != nullptr) {
        if (followPulse_.Step(kTickSeconds) == kTimedArrived) {
            if (LevelScreen* screen = CurrentLevelScreen()) screen->SendWorker(this, leader, 0);
        }
        if (followPulse_.elapsed == followPulse_.duration) {
            followPulse_.current = 0.0f;
            followPulse_.SetTarget(kFollowSeconds);
        }
    }
    // The death waits for its animation's end; one that never steps ends at once.
    if (GetState() == kStateDying && IsOneShotStuck()) {
        OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
        return;
    }
    if (resume_ && GetState() == kStateChoose) Resume();
    resume_ = false;
    cEnemy::Update();
}

void cSkeletonWizard::Resume()
{
    // Back on its way after a hold: to its way point or behind its leader, else
    // into the column; a wizard left choosing would stall every one behind it.
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    if (HasGone(target_) || !screen->SendWorker(this, target_, 0)) screen->JoinColumn(this);
}

int32_t cSkeletonWizard::OnStateChange(int32_t oldState, int32_t newState)
{
    resume_ = oldState == kStateHeld && newState == kStateChoose;
    if (newState == kStateWalking) {
        vec2 direction;
        GetMoveDirection(direction);
        PlayDirected("walk", direction, kPlayLoopForward);
    } else if (newState == kStateDying) {
        PlayAnimation(kDeathKey, kPlayOnceForward);
        vrk::PlaySound(kDeathSound);
    }
    return cEnemy::OnStateChange(oldState, newState);
}

int32_t cSkeletonWizard::OnMessage(uint32_t code, uintptr_t data)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (code == kMessageAnimationEnded && GetState() == kStateDying) {
        if (screen != nullptr) screen->PassTargetOn(this);
        RemoveFromLevel();
        return 0;
    }
    // A shot's hold would raise a crumbling wizard from its death.
    if (code == kEventShot && GetState() == kStateDying) return 0;
    if (code == kMessagePathFinished && target_ != nullptr && screen != nullptr) {
        if (target_->IsKindOf(kTypeWayPoint)) {
            screen->SendWorker(this, screen->NextEntryAfter(target_), 0);
        } else if (dynamic_cast<cSkeletonWizard*>(target_) != nullptr) {
            screen->SendWorker(this, target_, 0);
        }
    }
    const int32_t answer = cEnemy::OnMessage(code, data);
    if (code == kEventHit && IsDead()) SetState(kStateDying);
    return answer;
}
