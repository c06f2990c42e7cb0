// cObject drawing and geometry: frame rectangles, corner quads, the frame record of
// the cross-fade, the picture's cover at a point, the straight and the batched draw
// with the highlight pass, and the editor's selection outline.
#include <algorithm>
#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/object.h"
#include "framework/objects/object_owner.h"

namespace {

constexpr uint32_t kSelectionColor = 0xFF000080u;
constexpr float kSelectionWidth = 1.0f;
constexpr uint32_t kQuadVertices = 6;
// The highlight pass keeps only texels above this alpha.
constexpr float kHighlightAlphaReference = 0.1f;
constexpr float kChannelMax = 255.0f;
constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kRgbMask = 0x00FFFFFFu;
constexpr int kAlphaShift = 24;
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;

uint32_t WithAlpha(uint32_t color, float alpha)
{
    const float clamped = std::clamp(alpha, 0.0f, 1.0f);
    const uint32_t byte = static_cast<uint32_t>(std::trunc(clamped * kChannelMax));
    return (color & kRgbMask) | (byte << kAlphaShift);
}

Rect Floored(const Rect& rect)
{
    return Rect{std::floor(rect.x), std::floor(rect.y), std::floor(rect.width), std::floor(rect.height)};
}

// Corners of a frame about its hot spot, scaled, rotated and moved to the point.
void CornersOf(const vec2& hotSpot, const vec2& size, const vec2& scale, float angle, const vec2& at,
               Quad& corners)
{
    corners = {vec2{-hotSpot.x, -hotSpot.y}, vec2{size.x - hotSpot.x, -hotSpot.y},
               vec2{size.x - hotSpot.x, size.y - hotSpot.y}, vec2{-hotSpot.x, size.y - hotSpot.y}};
    const bool scaled = !(scale.x == 1.0f && scale.y == 1.0f);
    const float cosine = std::cos(angle);
    const float sine = std::sin(angle);
    for (vec2& corner : corners) {
        if (scaled) corner = vec2{corner.x * scale.x, corner.y * scale.y};
        if (angle != 0.0f) corner = vec2{corner.x * cosine - corner.y * sine, corner.y * cosine + corner.x * sine};
        corner += at;
    }
}

// The point as a + s (b - a) + t (c - a); false outside the triangle or when it
// has no area.
bool TriangleCoord(const vec2& a, const vec2& b, const vec2& c, const vec2& point, float& s, float& t)
{
    const vec2 ab = b - a;
    const vec2 ac = c - a;
    const vec2 ap = point - a;
    const float determinant = ab.x * ac.y - ab.y * ac.x;
    if (determinant == 0.0f) return false;
    s = (ap.x * ac.y - ap.y * ac.x) / determinant;
    t = (ab.x * ap.y - ab.y * ap.x) / determinant;
    return s >= 0.0f && t >= 0.0f && s + t <= 1.0f;
}

// Where a point falls in a quad drawn as the renderer draws it (triangles 0-1-3
// and 3-1-2, each mapped on its own), as texture coordinates of the window. False
// outside both triangles.
bool QuadTexCoord(const Quad& corners, const FrameWindow& window, const vec2& point, float& u, float& v)
{
    float s = 0.0f;
    float t = 0.0f;
    if (TriangleCoord(corners[0], corners[1], corners[3], point, s, t)) {
        u = window.u + s * window.width;
        v = window.v + t * window.height;
        return true;
    }
    if (TriangleCoord(corners[3], corners[1], corners[2], point, s, t)) {
        u = window.u + (s + t) * window.width;
        v = window.v + (1.0f - s) * window.height;
        return true;
    }
    return false;
}

// Draws and empties the batch; without a renderer there is nothing to draw with and
// the batch is left as it is.
void FlushBatch(vrk::VertexBatch& batch)
{
    vrk::cRender* render = vrk::GetRender();
    if (render == nullptr) return;
    render->DrawVertexBatch(batch);
    batch.Clear();
}

}  // namespace

