-- Sprites of the texture "decor" (1024 x 1024). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("pad00_1x1"), "decor", {
  { u = 0, v = 0.84375, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad00_2x2"), "decor", {
  { u = 0.25, v = 0.84375, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad00_3x2"), "decor", {
  { u = 0.5, v = 0.84375, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad00_3x3"), "decor", {
  { u = 0.75, v = 0.84375, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad01_1x1"), "decor", {
  { u = 0, v = 0.6875, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad01_2x2"), "decor", {
  { u = 0.25, v = 0.6875, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad01_3x2"), "decor", {
  { u = 0.5, v = 0.6875, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad01_3x3"), "decor", {
  { u = 0.75, v = 0.6875, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad02_1x1"), "decor", {
  { u = 0, v = 0.53125, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad02_2x2"), "decor", {
  { u = 0.25, v = 0.53125, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad02_3x2"), "decor", {
  { u = 0.5, v = 0.53125, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("pad02_3x3"), "decor", {
  { u = 0.75, v = 0.53125, cu = 0.25, cv = 0.15625, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("water00"), "decor", {
  { u = 0, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
  { u = 0.125, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
  { u = 0.25, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
  { u = 0.375, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
}, 6)

addTextureInfoExNodes(createTextureInfoEx("water01"), "decor", {
  { u = 0.5, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
  { u = 0.625, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
  { u = 0.75, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
  { u = 0.875, v = 0.46875, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
}, 6)

addTextureInfoExNodes(createTextureInfoEx("effect_lava_base"), "decor", {
  { u = 0, v = 0.34375, cu = 0.125, cv = 0.125, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("effect_lava_add"), "decor", {
  { u = 0.125, v = 0.34375, cu = 0.125, cv = 0.125, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tower_advisor_pad"), "decor", {
  { u = 0.25, v = 0.40625, cu = 0.125, cv = 0.0625, dx = 64, dy = 32, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("source_water"), "decor", {
  { u = 0.375, v = 0.40625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 16, w = 64, h = 64 },
  { u = 0.4375, v = 0.40625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 16, w = 64, h = 64 },
  { u = 0.5, v = 0.40625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 16, w = 64, h = 64 },
  { u = 0.5625, v = 0.40625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 16, w = 64, h = 64 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("butterfly"), "decor", {
  { u = 0.625, v = 0.4375, cu = 0.03125, cv = 0.03125, dx = 16, dy = 16, w = 32, h = 32 },
  { u = 0.65625, v = 0.4375, cu = 0.03125, cv = 0.03125, dx = 16, dy = 16, w = 32, h = 32 },
  { u = 0.6875, v = 0.4375, cu = 0.03125, cv = 0.03125, dx = 16, dy = 16, w = 32, h = 32 },
  { u = 0.71875, v = 0.4375, cu = 0.03125, cv = 0.03125, dx = 16, dy = 16, w = 32, h = 32 },
}, 12)
