// cWife's tick: the home timer, the after-images of the speed spell, and by state
// the walk (the door of the home building, the end of a wander), the wander, the
// portal and the path's end; one-shots that can never end end at once.
#include <cmath>

#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/random_gen.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/hero_gait.h"
#include "objects/level_screen.h"
#include "objects/wife.h"

namespace {

constexpr int32_t kSpeedSpell = 0;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// An animation that can never reach its end: none, under two frames, or no
// positive frame rate.
bool IsStuck(const SpriteAnim& anim, bool hasAnimation)
{
    return !hasAnimation || anim.play.frameCount < 2 || !(anim.play.framesPerSecond > 0.0f);
}

float NextUnitRandom()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

}  // namespace

void cWife::Update()
{
    if (GetState() == kStateInside) return;
    // The editor's tick updates every object: there she only shows her animation.
    if (owner_ != nullptr && owner_->IsEditorMode()) {
        cMan::Update();
        return;
    }
    if (doorState_ != kDoorOutside && GetState() != kStateWalking) doorState_ = kDoorOutside;
    StepHomeTimer();
    UpdateTrail();

    switch (GetState()) {
    case kStateWalking: UpdateWalking(); break;
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
    if (GetState() == kStateInside) return;

    cMan::Update();
    portal_.Update(kTickSeconds);
    // A portal that cannot play to its end would hide her for good.
    if (portal_.play.mode != kPlayStopped && IsStuck(portal_, true)) portal_.play.mode = kPlayStopped;
    EndStuckOneShot();
}

void cWife::StepHomeTimer()
{
    if (target_ != nullptr) {
        Restart(homeTimer_, kHomeSeconds);
        return;
    }
    if (homeTimer_.Step(kTickSeconds) != kTimedArrived) return;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->home != nullptr) screen->SendWorker(this, screen->home, 0);
}

void cWife::UpdateTrail()
{
    const LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->spellTimers[kSpeedSpell] < 0.0f) {
        if (IsTrailOn()) SetTrail(false);
        return;
    }
    const bool wanted = GetState() == kStateWalking && StartsWith(GetAnimationKey(), "run");
    if (IsTrailOn() != wanted) SetTrail(wanted);
}

void cWife::UpdateWalking()
{
    doorState_ = NextHeroDoorState(*this, doorState_);
    if (doorState_ != kDoorOutside || target_ != nullptr) return;
    wanderTime_ -= kTickSeconds;
    if (wanderTime_ > 0.0f) return;
    SetState(kStateStand);
    wanderTime_ = kWanderSeconds + kWanderSeconds * NextUnitRandom();
}

void cWife::UpdatePortal()
{
    portalTime_ -= kTickSeconds;
    if (portalTime_ > 0.0f) return;
    // Without a home building (or a point beside it) she stays where she is and
    // wanders from there.
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

// The stand and the magic end with their animation; one that can never end would
// hold her there for good, so it counts as ended at once.
void cWife::EndStuckOneShot()
{
    const int32_t state = GetState();
    if (state != kStateStand && state != kStateMagic) return;
    if (!IsStuck(GetSpriteAnim(), GetAnimation() != nullptr)) return;
    OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
}
