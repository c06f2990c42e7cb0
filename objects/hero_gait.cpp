// The shared gait of the hero and his wife.
#include "objects/hero_gait.h"

#include "engine/sound/sound_play.h"
#include "framework/objects/man.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/hero.h"
#include "objects/level_screen.h"
#include "objects/wife.h"

namespace {

constexpr float kOtherSpeed = 1.0f;
constexpr int32_t kSpeedSpell = 0;
constexpr const char* kInSound = "worker_in";
constexpr const char* kOutSound = "worker_out";
constexpr float kHalfWay = 0.5f;

static_assert(cWife::kDoorOutside == cHero::kDoorOutside && cWife::kDoorIn == cHero::kDoorIn &&
              cWife::kDoorOut == cHero::kDoorOut, "the hero and his wife share one door walk");

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

int32_t NextHeroDoorState(const cMan& walker, int32_t doorState)
{
    const LinearMover& mover = walker.Mover();
    const std::vector<vec2>& path = walker.GetPath();
    const float legLength = (mover.target - mover.start).Length();
    const float ratio = legLength > kFloatEpsilon ? (mover.current - mover.start).Length() / legLength : 1.0f;
    const bool toHome = IsHomeBuilding(walker.GetTarget());
    if (doorState == cHero::kDoorOut && !toHome) {
        if (ratio >= kHalfWay) {
            vrk::PlaySound(kOutSound);
            return cHero::kDoorOutside;
        }
    } else if (doorState == cHero::kDoorOutside && toHome) {
        const auto lastLeg = static_cast<int64_t>(path.size()) - 2;
        if (path.size() >= 2 && walker.GetLeg() == lastLeg && mover.IsMoving() && ratio >= kHalfWay) {
            vrk::PlaySound(kInSound);
            return cHero::kDoorIn;
        }
    } else if (doorState == cHero::kDoorIn && !toHome && mover.IsMoving() && ratio < kHalfWay) {
        return cHero::kDoorOut;
    }
    return doorState;
}

void WalkToBell(cMan& walker, uintptr_t bellParam)
{
    auto* bell = dynamic_cast<cGameObject*>(reinterpret_cast<cObject*>(bellParam));
    if (LevelScreen* screen = CurrentLevelScreen(); screen != nullptr && bell != nullptr) {
        screen->SendWorker(&walker, bell, 0);
    }
}
