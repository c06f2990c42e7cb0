-- Sprites of the texture "fields" (1024 x 256). Made by tools/art_tool; edit its manifest.

-- wheat: frame 0 sown, 4 ripe
addTextureInfoExNodes(createTextureInfoEx("field00"), "fields", {
  { u = 0, v = 0.5, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.171875, v = 0.5, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.34375, v = 0.5, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.515625, v = 0.5, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.6875, v = 0.5, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
}, 0)

-- tomatoes: frame 0 sown, 4 ripe
addTextureInfoExNodes(createTextureInfoEx("field01"), "fields", {
  { u = 0, v = 0, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.171875, v = 0, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.34375, v = 0, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.515625, v = 0, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
  { u = 0.6875, v = 0, cu = 0.171875, cv = 0.5, dx = 88, dy = 50, w = 176, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("food"), "fields", {
  { u = 0.859375, v = 0.75, cu = 0.0625, cv = 0.25, dx = 32, dy = 12, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("wood"), "fields", {
  { u = 0.921875, v = 0.75, cu = 0.0625, cv = 0.25, dx = 32, dy = 12, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("money"), "fields", {
  { u = 0.859375, v = 0.5, cu = 0.0625, cv = 0.25, dx = 32, dy = 12, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("mana"), "fields", {
  { u = 0.921875, v = 0.5, cu = 0.0625, cv = 0.25, dx = 32, dy = 12, w = 64, h = 64 },
}, 0)
