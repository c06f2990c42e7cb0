// cWorker's messages and game events: the end of a path and of a one-shot
// animation, attack, scare, capture, ice, charm, love, the bell and the tank; and
// the operations they use: freezing, love, the thought cloud and the refund of a
// paid order.
#include <set>

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/prison.h"
#include "objects/worker.h"
#include "objects/worker_cloud.h"

namespace {

constexpr uint32_t kFearDrawRange = 1001;
constexpr uint32_t kFearAbove = 600;
constexpr int32_t kIceBlockCount = 4;
constexpr int32_t kInLoveCount = 5;
constexpr vec2 kCloudOffset{0.0f, 80.0f};
constexpr vec2 kCaptureLift{0.0f, 150.0f};
constexpr float kCaptureMidKnot = 0.25f;
constexpr float kCaptureEndKnot = 0.5f;
// Plants answer 1 to an arrival when they seat the worker.
constexpr int32_t kPlantTookWorker = 1;

float Fraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

cObject* ObjectOf(uintptr_t data) { return reinterpret_cast<cObject*>(data); }

}  // namespace

int32_t cWorker::OnMessage(uint32_t code, uintptr_t data)
{
    switch (code) {
    case kMessageAnimationEnded: OnAnimationEnded(); break;
    case kMessagePathFinished: OnArrived(data); break;
    case kEventMagicReached: SetFrozen(false); break;
    case kEventAttack: {
        threat_ = ObjectOf(data);
        SetState(kStateFleeing);
        cAppServices* services = GetAppServices();
        const uint32_t draw = services != nullptr ? services->GetRandomGen().NextValue() % kFearDrawRange : 0;
        if (draw > kFearAbove) vrk::PlaySound("worker_fear");
        ReleaseReserved();
        break;
    }
    case kEventScare:
        threat_ = ObjectOf(data);
        SetState(kStateScared);
        vrk::PlaySound("worker_fear");
        ReleaseReserved();
        break;
    case kEventCapture:
        Capture();
        ReleaseReserved();
        break;
    case kEventFreeze:
        SetFrozen(true);
        ReleaseReserved();
        break;
    case kEventCharm:
        threat_ = ObjectOf(data);
        SetState(kStateCharmed);
        ReleaseReserved();
        break;
    case kEventLove: SetInLove(true); break;
    case kEventBellAlarm: {
        ReleaseReserved();
        const int32_t state = GetState();
        // A lover follows only its charmer; the refund it still gets.
        const bool stays = state == kStateInside || state == kStateImprisoned || state == kStateStunned ||
                           state == kStateCutOff || frozen_ || inLove_;
        auto* bell = dynamic_cast<cGameObject*>(ObjectOf(data));
        LevelScreen* screen = CurrentLevelScreen();
        if (!stays && bell != nullptr && screen != nullptr) screen->SendWorker(this, bell, 0);
        break;
    }
    case kEventTankHit:
        SetState(kStateStunned);
        if (LevelScreen* screen = CurrentLevelScreen()) screen->tankFlag = false;
        break;
    default: break;
    }
    return cMan::OnMessage(code, data);
}

void cWorker::OnAnimationEnded()
{
    const int32_t state = GetState();
    if (state == kStateCheering) {
        SetState(kStateIdle);
        return;
    }
    if (state == kStateResting && --restCounter_ <= 0) {
        SetState(kStateIdle);
        return;
    }
    if (state == kStateExploding) {
        if (LevelScreen* screen = CurrentLevelScreen()) screen->RemoveObject(this);
        return;
    }
    const float r = Fraction();
    std::string next;
    if (state == kStateResting) {
        next = r < 0.8f ? "sit0" : (r < 0.9f ? "eat0" : "drink0");
    } else if (state == kStateCutOff) {
        next = r < 0.8f ? "sit0" : "alert0";
    }
    PlayAnimation(next, kPlayOnceForward);
}

void cWorker::OnArrived(uintptr_t data)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (target_ != nullptr) {
        if (target_->GetTypeId() == kTypePlant) {
            if (target_->OnMessage(kMessagePathFinished, data) == kPlantTookWorker) return;
        }
        if (!inLove_) {
            target_->SetState(::kStateWorking);
            SetState(kStateAtWork);
        } else if (target_->GetState() == kStateRemoved) {
            SetInLove(false);
        } else if (screen != nullptr) {
            screen->SendWorker(this, target_, 0);
        }
        return;
    }
    threat_ = nullptr;
    if (escape_ == 0) {
        SetState(kStateIdle);
        return;
    }
    // Just walked off a blocked cell: without a way home the worker is cut off.
    std::vector<vec2> path;
    const bool wayHome = screen != nullptr && screen->home != nullptr && screen->FindPath(path, this, screen->home, true);
    SetState(wayHome ? kStateIdle : kStateCutOff);
}

