-- Sprites of the texture "sources" (1024 x 512). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("tree00_0"), "sources", {
  { u = 0, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree00_1"), "sources", {
  { u = 0.125, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree00_2"), "sources", {
  { u = 0.25, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree00_3"), "sources", {
  { u = 0.375, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree01_0"), "sources", {
  { u = 0.5, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree01_1"), "sources", {
  { u = 0.625, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree01_2"), "sources", {
  { u = 0.75, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("stump00"), "sources", {
  { u = 0.875, v = 0.71875, cu = 0.125, cv = 0.28125, dx = 64, dy = 12, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree00_sh"), "sources", {
  { u = 0, v = 0.59375, cu = 0.125, cv = 0.125, dx = 40, dy = 30, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tree01_sh"), "sources", {
  { u = 0.125, v = 0.59375, cu = 0.125, cv = 0.125, dx = 40, dy = 30, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("nugget00_sh"), "sources", {
  { u = 0.25, v = 0.625, cu = 0.09375, cv = 0.09375, dx = 44, dy = 26, w = 96, h = 48 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("well00_sh"), "sources", {
  { u = 0.34375, v = 0.59375, cu = 0.125, cv = 0.125, dx = 52, dy = 34, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("well00"), "sources", {
  { u = 0.46875, v = 0.5, cu = 0.09375, cv = 0.21875, dx = 48, dy = 28, w = 96, h = 112 },
}, 0)

-- frame i: 5 - i portions left
addTextureInfoExNodes(createTextureInfoEx("nugget00"), "sources", {
  { u = 0, v = 0.375, cu = 0.078125, cv = 0.125, dx = 40, dy = 16, w = 80, h = 64 },
  { u = 0.078125, v = 0.375, cu = 0.078125, cv = 0.125, dx = 40, dy = 16, w = 80, h = 64 },
  { u = 0.15625, v = 0.375, cu = 0.078125, cv = 0.125, dx = 40, dy = 16, w = 80, h = 64 },
  { u = 0.234375, v = 0.375, cu = 0.078125, cv = 0.125, dx = 40, dy = 16, w = 80, h = 64 },
  { u = 0.3125, v = 0.375, cu = 0.078125, cv = 0.125, dx = 40, dy = 16, w = 80, h = 64 },
  { u = 0.390625, v = 0.375, cu = 0.078125, cv = 0.125, dx = 40, dy = 16, w = 80, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("well00_water"), "sources", {
  { u = 0.46875, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.53125, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.59375, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.65625, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.71875, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.78125, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.84375, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
  { u = 0.90625, v = 0.40625, cu = 0.0625, cv = 0.09375, dx = 32, dy = 2, w = 64, h = 48 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("well00_effect"), "sources", {
  { u = 0, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.09375, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.1875, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.28125, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.375, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.46875, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.5625, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
  { u = 0.65625, v = 0.15625, cu = 0.09375, cv = 0.21875, dx = 48, dy = 8, w = 96, h = 112 },
}, 10)
