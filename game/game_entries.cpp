// RegisterGameEntries: the game's screens and window functions by name.
#include "game/game_entries.h"

#include <memory>

#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "framework/app/game_registry.h"
#include "game/editor/freeze_wf.h"
#include "game/editor/name_wf.h"
#include "game/editor/object_wf.h"
#include "game/hints/train_wf.h"
#include "game/level/magic_widget.h"
#include "game/menus/achieve_wf.h"
#include "game/menus/escape_gd_wf.h"
#include "game/menus/main_gd_wf.h"
#include "game/menus/map_wf.h"
#include "game/menus/options_wf.h"
#include "game/menus/profile_add_wf.h"
#include "game/menus/profile_select_wf.h"
#include "game/screens/achieve_widget.h"
#include "game/screens/comics_widget.h"
#include "game/screens/map_widget.h"
#include "game/screens/menu_widget.h"
#include "game/windows/achieve_popup_wf.h"
#include "game/windows/finish_wf.h"
#include "game/windows/game_over_wf.h"
#include "game/windows/level_wf.h"
#include "game/windows/talk_wf.h"
#include "game/windows/task_popup_wf.h"

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
    registry.SetScreen("menu", []() -> vrk::cWidget* { return new cMenuWidget(); });
    registry.SetScreen("map", []() -> vrk::cWidget* { return new cMapWidget(); });
    registry.SetScreen("level", []() -> vrk::cWidget* {
        auto* screen = new cMagicWidget();
        screen->trainWindow = FindTrainWindow();
        return screen;
    });
    registry.SetScreen("achieve", []() -> vrk::cWidget* { return new cAchieveWidget(); });
    registry.SetScreen("comics", []() -> vrk::cWidget* { return new cComicsWidget(); });
    registry.SetWindowFunction("freeze", [] { return std::make_unique<cFreezeWF>(); });
    registry.SetWindowFunction("object", [] { return std::make_unique<cObjectWF>(); });
    registry.SetWindowFunction("name", [] { return std::make_unique<cNameWF>(); });
    // The level's own windows; "hint" keeps the plain dialog handler.
    registry.SetWindowFunction("level", [] { return std::make_unique<cLevelWF>(); });
    registry.SetWindowFunction("finish", [] { return std::make_unique<cFinishWF>(); });
    registry.SetWindowFunction("level_achieve", [] { return std::make_unique<cAchievePopupWF>(); });
    registry.SetWindowFunction("level_task", [] { return std::make_unique<cTaskPopupWF>(); });
    registry.SetWindowFunction("game_over", [] { return std::make_unique<cGameOverWF>(); });
    registry.SetWindowFunction("talk", [] { return std::make_unique<cTalkWF>(); });
    // The menus, the options and the profile windows.
    registry.SetWindowFunction("menu", [] { return std::make_unique<cMainGDWF>(); });
    registry.SetWindowFunction("options", [] { return std::make_unique<cOptionsWF>(); });
    registry.SetWindowFunction("map", [] { return std::make_unique<cMapWF>(); });
    registry.SetWindowFunction("profile_add", [] { return std::make_unique<cProfileAddWF>(); });
    registry.SetWindowFunction("profile_new", [] { return std::make_unique<cProfileAddWF>(); });
    registry.SetWindowFunction("profile_select", [] { return std::make_unique<cProfileSelectWF>(); });
    registry.SetWindowFunction("escape", [] { return std::make_unique<cEscapeGDWF>(); });
    registry.SetWindowFunction("achieve", [] { return std::make_unique<cAchieveWF>(); });
}
