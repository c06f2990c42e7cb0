// The gait of the player's walking characters, the hero and his wife: how fast
// they move under an animation, how fast their animation (and so their walk) runs,
// how a change of target books their arrival at it, and how they pass the home
// building's door. Both classes call these with themselves, so the two walk alike.
#pragma once
#include <cstdint>
#include <string>

class cGameObject;
class cMan;

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

// True for the level's home building (false without a level or a home building).
bool IsHomeBuilding(const cGameObject* object);

constexpr float kHeroWalkSpeed = 30.0f;
constexpr float kHeroRunSpeed = 180.0f;
constexpr float kHomeWalkSpeed = 50.0f;
constexpr float kSpeedSpellFactor = 1.8f;
