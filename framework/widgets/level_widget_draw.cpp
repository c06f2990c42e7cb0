// cLevelWidget: the hint pop-ups and notices of game objects and the work-timer bar.
#include <algorithm>

#include "engine/render/render.h"
#include "framework/objects/game_object.h"
#include "framework/widgets/level_widget.h"

namespace {
constexpr int32_t kBarBackFrame = 0;
constexpr int32_t kBarFillFrame = 1;
constexpr uint32_t kBarColor = 0xFFFFFFFFu;
}  // namespace

void cLevelWidget::ShowHint(cGameObject* object, const std::string& text, float /*height*/)
{
    if (object == nullptr) return;
    const std::string shown = text.empty() ? object->GetHintText() : text;
    if (CaptionHandle* old = object->GetHintHandle()) {
        ReleaseCaption(old);
        object->SetHintHandle(nullptr);
    }
    if (shown.empty()) return;
    // The object's progress-bar offset is left alone: the objects place their bars
    // themselves, and a pop-up must not move them.
    Rect box;
    object->GetRect(box, GetHoveredPart());
    object->SetHintHandle(AddCaption(shown, box));
    // A text of its own is a notice (an order refused): it holds the pop-up its time.
    if (!text.empty()) object->HoldNotice();
}

void cLevelWidget::DrawProgress(const vec2& point, float fraction)
{
    if (!progressSprite_.texture || !progressSprite_.HasFrame(kBarBackFrame)) return;
    vrk::VertexBatch* batch = GetPrimitiveBatch();
    if (batch == nullptr) return;
    const FrameWindow back = progressSprite_.Window(kBarBackFrame);
    const vec2 size = progressSprite_.Size(kBarBackFrame);
    const float left = point.x - size.x * 0.5f;
    const float bottom = point.y - size.y * 0.5f;
    vrk::cRender::AddQuad(*batch, progressSprite_.texture, back.u, back.v, back.width, back.height, left, bottom,
                          size.x, size.y, kBarColor);
    if (!progressSprite_.HasFrame(kBarFillFrame)) return;
    const float filled = fraction > 0.0f ? std::min(fraction, 1.0f) : 0.0f;
    const FrameWindow fill = progressSprite_.Window(kBarFillFrame);
    const vec2 fillSize = progressSprite_.Size(kBarFillFrame);
    vrk::cRender::AddQuad(*batch, progressSprite_.texture, fill.u, fill.v, fill.width * filled, fill.height, left,
                          bottom, fillSize.x * filled, size.y, kBarColor);
}