vrk::VertexBatch* cObject::OwnerBatch() const
{
    return owner_ != nullptr ? owner_->GetPrimitiveBatch() : nullptr;
}

void cObject::GetFrameRect(Rect& rect, int32_t index) const
{
    rect = Rect{};
    if (!hasAnimation_) return;
    const int32_t frame = index == -1 ? anim_.play.frame : index;
    if (!anim_.info.HasFrame(frame)) return;
    const vec2 hotSpot = anim_.info.HotSpot(frame);
    const vec2 size = anim_.info.Size(frame);
    rect = Rect{position_.x - hotSpot.x, position_.y - hotSpot.y, size.x, size.y};
}

void cObject::GetQuad(Quad& corners) const
{
    corners = Quad{};
    if (!hasAnimation_) return;
    const int32_t frame = anim_.play.frame;
    CornersOf(anim_.info.HotSpot(frame), anim_.info.Size(frame), scale_, angle_, GetPosition() + shapeOffset_,
              corners);
}

void cObject::GetFrameInfo(FrameInfo& info) const
{
    info = FrameInfo{};
    const int32_t frame = anim_.CurrentFrame();
    if (hasAnimation_ && frame >= 0) {
        info.texture = anim_.info.texture;
        info.source = anim_.info.Window(frame);
        info.hotSpot = anim_.info.HotSpot(frame);
        info.size = anim_.info.Size(frame);
    }
    info.position = GetPosition() + drawOffset_;
    info.angle = angle_;
    info.scale = scale_;
    info.source.u += drawOffset_.x;
    info.source.v += drawOffset_.y;
}

vrk::TexelCover cObject::FrameCoverAt(const vec2& point) const
{
    Rect rect;
    GetFrameRect(rect, -1);
    if (!IsPointInRect(rect, point)) return vrk::kCoverNone;
    const vrk::cTexture* texture = anim_.info.texture.get();
    const vrk::cAlphaMask* mask = texture != nullptr ? texture->alphaMask.get() : nullptr;
    if (mask == nullptr) return vrk::kCoverSolid;
    // The same mapping as the straight draw: the frame's window stretched over its
    // rectangle, v counting up from the rectangle's bottom as the world's y does.
    const FrameWindow window = anim_.info.Window(anim_.play.frame);
    const float u = window.u + (point.x - rect.x) / rect.width * window.width;
    const float v = window.v + (point.y - rect.y) / rect.height * window.height;
    return mask->CoverAt(u, v);
}

vrk::TexelCover cObject::QuadCoverAt(const Quad& corners, const FrameWindow& window, const vec2& point) const
{
    float u = 0.0f;
    float v = 0.0f;
    if (!QuadTexCoord(corners, window, point, u, v)) return vrk::kCoverNone;
    const vrk::cTexture* texture = anim_.info.texture.get();
    const vrk::cAlphaMask* mask = texture != nullptr ? texture->alphaMask.get() : nullptr;
    return mask != nullptr ? mask->CoverAt(u, v) : vrk::kCoverSolid;
}

void cObject::FrameInfoQuad(const FrameInfo& info, Quad& corners)
{
    CornersOf(info.hotSpot, info.size, info.scale, info.angle, info.position, corners);
}

Rect cObject::FrameInfoRect(const FrameInfo& info)
{
    return Rect{info.position.x - info.hotSpot.x, info.position.y - info.hotSpot.y, info.size.x, info.size.y};
}

void cObject::AppendFrame(vrk::VertexBatch& batch, const vrk::TexturePtr& texture, const FrameWindow& source,
                          const Rect& destination, uint32_t color) const
{
    const Rect floored = Floored(destination);
    vrk::cRender::AddQuad(batch, texture, source.u, source.v, source.width, source.height, floored.x, floored.y,
                          floored.width, floored.height, color);
}

