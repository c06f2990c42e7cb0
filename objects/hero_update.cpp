// cHero's tick: the strike sound, the home timer, the after-images of the speed
// spell, and by state the walk (the door of the home building, the chase, the end
// of a wander), the re-plan, the wander, the portal and the path's end.
#include "engine/sound/sound_play.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/enemy.h"
#include "objects/hero.h"
#include "objects/hero_gait.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kStrikeSound = "strike";

}  // namespace

void cHero::Update()
{
    if (GetState() == kStateInside) return;
    // The editor's tick updates every object: there he only shows his animation,
    // and no timer sends him anywhere.
    if (owner_ != nullptr && owner_->IsEditorMode()) {
        cMan::Update();
        return;
    }
    StepStrikeTimer();
    if (doorState_ != kDoorOutside && GetState() != kStateWalking) doorState_ = kDoorOutside;
    StepHeroHomeTimer(*this, homeTimer_, kHomeSeconds);
    UpdateHeroTrail(*this, GetState() == kStateStriking);

    switch (GetState()) {
    case kStateWalking: UpdateWalking(); break;
    case kStateReplan:
        if (cEnemy::HasGone(target_)) {
            SetState(kStateStand);
        } else if (LevelScreen* screen = CurrentLevelScreen();
                   screen == nullptr || !screen->SendWorker(this, target_, 0)) {
            SetState(kStateWander);
        }
        break;
    case kStateWander: WanderToRandomPoint(*this); break;
    case kStatePortal: StepHeroPortal(*this, portal_, portalTime_); break;
    case kStateNone: SetState(kStateWander); break;
    default: break;
    }

    cMan::Update();
    UpdateHeroPortalAnim(portal_);
    EndHeroStuckOneShot(*this, kStateStriking);
}

void cHero::StepStrikeTimer()
{
    TimedValue<float>& timer = strikeTimer_;
    if (timer.elapsed == timer.duration) return;
    timer.elapsed += GetAnimationSpeed() * kTickSeconds;
    if (timer.elapsed < timer.duration) {
        timer.current = timer.start + (timer.target - timer.start) * timer.elapsed / timer.duration;
        return;
    }
    timer.elapsed = timer.duration;
    timer.current = timer.target;
    vrk::PlaySound(kStrikeSound);
}

void cHero::UpdateWalking()
{
    doorState_ = NextHeroDoorState(*this, doorState_);
    if (target_ != nullptr && target_->IsKindOf(kTypeEnemy)) {
        UpdateChase();
        return;
    }
    if (doorState_ != kDoorOutside || target_ != nullptr) return;
    wanderTime_ -= kTickSeconds;
    if (wanderTime_ > 0.0f) return;
    SetState(kStateStand);
    wanderTime_ = NextWanderSeconds(kWanderSeconds);
}

bool cHero::UpdateChase()
{
    const int32_t step = chaseTimer_.Step(kTickSeconds);
    if (step == kTimedIdle) {
        RestartHeroTimer(chaseTimer_, kChaseSeconds);
    } else if (step == kTimedArrived) {
        SetState(kStateReplan);
    }
    if (!(target_->GetRadius() > (target_->GetPosition() - GetPosition()).Length())) return true;
    // Close enough: this leg is the walk's last and ends where he stands, so the
    // arrival follows at once (a later leg would start him from its far point).
    mover_.SetPosition(GetPosition());
    if (path_.size() > static_cast<size_t>(leg_) + 2) path_.resize(static_cast<size_t>(leg_) + 2);
    return false;
}
