// cMagicWidget: where the HUD window lies over the level, for the pop-ups that must
// not be drawn under it.
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "game/level/magic_widget.h"

namespace {
constexpr const char* kHudWindow = "level";
}  // namespace

std::vector<Rect> cMagicWidget::GetHudRects() const
{
    std::vector<Rect> rects;
    const vrk::cGame* game = vrk::GetGame();
    if (game == nullptr || !game->gui || !game->gui->IsWindowOpen(kHudWindow)) return rects;
    const vrk::cWindow* hud = game->gui->FindWindow(kHudWindow);
    if (hud == nullptr) return rects;
    // The HUD's rows show and hide with the level's tasks; whatever is shown covers
    // the scene.
    for (int32_t index = 0; index < hud->GetCtrlCount(); ++index) {
        const vrk::cCtrl* control = hud->GetCtrl(index);
        if (control == nullptr || !control->HasFlag(vrk::kCtrlShown)) continue;
        const vrk::GuiRect rect = vrk::NormalisedRect(control->GetRect());
        if (rect.width <= 0.0f || rect.height <= 0.0f) continue;
        rects.push_back(Rect{rect.x, rect.y, rect.width, rect.height});
    }
    return rects;
}
