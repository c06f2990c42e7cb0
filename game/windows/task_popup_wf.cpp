// The task tooltip's handler: its drawing, tinted by the fade alone.
#include "game/windows/task_popup_wf.h"

#include "engine/gui/gui_events.h"
#include "engine/render/render.h"

namespace {

constexpr float kOpaque = 1.0f;
constexpr float kFullAlpha = 255.0f;
constexpr int kAlphaShift = 24;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;

}  // namespace

int32_t cTaskPopupWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (code != vrk::kWndDraw) return cBaseWF::OnEvent(window, code, first, second);
    vrk::cRender* render = vrk::GetRender();
    const bool fading = GetOpacity() < kOpaque && render != nullptr;
    if (fading) {
        const auto alpha = static_cast<uint32_t>(static_cast<int32_t>(GetOpacity() * kFullAlpha));
        render->SetTextureFactor((alpha << kAlphaShift) | kWhiteRgb);
    }
    vrk::cWindowFunction::OnEvent(window, code, first, second);
    if (fading) render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    return 0;
}
