// The tutorial hint window's handler: finding its three controls, placing a hint,
// the fade, the drawing and the hint-hover flag of the level screen.
#include "game/hints/train_wf.h"

#include <algorithm>
#include <cmath>

#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/widgets/animation_ctrl.h"
#include "framework/widgets/base_wf.h"
#include "game/level/magic_widget.h"

namespace {

constexpr const char* kFrameName = "frame";
constexpr const char* kArrowName = "arrow";
constexpr const char* kTextName = "text";
constexpr const char* kClickKey = "ClickToContinue";
constexpr float kOpaque = cWindowFade::kOpaque;

// The frame along one axis: its anchor (the corner by the target, where the arrow
// sits) and its length, negative when it reaches toward lower values.
struct Span {
    float anchor;
    float length;
};

// Places the frame on the side of the target its placement asks for, or on the other
// side when it would run off the view there but fits on that one: the arrow, mirrored
// with the frame, then still points at the target. Only a frame that fits on neither
// side (a target off the view) is pushed onto the view, its arrow with it.
Span PlaceSpan(float target, float radius, float length, bool towardLow, float viewLength)
{
    const auto fits = [&](bool low) {
        return low ? target - radius - length >= 0.0f : target + radius + length <= viewLength;
    };
    if (!fits(towardLow) && fits(!towardLow)) towardLow = !towardLow;
    if (towardLow) return {std::clamp(target - radius, length, std::max(viewLength, length)), -length};
    return {std::clamp(target + radius, 0.0f, std::max(viewLength - length, 0.0f)), length};
}

}  // namespace

int32_t cTrainWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (fade_.Follow(window, code, first)) return 0;
    switch (code) {
    case vrk::kWndFilled:
        FindControls(window);
        break;
    case vrk::kWndDraw:
        if (!failed_) Draw();
        return 0;
    case vrk::kWndUpdate:
        // The arrow is ignored by the default handling, so its animation is stepped
        // here.
        if (arrow_ != nullptr) arrow_->OnEvent(vrk::kCtrlUpdate, first, second);
        break;
    case vrk::kWndMouseMove:
        if (frame_ != nullptr) {
            const auto x = static_cast<float>(vrk::GuiPointX(second));
            const auto y = static_cast<float>(vrk::GuiPointY(second));
            SetHintHover(frame_->HitTest(x, y));
        }
        break;
    case vrk::kWndClosed:
        if (cMiddle* app = GetMiddle(); app != nullptr && window != nullptr) app->OnDialogCommand(window->GetName());
        SetHintHover(false);
        break;
    default:
        break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}

void cTrainWF::FindControls(vrk::cWindow* window)
{
    frame_ = ControlByName(window, kFrameName);
    arrow_ = dynamic_cast<cAnimationCtrl*>(ControlByName(window, kArrowName));
    text_ = ControlByName(window, kTextName);
    failed_ = frame_ == nullptr || arrow_ == nullptr || text_ == nullptr;
    if (failed_) return;
    const vrk::GuiRect frame = vrk::NormalisedRect(frame_->GetRect());
    const vrk::GuiRect arrow = arrow_->GetRect();
    const vrk::GuiRect text = text_->GetRect();
    arrowAroundCentre_ = {arrow.x - (arrow.x + arrow.width * 0.5f), arrow.y - (arrow.y + arrow.height * 0.5f),
                          arrow.width, arrow.height};
    textInset_ = {text.x - frame.x, text.y - frame.y, text.width, text.height};
    const vrk::cGUI* gui = window->GetGUI();
    screenWidth_ = gui != nullptr ? gui->virtualWidth : vrk::kGuiWidth;
    screenHeight_ = gui != nullptr ? gui->virtualHeight : vrk::kGuiHeight;
}

void cTrainWF::ShowHint(const std::string& text, float x, float y, bool clickToContinue, uint32_t placement,
                        float radius)
{
    if (failed_) return;
    clickToContinue_ = clickToContinue;
    const bool targeted = x != 0.0f || y != 0.0f;
    arrow_->Show(targeted);

    const vrk::GuiRect current = frame_->GetRect();
    vrk::GuiRect frame{0.0f, 0.0f, std::fabs(current.width), std::fabs(current.height)};
    if (!targeted) {
        // The screen's origin is its lower left corner: a frame anchored there would
        // lie off the screen for most placements.
        frame.x = (screenWidth_ - frame.width) * 0.5f;
        frame.y = (screenHeight_ - frame.height) * 0.5f;
    } else {
        const Span across = PlaceSpan(x, radius, frame.width, (placement & kPlaceLeft) != 0, screenWidth_);
        const Span up = PlaceSpan(y, radius, frame.height, (placement & kPlaceBelow) != 0, screenHeight_);
        frame = {across.anchor, up.anchor, across.length, up.length};
    }
    frame_->SetRect(frame, 0);

    // The arrow sits on the frame's anchor, the corner nearest the target, and points
    // away from the frame.
    arrow_->SetScale(frame.width < 0.0f ? -1.0f : 1.0f, frame.height < 0.0f ? -1.0f : 1.0f);
    arrow_->SetRect({frame.x + arrowAroundCentre_.x, frame.y + arrowAroundCentre_.y, arrowAroundCentre_.width,
                     arrowAroundCentre_.height},
                    0);

    const vrk::GuiRect drawn = vrk::NormalisedRect(frame);
    text_->SetRect({drawn.x + textInset_.x, drawn.y + textInset_.y, textInset_.width, textInset_.height}, 0);
    std::string shown = text;
    if (clickToContinue) shown += "\n" + vrk::FindText(kClickKey);
    text_->SetText(shown, 0);
}

float cTrainWF::GetArrowReach() const
{
    if (failed_) return 0.0f;
    return std::min(std::fabs(arrowAroundCentre_.width), std::fabs(arrowAroundCentre_.height)) * kArrowTipShare;
}

vec2 cTrainWF::GetArrowTip() const
{
    if (failed_) return vec2{};
    const vrk::GuiRect arrow = arrow_->GetRect();
    const vec2 middle{arrow.x + arrow.width * 0.5f, arrow.y + arrow.height * 0.5f};
    // Unmirrored the arrow points to its lower left; a scale of -1 turns it over.
    return vec2{middle.x - arrow_->GetScaleX() * std::fabs(arrow.width) * kArrowTipShare,
                middle.y - arrow_->GetScaleY() * std::fabs(arrow.height) * kArrowTipShare};
}

void cTrainWF::Draw()
{
    vrk::cGame* game = vrk::GetGame();
    vrk::VertexBatch* batch = game != nullptr ? game->batch.get() : nullptr;
    if (batch == nullptr) return;
    vrk::cRender* render = vrk::GetRender();
    const bool fading = fade_.GetOpacity() < kOpaque && render != nullptr;
    if (fading) render->SetTextureFactor(cWindowFade::TintAt(fade_.GetOpacity()));
    batch->Clear();
    if (arrow_->HasFlag(vrk::kCtrlShown)) arrow_->Draw();
    frame_->Draw();
    text_->Draw();
    if (render != nullptr && batch->UsedVertices() != 0) render->DrawVertexBatch(*batch);
    if (fading) render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
}

void cTrainWF::SetHintHover(bool hover) const
{
    if (cMagicWidget* screen = CurrentMagicWidget()) screen->hintHover = hover ? 1 : 0;
}
