// RegisterGameEntries: the game's screens and window functions by name.
#include "game/game_entries.h"

#include "framework/app/game_registry.h"
#include "game/level/magic_widget.h"
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
}
