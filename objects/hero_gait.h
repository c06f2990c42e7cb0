// The gait of the player's walking characters, the hero and his wife: how fast
// they move under an animation, how fast their animation (and so their walk) runs,
// how a change of target books their arrival at it, how they pass the home
// building's door, and the pieces of their tick they share (the home timer, the
// wander, the portal home). Both classes call these with themselves, so the two
// walk alike.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/small_math.h"
#include "framework/objects/sprite_anim.h"
#include "framework/objects/timed_value.h"

class cGameObject;
class cMan;
class cObject;

// Ground speed for the animation key: walking, running, or 1.0 for anything else.
float HeroMoveSpeed(const std::string& animationKey);

// The walker's animation time scale: 1.0, or on a walk home the rate that makes
// the walk cover kHomeWalkSpeed units a second; in state 2 under the speed spell
// (spell 0) 1.8 times that.
float HeroAnimationSpeed(const cMan& walker);

// The walker's new target: the old one (unless it is the home building) loses the
// walker's reservation, the walker's own target change follows (cMan's, with its
// notice and places), and the new one (unless it is the home building) gains one.
void SetHeroTarget(cMan& walker, cGameObject* target, int32_t kind);

// The walker's door state (cHero's and cWife's DoorState values) after this tick
// of his walk: coming out turns to outside halfway along the leg from the door
// (the "worker_out" sound), outside turns to going in halfway along the last leg
// to the home building ("worker_in"), and going in turns back to coming out when
// he is sent elsewhere before the door's halfway mark.
int32_t NextHeroDoorState(const cMan& walker, int32_t doorState);

// The bell's alarm (its parameter is the bell): the walker is sent to it.
void WalkToBell(cMan& walker, uintptr_t bellParam);

// The messages the walker answers as the other does: the stand's end starts a
// wander, an arrival without a target starts one too, and the bell's alarm sends
// him to it unless he is inside (insideState). True when the message is spent
// there and cMan must not hear it (the targetless arrival).
bool OnSharedHeroMessage(cMan& walker, uint32_t code, uintptr_t data, int32_t insideState);

// True for the level's home building (false without a level or a home building).
bool IsHomeBuilding(const cGameObject* object);

// Restarts a timer from 0 toward the target over target seconds.
void RestartHeroTimer(TimedValue<float>& timer, float target);


// An animation that can never reach its end: none, under two frames, or no
// positive frame rate.
bool IsAnimationStuck(const SpriteAnim& anim, bool hasAnimation);

// A later targetless walk's length: baseSeconds plus up to as long again, drawn
// from the game's shared generator.
float NextWanderSeconds(float baseSeconds);

// The home timer's tick: restarted while the walker has a target; at its end he
// is sent to the home building.
void StepHeroHomeTimer(cMan& walker, TimedValue<float>& homeTimer, float homeSeconds);

// The after-images of the speed spell: on while it lasts and he runs (or while
// alsoWanted), off otherwise.
void UpdateHeroTrail(cMan& walker, bool alsoWanted);

// The wander state: a walk to a random point of the level, when one is found.
void WanderToRandomPoint(cMan& walker);

// True when the walker must take the portal home: a level screen, and no path
// to the home building (or no home building).
bool NeedsPortalHome(cMan& walker);

// The portal's start: its sound, its animation, and portalSeconds on its clock.
void StartHeroPortal(SpriteAnim& portal, float& portalTime, float portalSeconds);

// The portal state's tick: when its clock runs out the walker appears beside the
// home building (the portal showing again) and wanders from there; without a
// home building he stays where he is.
void StepHeroPortal(cMan& walker, SpriteAnim& portal, float& portalTime);

// The portal animation's tick; one that cannot play to its end would hide the
// walker for good, so it stops.
void UpdateHeroPortalAnim(SpriteAnim& portal);

// The stand and the walker's own one-shot (actionState) end with their
// animation; one that can never end would hold him there for good, so it counts
// as ended at once.
void EndHeroStuckOneShot(cMan& walker, int32_t actionState);

constexpr float kHeroWalkSpeed = 30.0f;
constexpr float kHeroRunSpeed = 180.0f;
constexpr float kHomeWalkSpeed = 50.0f;
constexpr float kSpeedSpellFactor = 1.8f;
