-- Sprites of the texture "menu_scenery" (1024 x 1024). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("menu_back0"), "menu_scenery", {
  { u = 0, v = 0.75, cu = 0.5, cv = 0.25, dx = 256, dy = 128, w = 512, h = 256 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_back2"), "menu_scenery", {
  { u = 0.5, v = 0.75, cu = 0.5, cv = 0.25, dx = 256, dy = 128, w = 512, h = 256 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_moon"), "menu_scenery", {
  { u = 0, v = 0.625, cu = 0.125, cv = 0.125, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_stone0"), "menu_scenery", {
  { u = 0.125, v = 0.625, cu = 0.125, cv = 0.125, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_castle"), "menu_scenery", {
  { u = 0.25, v = 0.5, cu = 0.25, cv = 0.25, dx = 128, dy = 128, w = 256, h = 256 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_light0"), "menu_scenery", {
  { u = 0.5, v = 0.625, cu = 0.125, cv = 0.125, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_flag"), "menu_scenery", {
  { u = 0.625, v = 0.6875, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.6875, v = 0.6875, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.75, v = 0.6875, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.8125, v = 0.6875, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("menu_eye0"), "menu_scenery", {
  { u = 0.625, v = 0.625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.6875, v = 0.625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.75, v = 0.625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.8125, v = 0.625, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("menu_people"), "menu_scenery", {
  { u = 0, v = 0.375, cu = 0.25, cv = 0.125, dx = 128, dy = 64, w = 256, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_feather"), "menu_scenery", {
  { u = 0.25, v = 0.375, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_hand0"), "menu_scenery", {
  { u = 0.3125, v = 0.375, cu = 0.125, cv = 0.125, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_mushroom0"), "menu_scenery", {
  { u = 0.4375, v = 0.4375, cu = 0.0625, cv = 0.0625, dx = 32, dy = 0, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_mushroom1"), "menu_scenery", {
  { u = 0.5, v = 0.4375, cu = 0.0625, cv = 0.0625, dx = 32, dy = 0, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_mushroom2"), "menu_scenery", {
  { u = 0.5625, v = 0.4375, cu = 0.0625, cv = 0.0625, dx = 32, dy = 0, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_bat0"), "menu_scenery", {
  { u = 0.625, v = 0.4375, cu = 0.0625, cv = 0.0625, dx = 32, dy = 64, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_bat1"), "menu_scenery", {
  { u = 0.6875, v = 0.4375, cu = 0.0625, cv = 0.0625, dx = 32, dy = 64, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_bat2"), "menu_scenery", {
  { u = 0.75, v = 0.4375, cu = 0.0625, cv = 0.0625, dx = 32, dy = 64, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_tree0"), "menu_scenery", {
  { u = 0, v = 0.25, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_tree1"), "menu_scenery", {
  { u = 0.0625, v = 0.25, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_tree2"), "menu_scenery", {
  { u = 0.125, v = 0.25, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_tree3"), "menu_scenery", {
  { u = 0.1875, v = 0.25, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_tree4"), "menu_scenery", {
  { u = 0.25, v = 0.25, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("menu_flower0"), "menu_scenery", {
  { u = 0.3125, v = 0.25, cu = 0.0625, cv = 0.125, dx = 32, dy = 0, w = 64, h = 128 },
}, 0)
