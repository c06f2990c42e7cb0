-- Sprites of the texture "map_scenery" (512 x 512). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("map_back0"), "map_scenery", {
  { u = 0, v = 0.5, cu = 1, cv = 0.5, dx = 256, dy = 128, w = 512, h = 256 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_back2"), "map_scenery", {
  { u = 0, v = 0.25, cu = 0.5, cv = 0.25, dx = 128, dy = 64, w = 256, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_cloud1"), "map_scenery", {
  { u = 0.5, v = 0.375, cu = 0.25, cv = 0.125, dx = 64, dy = 32, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_cloud2"), "map_scenery", {
  { u = 0.75, v = 0.375, cu = 0.25, cv = 0.125, dx = 64, dy = 32, w = 128, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_ship0"), "map_scenery", {
  { u = 0.5, v = 0.1875, cu = 0.1875, cv = 0.1875, dx = 48, dy = 48, w = 96, h = 96 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_ship1"), "map_scenery", {
  { u = 0.6875, v = 0.1875, cu = 0.1875, cv = 0.1875, dx = 48, dy = 48, w = 96, h = 96 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_tree0"), "map_scenery", {
  { u = 0.875, v = 0.1875, cu = 0.125, cv = 0.1875, dx = 32, dy = 0, w = 64, h = 96 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_octopus"), "map_scenery", {
  { u = 0, v = 0, cu = 0.25, cv = 0.25, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("map_tail"), "map_scenery", {
  { u = 0.25, v = 0.125, cu = 0.25, cv = 0.125, dx = 64, dy = 32, w = 128, h = 64 },
}, 0)
