-- Sprites of the texture "train_arrow" (256 x 64). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("train_arrow"), "train_arrow", {
  { u = 0, v = 0, cu = 0.25, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.25, v = 0, cu = 0.25, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.5, v = 0, cu = 0.25, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.75, v = 0, cu = 0.25, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
}, 8)
