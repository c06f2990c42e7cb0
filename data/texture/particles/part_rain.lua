-- Sprites of the texture "part_rain" (16 x 64). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("part_rain"), "part_rain", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 8, dy = 32, w = 16, h = 64 },
}, 0)
