// The level map window's buttons and shortcuts.
#include "game/menus/map_wf.h"

#include "engine/gui/window.h"
#include "framework/app/garden.h"
#include "framework/app/player_base.h"
#include "game/menus/menu_dialogs.h"

namespace {

constexpr const char* kScreen = "map";
// The first chapter's comic pages lead on to the level screen.
constexpr const char* kFirstComics = "comics0";

}  // namespace

void cMapWF::Play()
{
    cGarden* garden = GetGarden();
    const cPlayerBase* player = garden != nullptr ? garden->GetActivePlayer() : nullptr;
    if (player == nullptr) return;
    garden->ShowComics(player->currentLevel != 0 ? "level" : kFirstComics, kScreen);
}

int32_t cMapWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (IsClosingOrFailed()) return cBaseWF::OnEvent(window, code, first, second);
    switch (code) {
    case vrk::kWndClicked:
        if (menus::IsControl(window, second, "play")) {
            Play();
        } else if (menus::IsControl(window, second, "back")) {
            if (cGarden* garden = GetGarden()) garden->ShowComics("menu", kScreen);
        }
        return menus::kConsumed;
    case vrk::kWndKeyDown:
        if (first == menus::kKeyEnter || first == menus::kKeySpace) {
            PostClick(window, "play");
            return menus::kConsumed;
        }
        if (first == menus::kKeyEscape) {
            PostClick(window, "back");
            return menus::kConsumed;
        }
        break;
    default:
        break;
    }
    return cBaseWF::OnEvent(window, code, first, second);
}
