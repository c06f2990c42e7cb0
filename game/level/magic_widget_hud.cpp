// cMagicWidget: where the HUD window and the tutorial hint's window lie over the
// level, for the pop-ups that must not be drawn under them.
#include <vector>

#include "engine/gui/ctrl.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "game/level/magic_widget.h"

namespace {

constexpr const char* kHudWindow = "level";
// The hint points at the very object whose pop-up the player reads while doing what
// the hint asks: the pop-up must stand beside it, not under it.
constexpr const char* kHintWindow = "train";

// The shown controls of the window while it is open (fading in or out included):
// whatever is shown covers the scene.
void AddShownControls(const vrk::cGUI& gui, const char* name, std::vector<Rect>& rects)
{
    if (!gui.IsWindowOpen(name)) return;
    const vrk::cWindow* window = gui.FindWindow(name);
    if (window == nullptr) return;
    for (int32_t index = 0; index < window->GetCtrlCount(); ++index) {
        const vrk::cCtrl* control = window->GetCtrl(index);
        if (control == nullptr || !control->HasFlag(vrk::kCtrlShown)) continue;
        const vrk::GuiRect rect = vrk::NormalisedRect(control->GetRect());
        if (rect.width <= 0.0f || rect.height <= 0.0f) continue;
        rects.push_back(Rect{rect.x, rect.y, rect.width, rect.height});
    }
}

}  // namespace

std::vector<Rect> cMagicWidget::GetHudRects() const
{
    std::vector<Rect> rects;
    const vrk::cGame* game = vrk::GetGame();
    if (game == nullptr || !game->gui) return rects;
    // The HUD's rows show and hide with the level's tasks.
    AddShownControls(*game->gui, kHudWindow, rects);
    AddShownControls(*game->gui, kHintWindow, rects);
    return rects;
}
