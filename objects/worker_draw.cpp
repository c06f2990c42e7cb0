// cWorker's picture: the trail, the figure (hidden inside the home and the
// prison), the shield of the shield spell, the bars of the ice and the stun, the
// hearts and the ice block; and the hit test that lets the player click a frozen
// worker, or one at a special building or a bonfire.
#include <cmath>

#include "framework/objects/small_math.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr int32_t kShieldSpell = 5;
constexpr vec2 kShieldOffset{0.0f, 25.0f};
constexpr float kShieldScale = 0.7f;
constexpr float kShieldWobble = 25.0f;

float Fraction(const TimedValue<float>& timer)
{
    return timer.target > 0.0f ? timer.current / timer.target : 0.0f;
}

}  // namespace

void cWorker::Draw()
{
    DrawTrail();
    const int32_t state = GetState();
    if (state == kStateInside || state == kStateImprisoned || (state == kStateAtWork && IsTargetHome()) ||
        doorState_ != kDoorOutside) {
        return;
    }
    if (state == kStateCarried) {
        DrawBatched();
    } else {
        cMan::Draw();
    }
    vrk::VertexBatch* batch = OwnerBatch();
    const vec2 at = GetPosition();
    const uint32_t color = GetColor();
    if (batch != nullptr && IsSpellRunning(kShieldSpell)) {
        const float phase = glowPhase_;
        const float s = std::sin(2.0f * phase) / kShieldWobble;
        const float c = std::cos(2.0f * phase) / kShieldWobble;
        const vec2 shield = at + kShieldOffset;
        shieldSprite_.DrawTransformed(*batch, shield.x, shield.y, kShieldScale + s, kShieldScale + c, color, phase);
        shieldSprite_.DrawTransformed(*batch, shield.x, shield.y, kShieldScale - s, kShieldScale - c, color, -phase);
    }
    if (owner_ != nullptr) {
        if (frozen_) owner_->DrawProgress(at + barOffset_, Fraction(frozenTimer_));
        if (state == kStateStunned) owner_->DrawProgress(at + barOffset_, Fraction(stunTimer_));
        hearts_.Draw(owner_->GetViewMatrix());
    }
    if (frozen_ && batch != nullptr) iceSprite_.Draw(*batch, at.x, at.y, color);
}

int32_t cWorker::HitTest(const vec2& point)
{
    if (GetState() == kStateAtWork && target_ != nullptr &&
        (target_->GetTypeId() == kTypeTunnelBuild || target_->GetTypeId() == kTypeBonfire)) {
        return cGameObject::HitTest(point);
    }
    if (!frozen_ || GetAnimation() == nullptr) return 0;
    return ShowsAt(point) ? 1 : 0;
}
