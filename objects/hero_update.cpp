// cHero's tick: the strike sound, the home timer, the after-images of the speed
// spell, and by state the walk (the door of the home building, the chase, the end
// of a wander), the re-plan, the wander, the portal and the path's end.
#include <cmath>

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
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

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// An animation that can never reach its end: none, under two frames, or no
// positive frame rate.
bool IsStuck(const SpriteAnim& anim, bool hasAnimation)
{
    return !hasAnimation || anim.play.frameCount < 2 || !(anim.play.framesPerSecond > 0.0f);
}

// A float in [0, 1) from the game's shared generator.
float NextUnitRandom()
{
    cAppServices* services = GetAppServices();
    if (services == nullptr) return 0.0f;
    return services->GetRandomGen().NextFraction();
}

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
    StepHomeTimer();
    UpdateTrail();

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
    case kStateWander: {
        std::vector<vec2> points;
        LevelScreen* screen = CurrentLevelScreen();
        if (screen != nullptr && screen->PickRandomPoint(points, this)) WalkPath(points, nullptr, 0);
        break;
    }
    case kStatePortal: UpdatePortal(); break;
    case kStateNone: SetState(kStateWander); break;
    default: break;
    }

    cMan::Update();
    portal_.Update(kTickSeconds);
    // A portal that cannot play to its end would hide him for good.
    if (portal_.play.mode != kPlayStopped && IsStuck(portal_, true)) portal_.play.mode = kPlayStopped;
    EndStuckOneShot();
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

void cHero::StepHomeTimer()
{
    if (target_ != nullptr) {
        Restart(homeTimer_, kHomeSeconds);
        return;
    }
    if (homeTimer_.Step(kTickSeconds) != kTimedArrived) return;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->home != nullptr) screen->SendWorker(this, screen->home, 0);
}

void cHero::UpdateTrail()
{
    if (!IsSpeedSpellOn()) {
        if (IsTrailOn()) SetTrail(false);
        return;
    }
    const int32_t state = GetState();
    const bool wanted = (state == kStateWalking && StartsWith(GetAnimationKey(), "run")) || state == kStateStriking;
    if (IsTrailOn() != wanted) SetTrail(wanted);
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
    wanderTime_ = kWanderSeconds + kWanderSeconds * NextUnitRandom();
}

bool cHero::UpdateChase()
{
    const int32_t step = chaseTimer_.Step(kTickSeconds);
    if (step == kTimedIdle) {
        Restart(chaseTimer_, kChaseSeconds);
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

void cHero::UpdatePortal()
{
    portalTime_ -= kTickSeconds;
    if (portalTime_ > 0.0f) return;
    // Without a home building he stays where he is and wanders from there.
    LevelScreen* screen = CurrentLevelScreen();
    std::vector<vec2> points;
    if (screen != nullptr && screen->home != nullptr) screen->home->GetLinkedPoints(points);
    if (!points.empty()) {
        SetPositionV(points.front());
        mover_.SetPosition(points.front());
        portal_.play.mode = kPlayOnceForward;
        portal_.SetPlayMode(true, kPlayOnceForward);
    }
    SetState(kStateWander);
}

// The stand and the strike end with their animation; one that can never end would
// hold him there for good, so it counts as ended at once.
void cHero::EndStuckOneShot()
{
    const int32_t state = GetState();
    if (state != kStateStand && state != kStateStriking) return;
    if (!IsStuck(GetSpriteAnim(), GetAnimation() != nullptr)) return;
    OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
}
