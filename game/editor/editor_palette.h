// The level editor's palette on the level screen: the top menu, the level tools and
// the seven object categories, one table per menu. Each item is what the toolbar
// "second" shows (icon and icon frame) and what a click on it sends (value and
// name): value 0 opens a menu or runs a level command, any other value is the type
// id (3 nodes, 11 the area tool) that the next click in the scene creates, with the
// name as its sprite set-up.
#pragma once
#include <cstdint>
#include <span>
#include <string>

struct PaletteItem {
    const char* icon;
    int32_t frame;
    int32_t value;
    const char* name;
};

// Menu names, as the palette's value-0 items send them.
namespace palette_menu {
constexpr const char* kTop = "second";
constexpr const char* kLevel = "level";
}  // namespace palette_menu

// The items of the menu that an event of that name opens: the top menu, the level
// tools or a category; empty for any other name.
std::span<const PaletteItem> FindPaletteMenu(const std::string& name);
// True for the seven object categories ("res", "build", ... "effects").
bool IsPaletteCategory(const std::string& name);
