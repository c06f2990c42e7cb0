// RegisterGameEntries: the game's screens and window functions by name.
#include "game/game_entries.h"

#include "framework/app/game_registry.h"
#include "game/level/magic_widget.h"

void RegisterGameEntries(GameRegistry& registry)
{
    // Construction hands the screen to the engine core; the application gives it
    // the hint style when it builds its screens.
    registry.SetScreen("level", []() -> vrk::cWidget* { return new cMagicWidget(); });
}
