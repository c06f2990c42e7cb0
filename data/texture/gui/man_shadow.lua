-- Sprites of the texture "man_shadow" (64 x 32). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("man_shadow"), "man_shadow", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 32, dy = 16, w = 64, h = 32 },
}, 0)
