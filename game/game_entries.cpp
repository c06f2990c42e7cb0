// RegisterGameEntries: the game's screens and window functions by name.
#include "game/game_entries.h"

#include <memory>

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "framework/app/game_registry.h"
#include "game/hints/train_wf.h"
#include "game/level/magic_widget.h"

namespace {

// The hint window's handler. Windows are made before screens, so the level screen
// finds it when it is built; null (no hints) without that window.
cTrainWF* FindTrainWindow()
{
    vrk::cGame* game = vrk::GetGame();
    vrk::cWindow* window = game != nullptr && game->gui != nullptr ? game->gui->FindWindow("train") : nullptr;
    return window != nullptr ? dynamic_cast<cTrainWF*>(window->GetFunction()) : nullptr;
}

}  // namespace

void RegisterGameEntries(GameRegistry& registry)
{
    registry.SetWindowFunction("train", [] { return std::make_unique<cTrainWF>(); });
    // Construction hands the screen to the engine core; the application gives it
    // the hint style when it builds its screens.
    registry.SetScreen("level", []() -> vrk::cWidget* {
        auto* screen = new cMagicWidget();
        screen->trainWindow = FindTrainWindow();
        return screen;
    });
}
