-- Sprites of the texture "comics_pages0" (1024 x 1024). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("comics_frm0"), "comics_pages0", {
  { u = 0, v = 0.6875, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm1"), "comics_pages0", {
  { u = 0.46875, v = 0.6875, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm2"), "comics_pages0", {
  { u = 0, v = 0.375, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm3"), "comics_pages0", {
  { u = 0.46875, v = 0.375, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm4"), "comics_pages0", {
  { u = 0, v = 0.0625, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("comics_frm5"), "comics_pages0", {
  { u = 0.46875, v = 0.0625, cu = 0.46875, cv = 0.3125, dx = 240, dy = 160, w = 480, h = 320 },
}, 0)
