// RegisterGameEntries: the game's screens and window functions by name.
#include "game/game_entries.h"

#include <memory>

#include "framework/app/game_registry.h"
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

void RegisterGameEntries(GameRegistry& registry)
{
    // Construction hands the screen to the engine core; the application gives it
    // the hint style when it builds its screens.
    registry.SetScreen("menu", []() -> vrk::cWidget* { return new cMenuWidget(); });
    registry.SetScreen("map", []() -> vrk::cWidget* { return new cMapWidget(); });
    registry.SetScreen("level", []() -> vrk::cWidget* { return new cMagicWidget(); });
    registry.SetScreen("achieve", []() -> vrk::cWidget* { return new cAchieveWidget(); });
    registry.SetScreen("comics", []() -> vrk::cWidget* { return new cComicsWidget(); });

    registry.SetWindowFunction("menu", [] { return std::make_unique<cMainGDWF>(); });
    registry.SetWindowFunction("options", [] { return std::make_unique<cOptionsWF>(); });
    registry.SetWindowFunction("map", [] { return std::make_unique<cMapWF>(); });
    registry.SetWindowFunction("profile_add", [] { return std::make_unique<cProfileAddWF>(); });
    registry.SetWindowFunction("profile_new", [] { return std::make_unique<cProfileAddWF>(); });
    registry.SetWindowFunction("profile_select", [] { return std::make_unique<cProfileSelectWF>(); });
    registry.SetWindowFunction("escape", [] { return std::make_unique<cEscapeGDWF>(); });
    registry.SetWindowFunction("achieve", [] { return std::make_unique<cAchieveWF>(); });
}
