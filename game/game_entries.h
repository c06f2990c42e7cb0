// RegisterGameEntries: the game's own screens and window functions, put into the
// application's registry before it builds them.
#pragma once

class GameRegistry;

// Replaces the framework's stand-ins with the game's entries ("level" becomes the
// game's level screen).
void RegisterGameEntries(GameRegistry& registry);
