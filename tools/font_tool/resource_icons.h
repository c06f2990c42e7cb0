// The four resource icons the game's fonts carry in place of "½", "¼", "¾" and "‰":
// wood, food, money and mana, drawn as small coloured shapes.
#pragma once
#include <cstdint>

#include "glyph_atlas.h"

// The code points of the icons, in resource order.
constexpr uint32_t kResourceIconCodePoints[4] = {0x00BD, 0x00BC, 0x00BE, 0x2030};

// Draws icon `index` into the square of side `size` whose top-left corner is (left, top).
void DrawResourceIcon(GlyphAtlas& atlas, int index, int left, int top, int size);
