-- Sprites of the texture "menu_clouds" (512 x 128). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("menu_clouds"), "menu_clouds", {
  { u = 0, v = 0, cu = 1, cv = 1, dx = 256, dy = 64, w = 512, h = 128 },
}, 0)
