// The medal cup: the chosen cup's first frame, drawn larger and fainter the more of
// the pop time is left, so a new medal settles into place.
#include "framework/widgets/cup_ctrl.h"

#include <algorithm>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/app_services.h"

namespace {

constexpr const char* kCupSprites[cCupCtrl::kMedalCount] = {"gui_cup_gold", "gui_cup_silver", "gui_cup_bronze"};
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;
constexpr float kFullAlpha = 255.0f;
constexpr int kAlphaShift = 24;
constexpr float kMillisecondsPerSecond = 1000.0f;

}  // namespace

cCupCtrl::cCupCtrl(vrk::cWindow* window, const std::string& name) : vrk::cCtrl(window, name)
{
    if (cAppServices* app = GetAppServices()) {
        for (uint32_t medal = 0; medal < kMedalCount; ++medal) cups_[medal] = app->GetSpriteInfoEx(kCupSprites[medal]);
    }
    flags_ &= ~vrk::kCtrlShown;
}

void cCupCtrl::Draw()
{
    if (medal_ >= kMedalCount) return;
    const SpriteInfo& cup = cups_[medal_];
    if (!cup.texture || !cup.HasFrame(0)) return;
    cAppServices* app = GetAppServices();
    vrk::VertexBatch* batch = app != nullptr ? app->GetPrimitiveBatch() : nullptr;
    if (batch == nullptr) return;

    const float k = popTime_ / kPopSeconds;
    const vec2 size = cup.Size(0) * (k + 1.0f);
    const float centerX = rect_.x + rect_.width / 2.0f;
    const float centerY = rect_.y + rect_.height / 2.0f;
    const auto alpha = static_cast<uint32_t>(static_cast<int32_t>((1.0f - k) * kFullAlpha)) & 0xFFu;
    const FrameWindow window = cup.Window(0);
    vrk::cRender::AddQuad(*batch, cup.texture, window.u, window.v, window.width, window.height,
                          centerX - size.x / 2.0f, centerY - size.y / 2.0f, size.x, size.y,
                          (alpha << kAlphaShift) | kWhiteRgb);
}

int32_t cCupCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (code == vrk::kCtrlUpdate) {
        const float elapsed = static_cast<float>(static_cast<uint32_t>(first)) / kMillisecondsPerSecond;
        popTime_ = std::max(0.0f, popTime_ - elapsed);
    }
    return vrk::cCtrl::OnEvent(code, first, second);
}

void cCupCtrl::Move(float dx, float dy)
{
    rect_.x += dx;
    rect_.y += dy;
    Layout();
}

void cCupCtrl::SetRect(const vrk::GuiRect& rect, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cCupCtrl::SetFrame(const vrk::GuiRect& rect, float /*borderX*/, float /*borderY*/, int32_t /*mode*/)
{
    rect_ = rect;
    Layout();
}

void cCupCtrl::ShowMedal(uint32_t medal)
{
    medal_ = medal;
    popTime_ = kPopSeconds;
    Show(true);
}

void cCupCtrl::HideMedal()
{
    popTime_ = 0.0f;
    medal_ = kGold;
    Show(false);
}