void cObject::AppendQuad(vrk::VertexBatch& batch, const vrk::TexturePtr& texture, const FrameWindow& source,
                         const Quad& corners, uint32_t color) const
{
    vrk::BatchVertex* out = vrk::cRender::AllocBatchVertices(batch, texture, kQuadVertices);
    if (out == nullptr) return;
    const float u0 = source.u;
    const float v0 = source.v;
    const float u1 = source.u + source.width;
    const float v1 = source.v + source.height;
    // Same corner order as the renderer's quads: two triangles sharing the
    // bottom-right and top-left corners.
    const struct {
        const vec2& at;
        float u;
        float v;
    } order[kQuadVertices] = {{corners[0], u0, v0}, {corners[1], u1, v0}, {corners[3], u0, v1},
                              {corners[3], u0, v1}, {corners[1], u1, v0}, {corners[2], u1, v1}};
    for (uint32_t i = 0; i < kQuadVertices; ++i) {
        out[i] = vrk::BatchVertex{order[i].at.x, order[i].at.y, 0.0f, color, order[i].u, order[i].v};
    }
}

void cObject::DrawFrames(bool batched)
{
    if (!hasAnimation_ || anim_.info.texture == nullptr) return;
    const int32_t frame = anim_.CurrentFrame();
    if (frame < 0) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;

    const uint32_t baseColor = GetColor();
    const float alpha = static_cast<float>(baseColor >> kAlphaShift) / kChannelMax;
    uint32_t color = baseColor;
    if (fadeTimer_ > 0.0f && fadeTime_ > 0.0f && previousFrame_.texture != nullptr) {
        const float t = fadeTimer_ * 2.0f / fadeTime_;
        const uint32_t previousColor = WithAlpha(baseColor, std::min(alpha, t));
        if (batched) {
            Quad corners;
            FrameInfoQuad(previousFrame_, corners);
            AppendQuad(*batch, previousFrame_.texture, previousFrame_.source, corners, previousColor);
        } else {
            AppendFrame(*batch, previousFrame_.texture, previousFrame_.source, FrameInfoRect(previousFrame_),
                        previousColor);
        }
        color = WithAlpha(baseColor, std::min(alpha, 2.0f - t));
    }

    const vrk::TexturePtr& texture = anim_.info.texture;
    const FrameWindow window = anim_.info.Window(frame);
    auto drawCurrent = [&](uint32_t quadColor) {
        if (batched) {
            Quad corners;
            GetQuad(corners);
            FrameWindow shifted = window;
            shifted.u += drawOffset_.x;
            shifted.v += drawOffset_.y;
            AppendQuad(*batch, texture, shifted, corners, quadColor);
        } else {
            Rect destination;
            GetFrameRect(destination, -1);
            AppendFrame(*batch, texture, window, destination, quadColor);
        }
    };
    drawCurrent(color);

    if (highlight_ > 0.0f) {
        const float strength = std::min(highlight_, 1.0f);
        const uint32_t level = static_cast<uint32_t>(std::trunc(strength * kChannelMax));
        FlushBatch(*batch);
        vrk::cRender* render = vrk::GetRender();
        if (render != nullptr) render->SetBlendMode(vrk::cRender::kBlendAdditive, kHighlightAlphaReference);
        drawCurrent(kOpaque | (level << kRedShift) | (level << kGreenShift) | level);
        FlushBatch(*batch);
        if (render != nullptr && owner_ != nullptr) render->SetBlendMode(owner_->GetLayerBlendMode(layer_), 0.0f);
    }
}

void cObject::Draw() { DrawFrames(false); }

void cObject::DrawBatched() { DrawFrames(true); }

void cObject::DrawSelection()
{
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    Rect rect;
    GetFrameRect(rect, -1);
    const float w = kSelectionWidth;
    const Rect edges[4] = {{rect.x, rect.y, rect.width, w},
                           {rect.x, rect.y + rect.height - w, rect.width, w},
                           {rect.x, rect.y, w, rect.height},
                           {rect.x + rect.width - w, rect.y, w, rect.height}};
    for (const Rect& edge : edges) {
        vrk::cRender::AddQuad(*batch, nullptr, 0.0f, 0.0f, 1.0f, 1.0f, edge.x, edge.y, edge.width, edge.height,
                              kSelectionColor);
    }
}
