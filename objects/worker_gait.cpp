// cWorker's gaits: the mover's speed and the playback rate of each walking
// animation, the faster-workers spell, the run to another spot of the route while
// working, and the grid tests a worker skips at the home's door and in love.
#include "framework/objects/small_math.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr int32_t kFastWorkersSpell = 0;
constexpr float kFastWorkersFactor = 1.8f;

// Ground speeds by the first letters of the animation key: the mover's speed, and
// the playback rate that scales it into what the player sees.
struct Gait {
    const char* prefix;
    float moverSpeed;
    float groundSpeed;  // 0: the rate stays 1.0
};
constexpr Gait kGaits[] = {
    {"walk", 20.0f, 20.0f}, {"tied", 25.0f, 35.0f}, {"run", 150.0f, 170.0f},
    {"bag", 120.0f, 140.0f}, {"scare", 150.0f, 0.0f},
};
constexpr float kOtherMoverSpeed = 10.0f;
constexpr float kRepositionSpeed = 220.0f;

const Gait* FindGait(const std::string& key)
{
    for (const Gait& gait : kGaits) {
        if (key.rfind(gait.prefix, 0) == 0) return &gait;
    }
    return nullptr;
}

}  // namespace

float cWorker::GetAnimationSpeed() const
{
    float speed = mover_.speed;
    if (speed < kFloatEpsilon) speed = 1.0f;
    // A missing sprite leaves no key; the gait chosen for it still sets the pace.
    const std::string& key = GetAnimationKey().empty() ? baseName_ : GetAnimationKey();
    float rate = 1.0f;
    if (const Gait* gait = FindGait(key); gait != nullptr && gait->groundSpeed > 0.0f) {
        const bool running = key.rfind("run", 0) == 0;
        rate = (running && repositioning_ ? kRepositionSpeed : gait->groundSpeed) / speed;
    }
    const int32_t state = GetState();
    if ((state == kStateWalking || state == kStateAtWork) && IsSpellRunning(kFastWorkersSpell)) {
        rate *= kFastWorkersFactor;
    }
    return rate;
}

void cWorker::StartMove()
{
    const std::string& key = GetAnimationKey().empty() ? baseName_ : GetAnimationKey();
    const Gait* gait = FindGait(key);
    StartMoveAtSpeed(gait != nullptr ? gait->moverSpeed : kOtherMoverSpeed);
}

void cWorker::LeaveBlockedCell()
{
    if (doorState_ != kDoorOutside || inLove_) return;
    cMan::LeaveBlockedCell();
}

void cWorker::CheckPathAhead()
{
    if (doorState_ != kDoorOutside || inLove_) return;
    cMan::CheckPathAhead();
}

void cWorker::RunToRoutePoint()
{
    if (route_.size() < 2) return;
    const vec2 point = GetRoutePoint();
    mover_.SetPosition(GetPosition());
    mover_.MoveTo(point);
    vec2 direction = point - GetPosition();
    Normalize(direction);
    PlayDirected("run", direction, kPlayLoopForward);
    repositioning_ = true;
    StartMove();
}
