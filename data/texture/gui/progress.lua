-- Sprites of the texture "progress" (64 x 32). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("progress"), "progress", {
  { u = 0, v = 0.5, cu = 1, cv = 0.5, dx = 0, dy = 0, w = 64, h = 16 },
  { u = 0, v = 0, cu = 1, cv = 0.5, dx = 0, dy = 0, w = 64, h = 16 },
}, 0)
