// ScreenPaletteItem and FillScreenPalette: the editor palettes of the menu and map
// screens, tables of scenery that the toolbar "second" offers.
#pragma once
#include <cstdint>
#include <span>

class cBaseWidget;

// What a palette item sends when clicked (type id and descriptor) and the sprite its
// button shows.
struct ScreenPaletteItem {
    int32_t type;
    const char* descriptor;
    const char* icon;
};

// Replaces the screen's editor palette with the items, in order.
void FillScreenPalette(cBaseWidget& screen, std::span<const ScreenPaletteItem> items);
