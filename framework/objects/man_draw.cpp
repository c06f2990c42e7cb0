// cMan's pictures: the shadow set up with the sprite, the figure drawn over its
// shadow, and the trail of fading after-images.
#include <algorithm>
#include <cmath>

#include "engine/render/render.h"
#include "framework/objects/man.h"
#include "framework/objects/object_owner.h"

namespace {
constexpr uint32_t kVerticesPerImage = 6;
constexpr uint32_t kRgbMask = 0x00FFFFFFu;
constexpr int kAlphaShift = 24;
constexpr float kChannelMax = 255.0f;
}  // namespace

void cMan::SetSprite(const std::string& sprite)
{
    cGameObject::SetSprite(sprite);
    shadow_.SetSprite(kShadowSprite, kPlayStopped, owner_ != nullptr && owner_->IsEditorMode());
}

void cMan::Draw()
{
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch != nullptr) {
        const vec2 at = GetPosition();
        shadow_.Draw(*batch, at.x, at.y, GetColor());
    }
    cGameObject::Draw();
}

void cMan::SetTrail(bool on)
{
    afterImages_.clear();
    trail_ = on ? 1 : 0;
    trailCounter_ = 0;
}

void cMan::AddTrailFrame()
{
    FrameInfo info;
    GetFrameInfo(info);
    // Without a picture there is nothing to leave behind.
    if (info.texture == nullptr) return;
    AfterImage image;
    image.texture = info.texture;
    FrameInfoQuad(info, image.corners);
    const FrameWindow& source = info.source;
    image.texCoords = {vec2{source.u, source.v}, vec2{source.u + source.width, source.v},
                       vec2{source.u + source.width, source.v + source.height},
                       vec2{source.u, source.v + source.height}};
    image.alpha = kTrailAlpha;
    afterImages_.push_back(std::move(image));
}

void cMan::DrawTrail()
{
    if (afterImages_.empty()) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const uint32_t rgb = GetColor() & kRgbMask;
    // Two triangles sharing the second and fourth corners, as every quad of the batch.
    constexpr size_t kOrder[kVerticesPerImage] = {0, 1, 3, 3, 1, 2};
    for (const AfterImage& image : afterImages_) {
        const auto alpha = static_cast<uint32_t>(std::trunc(std::clamp(image.alpha, 0.0f, 1.0f) * kChannelMax));
        const uint32_t color = (alpha << kAlphaShift) | rgb;
        vrk::BatchVertex* out = vrk::cRender::AllocBatchVertices(*batch, image.texture, kVerticesPerImage);
        if (out == nullptr) return;
        for (uint32_t i = 0; i < kVerticesPerImage; ++i) {
            const vec2& at = image.corners[kOrder[i]];
            const vec2& uv = image.texCoords[kOrder[i]];
            out[i] = vrk::BatchVertex{at.x, at.y, 0.0f, color, uv.x, uv.y};
        }
    }
}
