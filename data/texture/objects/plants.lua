-- Sprites of the texture "plants" (1024 x 1024). Made by tools/art_tool; edit its manifest.

-- building: foundation to finished
addTextureInfoExNodes(createTextureInfoEx("mill00"), "plants", {
  { u = 0, v = 0.835938, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.835938, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.835938, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.835938, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.625, v = 0.835938, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("mill00_sh"), "plants", {
  { u = 0.78125, v = 0.835938, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- first upgrade: a second storey
addTextureInfoExNodes(createTextureInfoEx("mill00_up1"), "plants", {
  { u = 0, v = 0.671875, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.671875, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.671875, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.671875, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- second upgrade: a turret
addTextureInfoExNodes(createTextureInfoEx("mill00_up2"), "plants", {
  { u = 0, v = 0.507812, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.507812, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.507812, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.507812, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- looped while workers sit inside
addTextureInfoExNodes(createTextureInfoEx("mill00_fan"), "plants", {
  { u = 0.625, v = 0.703125, cu = 0.09375, cv = 0.132812, dx = 48, dy = 4, w = 96, h = 136 },
  { u = 0.71875, v = 0.703125, cu = 0.09375, cv = 0.132812, dx = 48, dy = 4, w = 96, h = 136 },
  { u = 0.8125, v = 0.703125, cu = 0.09375, cv = 0.132812, dx = 48, dy = 4, w = 96, h = 136 },
  { u = 0.90625, v = 0.703125, cu = 0.09375, cv = 0.132812, dx = 48, dy = 4, w = 96, h = 136 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("zone2x2"), "plants", {
  { u = 0.625, v = 0.507812, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- under each seat's head
addTextureInfoExNodes(createTextureInfoEx("icon_head_circle"), "plants", {
  { u = 0.78125, v = 0.648438, cu = 0.0234375, cv = 0.0234375, dx = 12, dy = 12, w = 24, h = 24 },
}, 0)

-- building: foundation to finished
addTextureInfoExNodes(createTextureInfoEx("sawmill00"), "plants", {
  { u = 0, v = 0.34375, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.34375, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.34375, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.34375, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.625, v = 0.34375, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("sawmill00_sh"), "plants", {
  { u = 0.78125, v = 0.34375, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- first upgrade: a second storey
addTextureInfoExNodes(createTextureInfoEx("sawmill00_up1"), "plants", {
  { u = 0, v = 0.179688, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.179688, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.179688, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.179688, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)

-- second upgrade: a turret
addTextureInfoExNodes(createTextureInfoEx("sawmill00_up2"), "plants", {
  { u = 0, v = 0.015625, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.15625, v = 0.015625, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.3125, v = 0.015625, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
  { u = 0.46875, v = 0.015625, cu = 0.15625, cv = 0.164062, dx = 80, dy = 48, w = 160, h = 168 },
}, 0)
