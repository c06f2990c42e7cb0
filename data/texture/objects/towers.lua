-- Sprites of the texture "towers" (1024 x 1024). Made by tools/art_tool; edit its manifest.

-- building: foundation to finished tower
addTextureInfoExNodes(createTextureInfoEx("tower00"), "towers", {
  { u = 0, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.125, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.25, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.375, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
}, 0)

-- first upgrade: a storey and a bigger gun
addTextureInfoExNodes(createTextureInfoEx("tower00_up1"), "towers", {
  { u = 0.5, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.625, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.75, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.875, v = 0.796875, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
}, 0)

-- second upgrade: brass top and a second gun
addTextureInfoExNodes(createTextureInfoEx("tower00_up2"), "towers", {
  { u = 0, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.125, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.25, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.375, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
}, 0)

-- the empty one-cell site
addTextureInfoExNodes(createTextureInfoEx("zone1x1"), "towers", {
  { u = 0.5, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.625, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.75, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.875, v = 0.59375, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tower_enemy00"), "towers", {
  { u = 0, v = 0.390625, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.125, v = 0.390625, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.25, v = 0.390625, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
  { u = 0.375, v = 0.390625, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
}, 6)

addTextureInfoExNodes(createTextureInfoEx("tower00_sh"), "towers", {
  { u = 0.5, v = 0.390625, cu = 0.125, cv = 0.203125, dx = 64, dy = 32, w = 128, h = 208 },
}, 0)

-- drawn at 0.3 scale in flight
addTextureInfoExNodes(createTextureInfoEx("cannon"), "towers", {
  { u = 0.625, v = 0.546875, cu = 0.046875, cv = 0.046875, dx = 24, dy = 24, w = 48, h = 48 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tank"), "towers", {
  { u = 0.6875, v = 0.453125, cu = 0.203125, cv = 0.140625, dx = 104, dy = 80, w = 208, h = 144 },
}, 0)

-- one frame per barrel direction of the tank's table
addTextureInfoExNodes(createTextureInfoEx("tank_gun"), "towers", {
  { u = 0, v = 0.265625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0.226562, v = 0.265625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0.453125, v = 0.265625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0.679688, v = 0.265625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0, v = 0.140625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0.226562, v = 0.140625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0.453125, v = 0.140625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0.679688, v = 0.140625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
  { u = 0, v = 0.015625, cu = 0.226562, cv = 0.125, dx = 116, dy = 110, w = 232, h = 128 },
}, 0)
