// The task tooltip's handler: its drawing, tinted by the fade alone.
#include "game/windows/task_popup_wf.h"

#include "engine/gui/gui_events.h"
#include "engine/render/render.h"
#include "framework/widgets/window_fade.h"

namespace {

constexpr float kOpaque = 1.0f;

}  // namespace

int32_t cTaskPopupWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (code != vrk::kWndDraw) return cBaseWF::OnEvent(window, code, first, second);
    vrk::cRender* render = vrk::GetRender();
    const bool fading = GetOpacity() < kOpaque && render != nullptr;
    if (fading) render->SetTextureFactor(cWindowFade::TintAt(GetOpacity()));
    vrk::cWindowFunction::OnEvent(window, code, first, second);
    if (fading) render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    return 0;
}
