-- Sprites of the texture "buildings" (1024 x 1024). Made by tools/art_tool; edit its manifest.

-- building: foundation to finished house
addTextureInfoExNodes(createTextureInfoEx("house00"), "buildings", {
  { u = 0, v = 0.804688, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.21875, v = 0.804688, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.4375, v = 0.804688, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.65625, v = 0.804688, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0, v = 0.609375, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("zone3x2"), "buildings", {
  { u = 0.21875, v = 0.609375, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("house00_sh"), "buildings", {
  { u = 0.4375, v = 0.609375, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
}, 0)

-- frame 0: the stock cannot pay, 1: it can
addTextureInfoExNodes(createTextureInfoEx("icon_build"), "buildings", {
  { u = 0.65625, v = 0.742188, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
  { u = 0.71875, v = 0.742188, cu = 0.0625, cv = 0.0625, dx = 32, dy = 32, w = 64, h = 64 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("base00_flag"), "buildings", {
  { u = 0.65625, v = 0.679688, cu = 0.0625, cv = 0.0625, dx = 8, dy = 2, w = 64, h = 64 },
  { u = 0.71875, v = 0.679688, cu = 0.0625, cv = 0.0625, dx = 8, dy = 2, w = 64, h = 64 },
  { u = 0.78125, v = 0.679688, cu = 0.0625, cv = 0.0625, dx = 8, dy = 2, w = 64, h = 64 },
  { u = 0.65625, v = 0.617188, cu = 0.0625, cv = 0.0625, dx = 8, dy = 2, w = 64, h = 64 },
  { u = 0.71875, v = 0.617188, cu = 0.0625, cv = 0.0625, dx = 8, dy = 2, w = 64, h = 64 },
  { u = 0.78125, v = 0.617188, cu = 0.0625, cv = 0.0625, dx = 8, dy = 2, w = 64, h = 64 },
}, 10)

-- first upgrade: a second storey
addTextureInfoExNodes(createTextureInfoEx("house00_up1"), "buildings", {
  { u = 0, v = 0.414062, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.21875, v = 0.414062, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.4375, v = 0.414062, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.65625, v = 0.414062, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
}, 0)

-- second upgrade: a tower
addTextureInfoExNodes(createTextureInfoEx("house00_up2"), "buildings", {
  { u = 0, v = 0.21875, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.21875, v = 0.21875, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.4375, v = 0.21875, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
  { u = 0.65625, v = 0.21875, cu = 0.21875, cv = 0.195312, dx = 112, dy = 56, w = 224, h = 200 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("base00"), "buildings", {
  { u = 0, v = 0.015625, cu = 0.234375, cv = 0.203125, dx = 120, dy = 72, w = 240, h = 208 },
}, 0)
