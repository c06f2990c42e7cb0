-- Sprites of the texture "spin" (64 x 64). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("spin"), "spin", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 32, dy = 32, w = 64, h = 64 },
}, 0)
