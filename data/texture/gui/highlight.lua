-- Sprites of the texture "highlight" (128 x 64). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("highlight"), "highlight", {
  { u = 0, v = 0, cu = 0.5, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.5, v = 0, cu = 0.5, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
}, 0)
