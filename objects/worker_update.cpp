// cWorker's tick: the home's door, wandering and resting, the
// follow of a lover, the flight, the flight to the prison, the stun, the ice, and
// the work at a target that ends in the level's work-finished event (7002).
#include <cmath>

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/prison.h"
#include "objects/source.h"
#include "objects/worker.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;
constexpr float kFourPi = 12.566371f;
constexpr int32_t kFastWorkersSpell = 0;
constexpr float kIdleBase = 15.0f;
constexpr float kIdleSpread = 15.0f;
constexpr float kFleeAngleSpread = 1.0472f;
constexpr float kFleeAngleLow = -0.5236f;
constexpr float kFleeBase = 100.0f;
constexpr float kFleeSpread = 100.0f;
constexpr float kSpinStep = 0.3f;
constexpr GridCell kNoCell{-1, -1};

float Fraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

}  // namespace

bool cWorker::IsOneShotStuck() const
{
    const SpriteAnim& anim = GetSpriteAnim();
    return GetAnimation() == nullptr || anim.play.frameCount < 2 || !(anim.play.framesPerSecond > 0.0f);
}

void cWorker::Update()
{
    hearts_.Update(kTick);
    if (frozen_) {
        if (frozenTimer_.Step(kTick) == kTimedArrived) SetFrozen(false);
        return;
    }
    const float dt = GetAnimationSpeed() * kTick;

    if (repositioning_) {
        const int32_t step = mover_.Step(dt);
        SetPositionV(mover_.current);
        if (step != kTimedMoving) {
            repositioning_ = false;
            OnStateChange(kStateNone, kStateAtWork);
        }
    }
    if (GetState() != kStateCarried) UpdateTrail();
    if (doorState_ != kDoorOutside && GetState() != kStateWalking) doorState_ = kDoorOutside;

    // Work at the target runs on the dt of this tick's rate.
    if (GetState() == kStateAtWork) {
        if (!UpdateWork(dt)) return;
    } else {
        UpdateByState();
    }

    glowPhase_ += kTick;
    if (glowPhase_ >= kFourPi) glowPhase_ = 0.0f;
    cMan::Update();
}

void cWorker::UpdateTrail()
{
    if (!IsSpellRunning(kFastWorkersSpell)) {
        if (trail_ != 0) SetTrail(false);
        return;
    }
    const int32_t state = GetState();
    const bool wanted = (state == kStateWalking && (GetAnimationKey().rfind("run", 0) == 0 || !load_.IsEmpty())) ||
                        state == kStateAtWork;
    if (wanted != (trail_ != 0)) SetTrail(wanted);
}

void cWorker::UpdateByState()
{
    switch (GetState()) {
    case kStateNone: SetState(kStateIdle); break;
    case kStateWalking: UpdateWalking(); break;
    case kStateFollow:
        if (target_ == nullptr) {
            SetState(kStateIdle);
        } else if (inLove_) {
            const auto* leader = dynamic_cast<const cWorker*>(target_);
            const bool succubGone = target_->GetTypeId() == kTypeSuccub && target_->GetState() == kStateRemoved;
            if (succubGone || (leader != nullptr && !leader->inLove_)) {
                SetInLove(false);
            } else if (LevelScreen* screen = CurrentLevelScreen()) {
                screen->SendWorker(this, target_, 0);
            }
        }
        break;
    case kStateResting:
    case kStateCheering:
    case kStateExploding:
        if (IsOneShotStuck()) OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
        break;
    case kStateIdle:
        // A lover has no business being idle: the ice dropped the one it followed,
        // and a lover wandering on its own would take no order again and lead the
        // file behind it astray.
        if (inLove_) {
            SetInLove(false);
            break;
        }
        if (!StartDelivery()) {
            std::vector<vec2> path;
            LevelScreen* screen = CurrentLevelScreen();
            if (screen != nullptr && screen->PickRandomPoint(path, this)) {
                WalkPath(path, nullptr, 0);
            } else {
                SetState(kStateResting);
            }
        }
        break;
    case kStateFleeing: UpdateFleeing(); break;
    case kStateCarried: UpdateCarried(); break;
    case kStateCharmed:
        if (threat_ == nullptr || threat_->GetState() == kStateRemoved) SetState(kStateIdle);
        break;
    case kStateStunned:
        if (stunTimer_.Step(kTick) == kTimedArrived) SetState(kStateIdle);
        break;
    default: break;
    }
}