void cWorker::Capture()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->prison == nullptr) {
        // Nowhere to be carried: the grab ends the fright, else the worker would
        // cower for ever, out of the player's reach.
        if (GetState() == kStateScared) {
            threat_ = nullptr;
            SetState(kStateIdle);
        }
        return;
    }
    cPrison* prison = screen->prison;
    const vec2 from = GetPosition();
    const vec2 to = prison->GetPosition();
    captureCurve_.Clear();
    captureCurve_.AddPoint(from, 0.0f);
    captureCurve_.AddPoint((from + to) * 0.5f + kCaptureLift, kCaptureMidKnot);
    captureCurve_.AddPoint(to, kCaptureEndKnot);
    SetTrail(true);
    spinAngle_ = 0.0f;
    SetTarget(prison, 0);
    RestartTimer(captureParameter_, kCaptureEndKnot);
    SetState(kStateCarried);
}

void cWorker::SetFrozen(bool frozen)
{
    LevelScreen* screen = CurrentLevelScreen();
    const bool was = frozen_;
    if (!frozen) {
        // A thaw that reaches a worker no longer frozen changes nothing: the count
        // belongs to the workers still in ice.
        if (!was) return;
        frozen_ = false;
        if (GetState() != kStateCutOff) SetMarker(false);
        if (screen != nullptr && screen->frozenWorkers > 0) --screen->frozenWorkers;
        return;
    }
    frozen_ = true;
    SetMarker(true);
    SetTarget(nullptr, 0);
    RestartTimer(frozenTimer_, kFrozenSeconds);
    if (was || screen == nullptr) return;
    if (++screen->frozenWorkers == kIceBlockCount && screen->GetLevelName() == "005") {
        screen->UnlockAchievement("achieve_ice_block");
    }
}

bool cWorker::IsFrozen() { return frozen_; }

void cWorker::SetInLove(bool inLove)
{
    LevelScreen* screen = CurrentLevelScreen();
    const bool was = inLove_;
    if (!inLove) {
        if (!was) return;
        inLove_ = false;
        threat_ = nullptr;
        SetTarget(nullptr, 0);
        SetState(kStateIdle);
        if (screen != nullptr && screen->workersInLove > 0) --screen->workersInLove;
        return;
    }
    inLove_ = true;
    if (screen == nullptr) return;
    // The end of the line behind the charmer: from worker to worker that follows.
    // A ring of targets would never end it, so an object seen twice stops the walk.
    cObject* last = threat_;
    std::set<const cObject*> visited{this, last};
    ObjectList workers;
    screen->FindObjectsOfKind(workers, kTypeWorker, kWorkerLayer);
    while (last != nullptr) {
        cObject* next = nullptr;
        for (cObject* other : workers) {
            const auto* worker = dynamic_cast<const cWorker*>(other);
            if (worker != nullptr && worker != this && worker->target_ == last) {
                next = other;
                break;
            }
        }
        if (next == nullptr || !visited.insert(next).second) break;
        last = next;
    }
    if (auto* leader = dynamic_cast<cGameObject*>(last); leader != nullptr && leader != this) {
        screen->SendWorker(this, leader, 0);
    }
    if (!was && ++screen->workersInLove == kInLoveCount) screen->UnlockAchievement("achieve_in_love");
}

void cWorker::ReleaseReserved()
{
    if (paidCost_.IsZero()) return;
    if (LevelScreen* screen = CurrentLevelScreen()) screen->RefundResources(paidCost_);
    paidCost_.Clear();
}

void cWorker::SetMarker(bool on)
{
    if (owner_ != nullptr && owner_->GetLevelName() == "014") return;
    if (on) {
        if (cloud_ == nullptr) cloud_ = CreateWorkerCloud(GetPosition() + kCloudOffset);
        return;
    }
    if (cloud_ == nullptr) return;
    if (LevelScreen* screen = CurrentLevelScreen()) screen->RemoveObject(cloud_);
    cloud_ = nullptr;
}
