-- Sprites of the texture "specials_big" (1024 x 1024). Made by tools/art_tool; edit its manifest.

-- paid share, frame by frame
addTextureInfoExNodes(createTextureInfoEx("castle_ice"), "specials_big", {
  { u = 0, v = 0.773438, cu = 0.28125, cv = 0.226562, dx = 144, dy = 80, w = 288, h = 232 },
  { u = 0.28125, v = 0.773438, cu = 0.28125, cv = 0.226562, dx = 144, dy = 80, w = 288, h = 232 },
  { u = 0.5625, v = 0.773438, cu = 0.28125, cv = 0.226562, dx = 144, dy = 80, w = 288, h = 232 },
  { u = 0, v = 0.546875, cu = 0.28125, cv = 0.226562, dx = 144, dy = 80, w = 288, h = 232 },
  { u = 0.28125, v = 0.546875, cu = 0.28125, cv = 0.226562, dx = 144, dy = 80, w = 288, h = 232 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("castle_ice_sh"), "specials_big", {
  { u = 0.5625, v = 0.546875, cu = 0.28125, cv = 0.226562, dx = 144, dy = 80, w = 288, h = 232 },
}, 0)

-- paid share, frame by frame: scattered stones to a shining basin
addTextureInfoExNodes(createTextureInfoEx("source_life_water"), "specials_big", {
  { u = 0, v = 0.34375, cu = 0.296875, cv = 0.203125, dx = 152, dy = 88, w = 304, h = 208 },
  { u = 0.296875, v = 0.34375, cu = 0.296875, cv = 0.203125, dx = 152, dy = 88, w = 304, h = 208 },
  { u = 0.59375, v = 0.34375, cu = 0.296875, cv = 0.203125, dx = 152, dy = 88, w = 304, h = 208 },
  { u = 0, v = 0.140625, cu = 0.296875, cv = 0.203125, dx = 152, dy = 88, w = 304, h = 208 },
  { u = 0.296875, v = 0.140625, cu = 0.296875, cv = 0.203125, dx = 152, dy = 88, w = 304, h = 208 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("source_life_water_sh"), "specials_big", {
  { u = 0.59375, v = 0.140625, cu = 0.296875, cv = 0.203125, dx = 152, dy = 88, w = 304, h = 208 },
}, 0)
