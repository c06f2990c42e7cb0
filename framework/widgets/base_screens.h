// Start-up creation of the four scene screens the framework provides as they are:
// the main menu, the level map, the achievements and the comics.
#pragma once
#include <string>

namespace vrk {
class cWidget;
}

// The names of the four screens, in the order RegisterBaseScreens makes them.
inline constexpr const char* kBaseScreenNames[] = {"menu", "map", "achieve", "comics"};

// Makes the base screen of that name (one of kBaseScreenNames); null for any other
// name. The engine core owns the screen from its construction on.
vrk::cWidget* CreateBaseScreen(const std::string& name);

// Creates the screens "menu", "map", "achieve" and "comics"; the engine core owns
// them from then on. Call once, after the object types are registered.
void RegisterBaseScreens();
