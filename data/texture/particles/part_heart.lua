-- Sprites of the texture "part_heart" (32 x 32). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("part_heart"), "part_heart", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 16, dy = 16, w = 32, h = 32 },
}, 0)
