// DrawScreenGround: one colour over the whole virtual screen, laid under a screen's
// scene where the scene's pictures leave parts of the screen uncovered.
#pragma once
#include <cstdint>

class cBaseWidget;

// Fills the virtual screen with the opaque ARGB colour through the screen's primitive
// batch, then restores the vertex format and viewport that the scene's drawing
// expects. Does nothing without a renderer or a batch.
void DrawScreenGround(cBaseWidget& screen, uint32_t color);
