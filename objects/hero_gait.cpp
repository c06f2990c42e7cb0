// The shared gait of the hero and his wife.
#include "objects/hero_gait.h"

#include "framework/objects/man.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/level_screen.h"

namespace {

constexpr float kOtherSpeed = 1.0f;
constexpr int32_t kSpeedSpell = 0;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

float HeroMoveSpeed(const std::string& animationKey)
{
    if (StartsWith(animationKey, "walk")) return kHeroWalkSpeed;
    if (StartsWith(animationKey, "run")) return kHeroRunSpeed;
    return kOtherSpeed;
}

bool IsHomeBuilding(const cGameObject* object)
{
    const LevelScreen* screen = CurrentLevelScreen();
    return object != nullptr && screen != nullptr && screen->home != nullptr &&
           object == static_cast<const cGameObject*>(screen->home);
}

float HeroAnimationSpeed(const cMan& walker)
{
    float speed = 1.0f;
    if (StartsWith(walker.GetAnimationKey(), "walk") && IsHomeBuilding(walker.GetTarget())) {
        float moverSpeed = walker.Mover().speed;
        if (!(moverSpeed >= kFloatEpsilon)) moverSpeed = 1.0f;
        speed = kHomeWalkSpeed / moverSpeed;
    }
    const LevelScreen* screen = CurrentLevelScreen();
    if (walker.GetState() == kStateWalking && screen != nullptr &&
        screen->spellTimers[kSpeedSpell] >= 0.0f) {
        speed *= kSpeedSpellFactor;
    }
    return speed;
}

void SetHeroTarget(cMan& walker, cGameObject* target, int32_t kind)
{
    cGameObject* old = walker.GetTarget();
    if (old != nullptr && !IsHomeBuilding(old)) old->RemoveReservation();
    walker.cMan::SetTarget(target, kind);
    if (target != nullptr && !IsHomeBuilding(target)) target->AddReservation();
}
