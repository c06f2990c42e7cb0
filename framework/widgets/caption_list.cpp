// CaptionList: rising texts of a screen.
#include "framework/widgets/caption_list.h"

#include <algorithm>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"

namespace {

constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;
constexpr float kAlphaScale = 255.0f;
constexpr int kAlphaShift = 24;
// The last second of a caption's life is its fade.
constexpr float kFadeSeconds = 1.0f;

}  // namespace

void CaptionList::Add(const vrk::cFont* font, const std::string& text, const vec2& point)
{
    const vrk::TextRect size = vrk::cRender::MeasureText(font, text, true);
    RisingCaption caption;
    caption.life = kLife;
    caption.text = text;
    caption.x = point.x - size.width / 2.0f;
    caption.y = point.y - size.height / 2.0f;
    captions.push_back(std::move(caption));
}

void CaptionList::Update(float dt)
{
    for (RisingCaption& caption : captions) {
        caption.life -= dt;
        if (caption.life <= 0.0f) continue;
        caption.y += kRiseSpeed * dt;
        if (caption.life < kFadeSeconds) {
            const auto alpha = static_cast<uint32_t>(caption.life * kAlphaScale);
            caption.color = (alpha << kAlphaShift) | kWhiteRgb;
        }
    }
    captions.erase(std::remove_if(captions.begin(), captions.end(),
                                  [](const RisingCaption& caption) { return caption.life <= 0.0f; }),
                   captions.end());
}

void CaptionList::Draw(vrk::VertexBatch& batch, const vrk::cFont* font, const vrk::Matrix4& matrix) const
{
    batch.Clear();
    for (const RisingCaption& caption : captions) {
        const float x = matrix.m[0] * caption.x + matrix.m[4] * caption.y + matrix.m[12];
        const float y = matrix.m[1] * caption.x + matrix.m[5] * caption.y + matrix.m[13];
        vrk::cRender::DrawText(batch, font, caption.text, x, y, caption.color);
    }
    if (vrk::cRender* render = vrk::GetRender()) render->DrawVertexBatch(batch);
}
