-- Sprites of the texture "effect_fire" (128 x 128). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("effect_fire"), "effect_fire", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)