void cWorker::UpdateWalking()
{
    const bool home = IsTargetHome();
    const bool moving = mover_.IsMoving();
    const float legLength = (mover_.target - mover_.start).Length();
    const float progress = legLength > kFloatEpsilon ? (mover_.current - mover_.start).Length() / legLength : 1.0f;
    const bool lastLeg = path_.size() >= 2 && static_cast<size_t>(leg_) + 2 == path_.size();
    if (doorState_ == kDoorOutside && home && lastLeg && moving && progress >= 0.5f) {
        doorState_ = kDoorIn;
        vrk::PlaySound("worker_in");
    } else if (doorState_ == kDoorIn && !home && moving && progress < 0.5f) {
        doorState_ = kDoorOut;
    } else if (doorState_ == kDoorOut && !home && progress >= 0.5f) {
        vrk::PlaySound("worker_out");
        doorState_ = kDoorOutside;
    }

    if (inLove_ && target_ != nullptr) {
        const int32_t step = followTimer_.Step(kTick);
        if (step == kTimedIdle) {
            RestartTimer(followTimer_, kFollowPeriod);
        } else if (step == kTimedArrived) {
            SetState(kStateFollow);
            return;
        }
        if ((target_->GetPosition() - GetPosition()).Length() < target_->GetRadius()) {
            mover_.SetPosition(GetPosition());
        }
    } else if (doorState_ == kDoorOutside && !inLove_ && target_ == nullptr) {
        idleCountdown_ -= kTick;
        if (idleCountdown_ <= 0.0f) {
            SetState(kStateResting);
            idleCountdown_ = kIdleBase + kIdleSpread * Fraction();
        }
    }
}

void cWorker::UpdateFleeing()
{
    if (threat_ == nullptr) {
        // Nothing to flee from any more: a flight without its attacker would wait
        // for ever.
        SetState(kStateIdle);
        return;
    }
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    vec2 away = GetPosition() - threat_->GetPosition();
    Normalize(away);
    const float angle = kFleeAngleSpread * Fraction() + kFleeAngleLow;
    const float distance = kFleeBase + kFleeSpread * Fraction();
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const vec2 turned{away.x * c - away.y * s, away.x * s + away.y * c};
    const GridCell cell = screen->FindNearestFreeCell(screen->PointToCell(GetPosition() + turned * distance));
    std::vector<vec2> path;
    // No free cell near the destination: ask for no path to it, wander instead.
    const bool found = (cell != kNoCell && cell != screen->ObjectToCell(this) &&
                        screen->FindPathToPoint(path, this, cell.x, cell.y, true)) ||
                       screen->PickRandomPoint(path, this);
    if (found) WalkPath(path, nullptr, 0);
}

void cWorker::UpdateCarried()
{
    if (captureParameter_.Step(kTick) == kTimedArrived) {
        LevelScreen* screen = CurrentLevelScreen();
        if (target_ != nullptr && target_->GetTypeId() == kTypePrison && screen != nullptr &&
            screen->prison != nullptr) {
            screen->prison->AddCaptive();
        }
        SetState(kStateImprisoned);
        return;
    }
    vec2 point;
    captureCurve_.Evaluate(point, captureParameter_.current);
    SetPositionV(point);
    vec2 tangent;
    captureCurve_.GetTangent(tangent, captureParameter_.current);
    spinAngle_ += tangent.x > 0.0f ? -kSpinStep : kSpinStep;
    SetAngle(spinAngle_);
}

bool cWorker::UpdateWork(float dt)
{
    if (target_ == nullptr) {
        SetState(kStateIdle);
        return true;
    }
    if (target_->UpdateTimer(dt) != kTimerIdle) {
        if (!workSound_.empty()) {
            if (workSoundTimer_.Step(dt) != kTimedMoving && !repositioning_) {
                PlayWorkSound();
                RestartTimer(workSoundTimer_, repeatSoundDelay_);
            }
        }
        const int32_t step = repositionTimer_.Step(dt);
        if (step == kTimedIdle) {
            RestartTimer(repositionTimer_, kRepositionPeriod);
        } else if (step == kTimedArrived) {
            RunToRoutePoint();
        }
        return true;
    }

    WorkFinishedRecord record{target_, this};
    if (owner_ != nullptr) owner_->OnScreenEvent(kEventWorkFinished, reinterpret_cast<uintptr_t>(&record));
    LevelScreen* screen = CurrentLevelScreen();
    if (IsTargetHome() && screen != nullptr) {
        doorState_ = kDoorOut;
        std::vector<vec2> door;
        screen->home->GetLinkedPoints(door);
        std::vector<vec2> path{GetPosition(), door.empty() ? screen->home->GetPosition() : door.front()};
        WalkPath(path, nullptr, 0);
    } else {
        SetState(kStateIdle);
    }
    return false;
}

void cWorker::PlayWorkSound()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (workSound_ == "build" && target_->GetUsedPlaces() > 1 && screen != nullptr) {
        // Several builders at one site: only the first in the workers' list hammers
        // audibly.
        ObjectList workers;
        screen->FindObjectsOfKind(workers, kTypeWorker, kWorkerLayer);
        for (cObject* other : workers) {
            const auto* worker = dynamic_cast<const cWorker*>(other);
            if (worker == nullptr || worker->target_ != target_) continue;
            if (worker == this) vrk::PlaySound(workSound_);
            return;
        }
        return;
    }
    vrk::PlaySound(workSound_);
    if (auto* source = dynamic_cast<cSource*>(target_); source != nullptr && source->IsTree()) {
        source->Strike(GetPosition());
    }
}
