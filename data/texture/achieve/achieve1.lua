-- Sprites of the texture "achieve1" (1024 x 512). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("achieve_wall"), "achieve1", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 0, dy = 0, w = 1024, h = 512 },
}, 0)
