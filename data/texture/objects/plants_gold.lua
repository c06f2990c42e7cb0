-- Sprites of the texture "plants_gold" (1024 x 512). Made by tools/art_tool; edit its manifest.

-- building: foundation to finished
addTextureInfoExNodes(createTextureInfoEx("goldmill00"), "plants_gold", {
  { u = 0, v = 0.671875, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.671875, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.671875, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.671875, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.625, v = 0.671875, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("goldmill00_sh"), "plants_gold", {
  { u = 0.78125, v = 0.671875, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- first upgrade: a second storey
addTextureInfoExNodes(createTextureInfoEx("goldmill00_up1"), "plants_gold", {
  { u = 0, v = 0.34375, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.34375, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.34375, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.34375, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- second upgrade: a turret
addTextureInfoExNodes(createTextureInfoEx("goldmill00_up2"), "plants_gold", {
  { u = 0, v = 0.015625, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.015625, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.015625, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.015625, cu = 0.15625, cv = 0.328125, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- the yard, drawn under the gold mill
addTextureInfoExNodes(createTextureInfoEx("goldmill00_seat"), "plants_gold", {
  { u = 0.625, v = 0.3125, cu = 0.21875, cv = 0.359375, dx = 112, dy = 62, w = 224, h = 184 },
}, 0)
