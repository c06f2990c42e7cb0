// cTower at play: the tick (the building's update, the flashes and smoke, then the
// destruction or the firing and the shots in flight), the scan for the nearest
// target, the shot and its landing, and the explosions of a destruction.
#include <algorithm>

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/base_widget.h"
#include "objects/enemy.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/tower.h"

namespace {

constexpr const char* kShotSound = "shot";
constexpr const char* kExplosionSounds[] = {"explosion00", "explosion01", "explosion02"};
constexpr int32_t kShieldSpell = 5;
// Smoke rises below this many seconds of destruction left; explosions go off
// between the two limits (both exclusive), one every interval.
constexpr float kSmokeBelow = 3.0f;
constexpr float kExplosionsAbove = 1.0f;
constexpr float kExplosionInterval = 0.3f;
// Explosions keep this far inside the tower's picture.
constexpr float kExplosionMargin = 5.0f;

// The application generator's next raw value, 0 without an application.
uint32_t NextRandomValue()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextValue() : 0u;
}

// A fraction in [0, 1) from the generator's low 15 bits.
float RandomFraction()
{
    return static_cast<float>(NextRandomValue() & RandomGen::kValueMask) / RandomGen::kValueRange;
}

}  // namespace

void cTower::StartDestruction(float seconds)
{
    destructionTimer_ = seconds;
    explosionCountdown_ = 0.0f;
}

void cTower::Update()
{
    cBuild::Update();
    for (SpriteAnim& flash : flashes_) {
        flash.Update(kTickSeconds);
        // A flash that cannot step (missing, one frame, no frame rate) counts as
        // played at once instead of holding its place for ever.
        if (flash.play.frameCount < 2 || !(flash.play.framesPerSecond > 0.0f)) flash.play.mode = kPlayStopped;
    }
    for (EffectHolder& smoke : smokes_) smoke.Update(kTickSeconds);
    if (GetState() != kStateWorkDone || owner_ == nullptr || owner_->IsEditorMode()) return;
    if (destructionTimer_ > 0.0f) {
        // Shots in flight stand still while the tower falls.
        UpdateDestruction();
        return;
    }
    UpdateFiring();
    MoveShots(shots_, [this](cObject* target) { HitTarget(target); });
}

void cTower::UpdateFiring()
{
    const LevelScreen* screen = CurrentLevelScreen();
    if (enemy_ != 0 && screen != nullptr && screen->spellTimers[kShieldSpell] >= 0.0f) return;
    if (reloadTimer_.elapsed != reloadTimer_.duration) {
        reloadTimer_.Step(kTickSeconds);
        return;
    }
    scanTimer_ += kTickSeconds;
    if (scanTimer_ < kScanSeconds) return;
    scanTimer_ = 0.0f;
    Scan();
}

void cTower::Scan()
{
    auto* screen = dynamic_cast<cBaseWidget*>(owner_);
    if (screen == nullptr) return;
    ObjectList candidates;
    screen->FindObjectsOfKind(candidates, enemy_ != 0 ? kTypeWorker : kTypeEnemy, -1);
    const vec2 from = GetPosition();
    cObject* best = nullptr;
    float bestDistance = kNoTarget;
    for (cObject* candidate : candidates) {
        // A walker queued for removal this tick is still listed; a shot at it would
        // land on nothing.
        if (cEnemy::HasGone(candidate)) continue;
        const float distance = (candidate->GetPosition() - from).Length();
        // Only a strictly nearer one replaces the best: the first listed wins a tie.
        if (distance > range_ || distance >= bestDistance || !CanShoot(candidate)) continue;
        best = candidate;
        bestDistance = distance;
    }
    if (best != nullptr) Shoot(best);
}

void cTower::Shoot(cObject* target)
{
    if (target == nullptr) return;
    shots_.push_back(MakeShot(GetShotOrigin(), target));
    target->OnMessage(target->IsKindOf(kTypeEnemy) ? kEventShot : kEventAttack, reinterpret_cast<uintptr_t>(this));
    reloadTimer_ = TimedValue<float>{};
    reloadTimer_.SetTarget(reloadTime_);
    SpriteAnim& muzzle = flashes_[0];
    muzzle.play.mode = kPlayOnceForward;
    muzzle.SetPlayMode(true, kPlayOnceForward);
    vrk::PlaySound(kShotSound);
}

void cTower::HitTarget(cObject* target)
{
    if (target == nullptr) return;
    HitRecord hit{this, damage_};
    target->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    LevelScreen* screen = CurrentLevelScreen();
    if (enemy_ != 0 && screen != nullptr) screen->shieldFlag = false;
}

void cTower::UpdateDestruction()
{
    destructionTimer_ -= kTickSeconds;
    if (destructionTimer_ <= 0.0f) {
        destructionTimer_ = 0.0f;
        for (EffectHolder& smoke : smokes_) smoke.SetEmitting(false);
        SetState(kStateNone);
        // The empty site costs what building it costs, not the last upgrade's price.
        SetupLevel();
        if (owner_ != nullptr) owner_->PostEvent(kEventRecount, static_cast<uintptr_t>(GetTypeId()));
        return;
    }
    if (destructionTimer_ < kSmokeBelow && !smokes_[0].IsEmitting()) {
        Rect frame;
        GetFrameRect(frame, -1);
        const vec2 at = GetPosition();
        const vec2 centre = frame.width > 0.0f || frame.height > 0.0f
                                ? vec2{frame.x + frame.width * 0.5f, frame.y + frame.height * 0.5f}
                                : at;
        smokes_[0].SetPosition(at.x, at.y);
        smokes_[1].SetPosition(centre.x, centre.y);
        for (EffectHolder& smoke : smokes_) smoke.SetEmitting(true);
    }
    if (destructionTimer_ > kExplosionsAbove && destructionTimer_ < kDestructionSeconds) {
        explosionCountdown_ -= kTickSeconds;
        if (explosionCountdown_ <= 0.0f) Explode();
    }
}

void cTower::Explode()
{
    const auto idle = std::find_if(flashes_.begin(), flashes_.end(),
                                   [](const SpriteAnim& flash) { return flash.play.mode == kPlayStopped; });
    if (idle != flashes_.end()) {
        Rect frame;
        GetFrameRect(frame, -1);
        const float half = std::min(frame.width, frame.height) * 0.5f - kExplosionMargin;
        vec2& offset = flashOffsets_[static_cast<size_t>(idle - flashes_.begin())];
        offset.x = RandomFraction() * 2.0f * half - half;
        offset.y = RandomFraction() * 2.0f * half - half;
        idle->play.mode = kPlayOnceForward;
        idle->SetPlayMode(true, kPlayOnceForward);
    }
    // Three in four explosions are heard.
    const uint32_t sound = NextRandomValue() & 3u;
    if (sound < std::size(kExplosionSounds)) vrk::PlaySound(kExplosionSounds[sound]);
    explosionCountdown_ = kExplosionInterval;
}
