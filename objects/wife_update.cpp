// cWife's tick: the home timer, the after-images of the speed spell, and by state
// the walk (the door of the home building, the end of a wander), the wander, the
// portal and the path's end; one-shots that can never end end at once.
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/hero_gait.h"
#include "objects/level_screen.h"
#include "objects/wife.h"

void cWife::Update()
{
    if (GetState() == kStateInside) return;
    // The editor's tick updates every object: there she only shows her animation.
    if (owner_ != nullptr && owner_->IsEditorMode()) {
        cMan::Update();
        return;
    }
    if (doorState_ != kDoorOutside && GetState() != kStateWalking) doorState_ = kDoorOutside;
    StepHeroHomeTimer(*this, homeTimer_, kHomeSeconds);
    UpdateHeroTrail(*this, false);

    switch (GetState()) {
    case kStateWalking: UpdateWalking(); break;
    case kStateWander: WanderToRandomPoint(*this); break;
    case kStatePortal: StepHeroPortal(*this, portal_, portalTime_); break;
    case kStateNone: SetState(kStateWander); break;
    default: break;
    }
    if (GetState() == kStateInside) return;

    cMan::Update();
    UpdateHeroPortalAnim(portal_);
    EndHeroStuckOneShot(*this, kStateMagic);
}

void cWife::UpdateWalking()
{
    doorState_ = NextHeroDoorState(*this, doorState_);
    if (doorState_ != kDoorOutside || target_ != nullptr) return;
    wanderTime_ -= kTickSeconds;
    if (wanderTime_ > 0.0f) return;
    SetState(kStateStand);
    wanderTime_ = NextWanderSeconds(kWanderSeconds);
}
