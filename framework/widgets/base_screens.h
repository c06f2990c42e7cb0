// Start-up creation of the four scene screens the framework provides as they are:
// the main menu, the level map, the achievements and the comics.
#pragma once

// Creates the screens "menu", "map", "achieve" and "comics"; the engine core owns
// them from then on. Call once, after the object types are registered.
void RegisterBaseScreens();
