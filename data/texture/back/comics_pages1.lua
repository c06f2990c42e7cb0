-- Sprites of the texture "comics_pages1" (1024 x 1024). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("comics_frm6"), "comics_pages1", {
  { u = 0, v = 0.6875, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm7"), "comics_pages1", {
  { u = 0.46875, v = 0.6875, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm8"), "comics_pages1", {
  { u = 0, v = 0.375, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm9"), "comics_pages1", {
  { u = 0.46875, v = 0.375, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm10"), "comics_pages1", {
  { u = 0, v = 0.0625, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm11"), "comics_pages1", {
  { u = 0.46875, v = 0.0625, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)
