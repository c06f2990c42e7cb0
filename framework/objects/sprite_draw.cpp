// The drawing and set-up-by-name operations of SpriteAnim: straight (whole pixels),
// exact and scaled-and-rotated drawing of the current frame into a vertex batch, and
// the whole-pixel drawing of any texture region (DrawImageRounded).
#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/app_services.h"
#include "framework/objects/sprite_anim.h"

namespace {

constexpr uint32_t kQuadVertices = 6;

void DrawCurrentFrame(const SpriteAnim& anim, vrk::VertexBatch& batch, float x, float y, uint32_t color,
                      bool wholePixels)
{
    if (!anim.info.texture) return;
    const int32_t frame = anim.play.frame;
    if (!anim.info.HasFrame(frame)) return;
    const vec2 hotSpot = anim.info.HotSpot(frame);
    const vec2 size = anim.info.Size(frame);
    const Rect destination{x - hotSpot.x, y - hotSpot.y, size.x, size.y};
    const FrameWindow window = anim.info.Window(frame);
    if (wholePixels) {
        DrawImageRounded(batch, anim.info.texture, destination, window, color);
        return;
    }
    vrk::cRender::AddQuad(batch, anim.info.texture, window.u, window.v, window.width, window.height,
                          destination.x, destination.y, destination.width, destination.height, color);
}

}  // namespace

void DrawImageRounded(vrk::VertexBatch& batch, const vrk::TexturePtr& texture, const Rect& destination,
                      const FrameWindow& region, uint32_t color)
{
    if (!texture) return;
    vrk::cRender::AddQuad(batch, texture, region.u, region.v, region.width, region.height,
                          std::floor(destination.x), std::floor(destination.y), std::floor(destination.width),
                          std::floor(destination.height), color);
}

void SpriteAnim::Draw(vrk::VertexBatch& batch, float x, float y, uint32_t color) const
{
    DrawCurrentFrame(*this, batch, x, y, color, true);
}

void SpriteAnim::DrawExact(vrk::VertexBatch& batch, float x, float y, uint32_t color) const
{
    DrawCurrentFrame(*this, batch, x, y, color, false);
}

void SpriteAnim::DrawTransformed(vrk::VertexBatch& batch, float x, float y, float scaleX, float scaleY,
                                 uint32_t color, float angle) const
{
    if (!info.texture) return;
    const int32_t frame = play.frame;
    if (!info.HasFrame(frame)) return;
    const FrameWindow window = info.Window(frame);
    const vec2 hotSpot = info.HotSpot(frame);
    const vec2 size = info.Size(frame);

    float x0 = -hotSpot.x;
    float y0 = -hotSpot.y;
    float x1 = x0 + size.x;
    float y1 = y0 + size.y;
    if (scaleX != 1.0f || scaleY != 1.0f) {
        x0 *= scaleX;
        x1 *= scaleX;
        y0 *= scaleY;
        y1 *= scaleY;
    }
    // Corners in the order bottom-left, bottom-right, top-left, top-right.
    vec2 corners[4] = {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}};
    if (angle != 0.0f) {
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        for (vec2& corner : corners) corner = {corner.x * c - corner.y * s, corner.x * s + corner.y * c};
    }
    for (vec2& corner : corners) corner += vec2(x, y);

    vrk::BatchVertex* out = vrk::cRender::AllocBatchVertices(batch, info.texture, kQuadVertices);
    if (out == nullptr) return;
    const float u0 = window.u;
    const float u1 = window.u + window.width;
    const float v0 = window.v;
    const float v1 = window.v + window.height;
    auto put = [&out, color](const vec2& p, float u, float v) { *out++ = vrk::BatchVertex{p.x, p.y, 0.0f, color, u, v}; };
    put(corners[0], u0, v0);
    put(corners[1], u1, v0);
    put(corners[2], u0, v1);
    put(corners[2], u0, v1);
    put(corners[1], u1, v0);
    put(corners[3], u1, v1);
}

void SpriteAnim::SetSprite(const std::string& name, int32_t mode, bool loadNow)
{
    cAppServices* services = GetAppServices();
    const SpriteInfo record = services != nullptr ? services->GetSpriteInfoEx(name) : SpriteInfo{};
    MarkSpriteTextureUsed(record, loadNow);
    LoadRecord(record);
    play.mode = mode;
    if (IsPlayableMode(mode)) SetPlayMode(true, mode);
}
