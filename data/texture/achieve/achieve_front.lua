-- Sprites of the texture "achieve_front" (1024 x 1024). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("achieve_front"), "achieve_front", {
  { u = 0, v = 0.25, cu = 1, cv = 0.75, dx = 0, dy = 0, w = 1024, h = 768 },
}, 0)
