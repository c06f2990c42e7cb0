-- Sprites of the texture "loading_base" (512 x 512). Made by tools/art_tool; edit its manifest.

-- the picture is the top 512 x 384 of the texture
addTextureInfoExNodes(createTextureInfoEx("loading_base"), "loading_base", {
  { u = 0, v = 0.25, cu = 1, cv = 0.75, dx = 256, dy = 192, w = 512, h = 384 },
}, 0)
