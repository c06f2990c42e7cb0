// cSource's moving parts and pictures: the tree's sway, the shake of a blow and its
// sparks, the falling leaves, the well's water and glow, the shadow and the bent
// quad of a living tree.
#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/object_owner.h"
#include "objects/source.h"

namespace {

constexpr vec2 kLeavesOffset{0.0f, 170.0f};
constexpr vec2 kSparksOffset{0.0f, 8.0f};
constexpr uint32_t kQuadVertices = 6;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;
constexpr float kChannelMax = 255.0f;
constexpr int kAlphaShift = 24;

}  // namespace

void SourceSwing::Step(float dt)
{
    phase += speed * dt;
    if (phase > 1.0f) {
        phase = 1.0f;
        speed = -speed;
    } else if (phase < 0.0f) {
        phase = 0.0f;
        speed = -speed;
    }
}

void cSource::PlaceEffects()
{
    const vec2 leavesAt = GetPosition() + kLeavesOffset;
    const vec2 sparksAt = GetPosition() + kSparksOffset;
    leaves_.SetPosition(leavesAt.x, leavesAt.y);
    sparks_.SetPosition(sparksAt.x, sparksAt.y);
}

void cSource::Update()
{
    cGameObject::Update();
    PlaceEffects();
    if (kind_ == kKindWell) {
        water_.Update(kTickSeconds);
        glowSprite_.Update(kTickSeconds);
    }
    leaves_.Update(kTickSeconds);
    if (leavesTimer_.Step(kTickSeconds) == kTimedArrived) ShowLeaves(false);
    if (kind_ == kKindWell) UpdateGlow();
    if (kind_ != kKindTree) return;
    sway_.Step(kTickSeconds);
    shake_.Step(kTickSeconds);
    shake_.low *= kShakeDecay;
    shake_.high *= kShakeDecay;
    // A blow throws sparks for one tick only.
    sparks_.Update(kTickSeconds);
    if (sparks_.IsEmitting()) sparks_.SetEmitting(false);
}

void cSource::UpdateGlow()
{
    if (glow_.Step(kTickSeconds) == kTimedMoving) return;
    glow_.SetTarget(glow_.current < kGlowHigh ? kGlowHigh : kGlowLow);
}

void cSource::ShowLeaves(bool on)
{
    leaves_.SetEmitting(on);
    if (!on) return;
    leavesTimer_.current = 0.0f;
    leavesTimer_.SetTarget(kLeavesSeconds);
}

void cSource::Strike(const vec2& from)
{
    // The crown swings away from the striker and the chips fly that way too.
    const bool fromRight = GetPosition().x <= from.x;
    shake_ = SourceSwing{-kShakeAmplitude, kShakeAmplitude, fromRight ? 1.0f : 0.0f, kShakeSpeed};
    sparks_.SetEmitting(true);
    const EmitterParamsPtr& params = sparks_.GetParams();
    if (!params) return;
    params->velocityMin = sparkVelocityMin_;
    params->velocityMax = sparkVelocityMax_;
    if (fromRight) {
        params->velocityMin.x = -sparkVelocityMax_.x;
        params->velocityMax.x = -sparkVelocityMin_.x;
    }
}

void cSource::Draw()
{
    const bool stump = kind_ == kKindTree && GetState() == kStateExhausted;
    vrk::VertexBatch* batch = OwnerBatch();
    const vec2 at = GetPosition();
    if (!stump && batch != nullptr) shadow_.Draw(*batch, at.x, at.y, GetColor());
    if (kind_ == kKindTree && !stump) {
        DrawTree();
    } else {
        cGameObject::Draw();
    }
    if (owner_ == nullptr) return;
    if (kind_ == kKindTree) sparks_.Draw(owner_->GetViewMatrix());
    if (kind_ == kKindWell && batch != nullptr) water_.Draw(*batch, at.x, at.y, GetColor());
    leaves_.Draw(owner_->GetViewMatrix());
    if (kind_ == kKindWell && batch != nullptr) {
        const float alpha = std::fmin(std::fmax(glow_.current, 0.0f), 1.0f);
        const uint32_t color = kWhiteRgb | (static_cast<uint32_t>(alpha * kChannelMax) << kAlphaShift);
        glowSprite_.Draw(*batch, at.x, at.y, color);
    }
}

void cSource::BendFrame(const Rect& frame, float angle, Quad& corners)
{
    const float halfW = frame.width * 0.5f;
    const float halfH = frame.height * 0.5f;
    const vec2 centre{frame.x + halfW, frame.y + halfH};
    const float cosine = std::cos(angle);
    const float sine = std::sin(angle);
    // The foot stays put; only the crown turns about the frame's centre.
    corners[0] = vec2{frame.x, frame.y};
    corners[1] = vec2{frame.x + frame.width, frame.y};
    corners[2] = centre + vec2{halfW * cosine - halfH * sine, halfW * sine + halfH * cosine};
    corners[3] = centre + vec2{-halfW * cosine - halfH * sine, -halfW * sine + halfH * cosine};
}

void cSource::GetTreeQuad(Quad& corners) const
{
    corners = Quad{};
    if (GetAnimation() == nullptr) return;
    Rect frame;
    GetFrameRect(frame, -1);
    BendFrame(frame, GetBendAngle(), corners);
}

vrk::TexelCover cSource::CoverAt(const vec2& point) const
{
    const bool stump = kind_ == kKindTree && GetState() == kStateExhausted;
    if (kind_ != kKindTree || stump || GetAnimation() == nullptr) return cGameObject::CoverAt(point);
    Quad corners;
    GetTreeQuad(corners);
    return QuadCoverAt(corners, anim_.info.Window(anim_.CurrentFrame()), point);
}

void cSource::DrawTree()
{
    const SpriteInfo* info = GetAnimation();
    const int32_t frame = anim_.CurrentFrame();
    vrk::VertexBatch* batch = OwnerBatch();
    if (info == nullptr || info->texture == nullptr || frame < 0 || batch == nullptr) return;
    Quad corners;
    GetTreeQuad(corners);
    vrk::BatchVertex* out = vrk::cRender::AllocBatchVertices(*batch, info->texture, kQuadVertices);
    if (out == nullptr) return;
    const FrameWindow window = info->Window(frame);
    const float u0 = window.u;
    const float v0 = window.v;
    const float u1 = window.u + window.width;
    const float v1 = window.v + window.height;
    const uint32_t color = GetColor();
    // Two triangles sharing the bottom-right and top-left corners, as every quad.
    const struct {
        vec2 at;
        float u;
        float v;
    } order[kQuadVertices] = {{corners[0], u0, v0}, {corners[1], u1, v0}, {corners[3], u0, v1},
                              {corners[3], u0, v1}, {corners[1], u1, v0}, {corners[2], u1, v1}};
    for (uint32_t i = 0; i < kQuadVertices; ++i) {
        out[i] = vrk::BatchVertex{order[i].at.x, order[i].at.y, 0.0f, color, order[i].u, order[i].v};
    }
}
