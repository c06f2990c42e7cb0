// cTank: the set-up, the tick (flash, shells, recoil, the look along the barrel and
// the sweep), the barrel's directions and the drawing of hull, barrel, flash and
// shells.
#include "objects/tank.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/sound/sound_play.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/base_widget.h"
#include "objects/enemy.h"
#include "objects/enemy_tuning.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr const char* kHullSprite = "tank";
constexpr const char* kHullKey = "life";
constexpr const char* kGunSprite = "tank_gun";
constexpr const char* kFlashSprite = "effect_explosion";
constexpr const char* kShellSprite = "cannon";
constexpr const char* kShotSound = "shot";
constexpr float kShellScale = 0.3f;
constexpr float kShortestVector = 1.1920929e-7f;
constexpr int32_t kReadyState = 1;

// The barrel as each frame of the gun sprite draws it.
constexpr std::array<vec2, cTank::kGunDirections> kBarrel{{
    {92.0f, -49.0f},
    {69.0f, -70.0f},
    {42.0f, -84.0f},
    {4.0f, -89.0f},
    {-38.0f, -88.0f},
    {-66.0f, -74.0f},
    {-89.0f, -55.0f},
    {-106.0f, -33.0f},
    {-99.0f, -2.0f},
}};

bool LoadNow(const cObjectOwner* owner) { return owner != nullptr && owner->IsEditorMode(); }

// A timed value started from a value toward another at its own speed.
void Restart(TimedValue<float>& value, float from, float to)
{
    value.current = from;
    value.SetTarget(to);
}

}  // namespace

cTank::cTank(cObjectOwner* owner) : cGameObject(owner)
{
    gunAngle_.speed = kSweepRate;
    Restart(gunAngle_, 0.0f, kQuarterTurn);
}

cTank::~cTank() { shells_.clear(); }

int32_t cTank::GetTypeId() const { return kTypeTank; }

bool cTank::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeTank, id); }

void cTank::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    shell_.SetSprite(kShellSprite, kPlayOnceForward, LoadNow(owner_));
    // The flash shows only when the tank fires.
    flash_.SetSprite(kFlashSprite, kPlayStopped, LoadNow(owner_));
    gun_.SetSprite(kGunSprite, kPlayOnceForward, LoadNow(owner_));
    AddAnimation(kHullKey, kHullSprite);
    SwitchAnimation(kHullKey);
    SetState(kReadyState);
}

int32_t cTank::GetOrderState() { return kOrderRefused; }

vec2 cTank::GetShotOrigin() { return GetPosition(); }

bool cTank::CanShoot(cObject* target)
{
    return target != nullptr && target->GetState() == LevelScreen::kWorkerWorkingState;
}

int32_t cTank::GetGunFrame()
{
    // Without its sprite the barrel still turns through the table's directions.
    const int32_t frames = gun_.play.frameCount > 0 ? gun_.play.frameCount : kGunDirections;
    const auto frame = static_cast<int32_t>(gunAngle_.current / (kQuarterTurn / static_cast<float>(frames)));
    // At the very end of an upward sweep the quotient is the frame count itself: the
    // barrel then still points along its last direction.
    return std::clamp(frame, 0, std::min(frames, kGunDirections) - 1);
}

vec2 cTank::GetGunDirection()
{
    const int32_t frame = GetGunFrame();
    float angle = 0.0f;
    if (frame >= 0 && frame < kGunDirections) {
        const vec2& barrel = kBarrel[static_cast<size_t>(frame)];
        angle = std::atan2(barrel.y, barrel.x);
    }
    const vec2 direction{std::cos(angle), std::sin(angle)};
    return direction.Length() < kShortestVector ? vec2{} : direction;
}

vec2 cTank::GetMuzzlePoint() { return GetPosition() + GetGunDirection() * kMuzzleLength; }

void cTank::Update()
{
    flash_.Update(kTickSeconds);
    // A flash that cannot step would show for ever.
    if (flash_.play.frameCount < 2 || !(flash_.play.framesPerSecond > 0.0f)) flash_.play.mode = kPlayStopped;
    MoveShots(shells_, [this](cObject* target) { HitTarget(target); });
    // The recoil holds everything else, also in the tick in which it ends.
    if (recoilTimer_.Step(kTickSeconds) != kTimedIdle) return;
    if (scanTimer_.elapsed == scanTimer_.duration) Restart(scanTimer_, 0.0f, kScanSeconds);
    if (scanTimer_.Step(kTickSeconds) == kTimedArrived) Look();
    Sweep();
    cGameObject::Update();
}

void cTank::Look()
{
    auto* screen = dynamic_cast<cBaseWidget*>(owner_);
    if (screen == nullptr) return;
    ObjectList workers;
    screen->FindObjectsOfKind(workers, kTypeWorker, LevelScreen::kWorkerLayer);
    const vec2 barrel = GetGunDirection();
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || cEnemy::HasGone(worker) || !CanShoot(worker) || !worker->CanCommand()) continue;
        vec2 toWorker = worker->GetPosition() - GetPosition();
        Normalize(toWorker);
        if (std::fabs(toWorker.x - barrel.x) < kAimTolerance && std::fabs(toWorker.y - barrel.y) < kAimTolerance) {
            Shoot(worker);
            return;
        }
    }
}

void cTank::Sweep()
{
    if (gunAngle_.elapsed == gunAngle_.duration) {
        if (gunAngle_.current >= kShortestVector) {
            Restart(gunAngle_, kQuarterTurn, 0.0f);
        } else {
            Restart(gunAngle_, 0.0f, kQuarterTurn);
        }
    }
    gunAngle_.Step(EnemyTuningValues().tankGunSpeedFactor * kTickSeconds);
    gun_.SetPlayMode(true, gun_.play.mode);
    const int32_t frame = GetGunFrame();
    if (frame > 0) gun_.play.frame = std::min(frame, std::max(gun_.play.frameCount - 1, 0));
}

void cTank::Shoot(cObject* target)
{
    if (target == nullptr) return;
    shells_.push_back(MakeShot(GetMuzzlePoint(), target));
    recoilTimer_ = TimedValue<float>{};
    recoilTimer_.SetTarget(kRecoilSeconds);
    flash_.play.mode = kPlayOnceForward;
    flash_.SetPlayMode(true, kPlayOnceForward);
    vrk::PlaySound(kShotSound);
}

void cTank::HitTarget(cObject* target)
{
    if (target != nullptr) target->OnMessage(kEventTankHit, reinterpret_cast<uintptr_t>(this));
}

void cTank::Draw()
{
    cGameObject::Draw();
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const vec2 at = GetPosition();
    const uint32_t color = GetColor();
    gun_.Draw(*batch, at.x, at.y, color);
    if (IsFlashing()) {
        const vec2 muzzle = GetMuzzlePoint();
        flash_.Draw(*batch, muzzle.x, muzzle.y, color);
    }
    for (const ShotRecord& shell : shells_) {
        shell_.DrawTransformed(*batch, shell.current.x, shell.current.y, kShellScale, kShellScale, color, 0.0f);
    }
}
