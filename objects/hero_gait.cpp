// The shared gait of the hero and his wife.
#include "objects/hero_gait.h"

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "framework/objects/man.h"
#include "framework/objects/random_gen.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/wife.h"

namespace {

constexpr float kOtherSpeed = 1.0f;
constexpr int32_t kSpeedSpell = 0;
constexpr const char* kInSound = "worker_in";
constexpr const char* kOutSound = "worker_out";
constexpr float kHalfWay = 0.5f;
constexpr const char* kPortalSound = "bonus_start";

static_assert(cWife::kDoorOutside == cHero::kDoorOutside && cWife::kDoorIn == cHero::kDoorIn &&
              cWife::kDoorOut == cHero::kDoorOut, "the hero and his wife share one door walk");
static_assert(int32_t{cWife::kStateStand} == int32_t{cHero::kStateStand} &&
                  int32_t{cWife::kStateWander} == int32_t{cHero::kStateWander} &&
                  int32_t{cWife::kStatePortal} == int32_t{cHero::kStatePortal},
              "the hero and his wife share the stand, the wander and the portal");

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

void RestartHeroTimer(TimedValue<float>& timer, float target)
{
    timer.start = 0.0f;
    timer.current = 0.0f;
    timer.target = target;
    timer.elapsed = 0.0f;
    timer.duration = target;
}

bool IsAnimationStuck(const SpriteAnim& anim, bool hasAnimation)
{
    return !hasAnimation || anim.play.frameCount < 2 || !(anim.play.framesPerSecond > 0.0f);
}

float NextWanderSeconds(float baseSeconds)
{
    cAppServices* services = GetAppServices();
    const float unit = services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
    return baseSeconds + baseSeconds * unit;
}

void StepHeroHomeTimer(cMan& walker, TimedValue<float>& homeTimer, float homeSeconds)
{
    if (walker.GetTarget() != nullptr) {
        RestartHeroTimer(homeTimer, homeSeconds);
        return;
    }
    if (homeTimer.Step(cObject::kTickSeconds) != kTimedArrived) return;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->home != nullptr) screen->SendWorker(&walker, screen->home, 0);
}

void UpdateHeroTrail(cMan& walker, bool alsoWanted)
{
    const LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->spellTimers[kSpeedSpell] < 0.0f) {
        if (walker.IsTrailOn()) walker.SetTrail(false);
        return;
    }
    const bool wanted =
        (walker.GetState() == kStateWalking && StartsWith(walker.GetAnimationKey(), "run")) || alsoWanted;
    if (walker.IsTrailOn() != wanted) walker.SetTrail(wanted);
}

void WanderToRandomPoint(cMan& walker)
{
    std::vector<vec2> points;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->PickRandomPoint(points, &walker)) walker.WalkPath(points, nullptr, 0);
}

bool NeedsPortalHome(cMan& walker)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return false;
    std::vector<vec2> points;
    return screen->home == nullptr || !screen->FindPath(points, &walker, screen->home, true);
}

void StartHeroPortal(SpriteAnim& portal, float& portalTime, float portalSeconds)
{
    vrk::PlaySound(kPortalSound);
    portal.play.mode = kPlayOnceForward;
    portal.SetPlayMode(true, kPlayOnceForward);
    portalTime = portalSeconds;
}

void StepHeroPortal(cMan& walker, SpriteAnim& portal, float& portalTime)
{
    portalTime -= cObject::kTickSeconds;
    if (portalTime > 0.0f) return;
    LevelScreen* screen = CurrentLevelScreen();
    std::vector<vec2> points;
    if (screen != nullptr && screen->home != nullptr) screen->home->GetLinkedPoints(points);
    if (!points.empty()) {
        walker.SetPositionV(points.front());
        walker.Mover().SetPosition(points.front());
        portal.play.mode = kPlayOnceForward;
        portal.SetPlayMode(true, kPlayOnceForward);
    }
    walker.SetState(cHero::kStateWander);
}

void UpdateHeroPortalAnim(SpriteAnim& portal)
{
    portal.Update(cObject::kTickSeconds);
    if (portal.play.mode != kPlayStopped && IsAnimationStuck(portal, true)) portal.play.mode = kPlayStopped;
}

void EndHeroStuckOneShot(cMan& walker, int32_t actionState)
{
    const int32_t state = walker.GetState();
    if (state != cHero::kStateStand && state != actionState) return;
    if (!IsAnimationStuck(walker.GetSpriteAnim(), walker.GetAnimation() != nullptr)) return;
    walker.OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
}

bool OnSharedHeroMessage(cMan& walker, uint32_t code, uintptr_t data, int32_t insideState)
{
    switch (code) {
    case kMessageAnimationEnded:
        if (walker.GetState() == cHero::kStateStand) walker.SetState(cHero::kStateWander);
        break;
    case kMessagePathFinished:
        if (walker.GetTarget() != nullptr) break;
        walker.SetState(cHero::kStateWander);
        return true;
    case kEventBellAlarm:
        if (walker.GetState() != insideState) WalkToBell(walker, data);
        break;
    default: break;
    }
    return false;
}
