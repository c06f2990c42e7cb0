-- Sprites of the texture "map_atlas" (256 x 256). Made by tools/art_tool; edit its manifest.

-- open level: a green point that breathes
addTextureInfoExNodes(createTextureInfoEx("map_ready"), "map_atlas", {
  { u = 0, v = 0.8125, cu = 0.1875, cv = 0.1875, dx = 24, dy = 24, w = 48, h = 48 },
  { u = 0.1875, v = 0.8125, cu = 0.1875, cv = 0.1875, dx = 24, dy = 24, w = 48, h = 48 },
}, 2)

addTextureInfoExNodes(createTextureInfoEx("map_bronze"), "map_atlas", {
  { u = 0.375, v = 0.8125, cu = 0.1875, cv = 0.1875, dx = 24, dy = 24, w = 48, h = 48 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_silver"), "map_atlas", {
  { u = 0.5625, v = 0.8125, cu = 0.1875, cv = 0.1875, dx = 24, dy = 24, w = 48, h = 48 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_gold"), "map_atlas", {
  { u = 0.75, v = 0.8125, cu = 0.1875, cv = 0.1875, dx = 24, dy = 24, w = 48, h = 48 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_selection"), "map_atlas", {
  { u = 0, v = 0.5625, cu = 0.25, cv = 0.25, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.25, v = 0.5625, cu = 0.25, cv = 0.25, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.5, v = 0.5625, cu = 0.25, cv = 0.25, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.75, v = 0.5625, cu = 0.25, cv = 0.25, dx = 32, dy = 32, w = 64, h = 64 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("map_shadow"), "map_atlas", {
  { u = 0, v = 0.4375, cu = 0.25, cv = 0.125, dx = 32, dy = 16, w = 64, h = 32 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_pt"), "map_atlas", {
  { u = 0.25, v = 0.5, cu = 0.0625, cv = 0.0625, dx = 8, dy = 8, w = 16, h = 16 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_cloud0"), "map_atlas", {
  { u = 0, v = 0.125, cu = 0.5, cv = 0.25, dx = 64, dy = 32, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("magic_cloud"), "map_atlas", {
  { u = 0.5, v = 0.125, cu = 0.5, cv = 0.25, dx = 64, dy = 32, w = 128, h = 64 },
}, 0)
