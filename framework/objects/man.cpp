// cMan: construction, the per-tick update, walking a path leg by leg, the target
// and its places, and the directional animation. Drawing and the trail live in
// man_draw.cpp, the grid tests in man_grid.cpp.
#include "framework/objects/man.h"

#include <algorithm>
#include <cmath>

#include "framework/objects/man_direction.h"
#include "framework/objects/object_owner.h"

cMan::cMan(cObjectOwner* owner) : cGameObject(owner) { mover_.speed = kInitialSpeed; }

cMan::~cMan() = default;

void cMan::Update()
{
    cGameObject::Update();
    if (owner_ != nullptr && owner_->IsEditorMode()) return;
    const float step = GetAnimationSpeed() * kTickSeconds;

    for (AfterImage& image : afterImages_) image.alpha -= kTickSeconds;
    afterImages_.remove_if([](const AfterImage& image) { return image.alpha <= 0.0f; });
    if (trail_ != 0 && ++trailCounter_ >= kTrailTicks) {
        trailCounter_ = 0;
        AddTrailFrame();
    }

    const int32_t state = GetState();
    if (state != kStateWalking && state != kStateHeld) return;
    LeaveBlockedCell();
    CheckPathAhead();
    // The tests may have given the walk up (state -1) or held it: only a walker
    // that is still walking takes its step.
    if (GetState() != kStateWalking) return;
    const int32_t result = mover_.Step(step);
    if (result != kTimedIdle) SetPositionV(mover_.current);
    if (result != kTimedMoving) OnLegEnd();
}

int32_t cMan::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageStateChange) {
        const auto* change = reinterpret_cast<const StateChange*>(data);
        return change != nullptr ? OnStateChange(change->oldState, change->newState) : 0;
    }
    if (code == kMessagePathFinished) {
        escape_ = 0;
        WalkEvent arrived{this, target_, targetKind_};
        if (owner_ != nullptr) owner_->OnScreenEvent(kMessageArrived, reinterpret_cast<uintptr_t>(&arrived));
    }
    return cGameObject::OnMessage(code, data);
}

int32_t cMan::GetTypeId() const { return kTypeMan; }

bool cMan::IsKindOf(int32_t id) const { return id == kTypeMan || cGameObject::IsKindOf(id); }

// Walkers are not clicked by their frame; those that can be clicked say how.
int32_t cMan::HitTest(const vec2& point) { return cObject::HitTest(point); }

void cMan::StartMove() { StartMoveAtSpeed(1.0f); }

void cMan::StartMoveAtSpeed(float speed)
{
    mover_.speed = speed == 0.0f ? 1.0f : speed;
    mover_.start = mover_.current;
    mover_.elapsed = 0.0f;
    mover_.duration = (mover_.target - mover_.start).Length() / mover_.speed;
    if (!(mover_.duration >= kTimedSnapDuration)) {
        mover_.duration = 0.0f;
        mover_.current = mover_.target;
    }
}

void cMan::WalkPath(const std::vector<vec2>& points, cGameObject* target, int32_t kind)
{
    SetState(kStateNone);
    path_ = points;
    SetTarget(target, kind);
    // A path without a leg must end the walk on the next tick where the walker
    // stands; a move left over from an interrupted walk would otherwise be resumed.
    if (path_.size() < 2) mover_.SetPosition(GetPosition());
    StartLeg(0);
    SetState(kStateWalking);
    StartMove();
}

void cMan::SetTarget(cGameObject* target, int32_t kind)
{
    WalkEvent changed{this, target_, targetKind_};
    if (owner_ != nullptr) owner_->OnScreenEvent(kMessageTargetChanged, reinterpret_cast<uintptr_t>(&changed));
    if (target_ != nullptr && targetKind_ < kPlaceTakingKinds) target_->ReleasePlace();
    target_ = target;
    targetKind_ = kind;
    if (target_ != nullptr && targetKind_ < kPlaceTakingKinds) target_->TakePlace();
}

void cMan::StartLeg(int32_t leg)
{
    const auto count = static_cast<int64_t>(path_.size());
    if (count < 2 || leg < 0 || leg >= count - 1) return;
    leg_ = leg;
    const vec2& from = path_[static_cast<size_t>(leg)];
    const vec2& to = path_[static_cast<size_t>(leg) + 1];
    mover_.SetPosition(from);
    mover_.MoveTo(to);
    vec2 direction = to - from;
    const float length = direction.Length();
    direction = length < kFloatEpsilon ? vec2{} : direction / length;
    TurnTo(direction, kPlayLoopForward);
}

void cMan::OnLegEnd()
{
    const auto count = static_cast<int64_t>(path_.size());
    if (count > 1 && leg_ < count - 2) {
        StartLeg(leg_ + 1);
        return;
    }
    SetState(kStateNone);
    WalkEvent finished{this, target_, targetKind_};
    OnMessage(kMessagePathFinished, reinterpret_cast<uintptr_t>(&finished));
}

void cMan::GetMoveDirection(vec2& direction)
{
    vec2 d = mover_.target - mover_.start;
    if (d.Length() < kFloatEpsilon && target_ != nullptr) d = target_->GetPosition() - GetPosition();
    const float length = d.Length();
    direction = length > kFloatEpsilon ? d / length : vec2{};
}

void cMan::PlayDirected(const std::string& name, const vec2& direction, int32_t mode)
{
    if (direction.Length() >= kFloatEpsilon) {
        baseName_ = name;
        TurnTo(direction, mode);
        return;
    }
    // An animation under the plain name is the figure's own picture for no
    // direction. A directed one has none: its plain key would show nothing, so it
    // plays the way the figure faces.
    if (animations_.count(name) != 0) {
        PlayAnimation(name, mode);
        return;
    }
    baseName_ = name;
    PlayFacing(facing_, mode);
}

void cMan::TurnTo(const vec2& direction, int32_t mode)
{
    const int32_t index = owner_ != nullptr ? owner_->GetDirectionIndex(direction, directionCount_)
                                            : DirectionIndex(direction, directionCount_);
    if (index >= 0 && index < kMaxDirectionCount) facing_ = index;
    PlayFacing(index, mode);
}

void cMan::PlayFacing(int32_t index, int32_t mode)
{
    std::string key = baseName_;
    if (index >= 0 && index < kMaxDirectionCount) key += static_cast<char>('0' + index);
    // A once-forward animation restarts even under the same key.
    if (key != GetAnimationKey() || mode == kPlayOnceForward) PlayAnimation(key, mode);
}

vec2 cMan::DirectionToward(const cObject* target)
{
    vec2 direction = target != nullptr ? target->GetPosition() - GetPosition() : vec2{};
    float length = direction.Length();
    if (!(length > kFloatEpsilon)) {
        GetMoveDirection(direction);
        length = direction.Length();
    }
    return length > kFloatEpsilon ? direction / length : vec2{};
}

void cMan::SetDirectionCount(int32_t count)
{
    directionCount_ = std::clamp(count, 1, kMaxDirectionCount);
    // A facing of another count names another way: the first is the safe one.
    if (facing_ >= directionCount_) facing_ = 0;
}
