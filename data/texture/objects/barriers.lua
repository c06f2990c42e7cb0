-- Sprites of the texture "barriers" (1024 x 1024). Made by tools/art_tool; edit its manifest.

-- along the first grid axis; frame 0 broken, 3 mended
addTextureInfoExNodes(createTextureInfoEx("bridge00"), "barriers", {
  { u = 0, v = 0.90625, cu = 0.15625, cv = 0.09375, dx = 80, dy = 48, w = 160, h = 96 },
  { u = 0.15625, v = 0.90625, cu = 0.15625, cv = 0.09375, dx = 80, dy = 48, w = 160, h = 96 },
  { u = 0.3125, v = 0.90625, cu = 0.15625, cv = 0.09375, dx = 80, dy = 48, w = 160, h = 96 },
  { u = 0.46875, v = 0.90625, cu = 0.15625, cv = 0.09375, dx = 80, dy = 48, w = 160, h = 96 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("stone00"), "barriers", {
  { u = 0.625, v = 0.921875, cu = 0.09375, cv = 0.078125, dx = 48, dy = 20, w = 96, h = 80 },
  { u = 0.71875, v = 0.921875, cu = 0.09375, cv = 0.078125, dx = 48, dy = 20, w = 96, h = 80 },
  { u = 0.8125, v = 0.921875, cu = 0.09375, cv = 0.078125, dx = 48, dy = 20, w = 96, h = 80 },
  { u = 0.90625, v = 0.921875, cu = 0.09375, cv = 0.078125, dx = 48, dy = 20, w = 96, h = 80 },
}, 0)

-- along the second grid axis; frame 0 broken, 3 mended
addTextureInfoExNodes(createTextureInfoEx("bridge01"), "barriers", {
  { u = 0, v = 0.765625, cu = 0.125, cv = 0.140625, dx = 64, dy = 68, w = 128, h = 144 },
  { u = 0.125, v = 0.765625, cu = 0.125, cv = 0.140625, dx = 64, dy = 68, w = 128, h = 144 },
  { u = 0.25, v = 0.765625, cu = 0.125, cv = 0.140625, dx = 64, dy = 68, w = 128, h = 144 },
  { u = 0.375, v = 0.765625, cu = 0.125, cv = 0.140625, dx = 64, dy = 68, w = 128, h = 144 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("log00"), "barriers", {
  { u = 0.5, v = 0.835938, cu = 0.109375, cv = 0.0703125, dx = 56, dy = 20, w = 112, h = 72 },
  { u = 0.609375, v = 0.835938, cu = 0.109375, cv = 0.0703125, dx = 56, dy = 20, w = 112, h = 72 },
  { u = 0.71875, v = 0.835938, cu = 0.109375, cv = 0.0703125, dx = 56, dy = 20, w = 112, h = 72 },
  { u = 0.828125, v = 0.835938, cu = 0.109375, cv = 0.0703125, dx = 56, dy = 20, w = 112, h = 72 },
}, 0)

-- stone, along the first grid axis; frame 0 broken, 3 mended
addTextureInfoExNodes(createTextureInfoEx("bridge_big00"), "barriers", {
  { u = 0, v = 0.640625, cu = 0.203125, cv = 0.125, dx = 104, dy = 62, w = 208, h = 128 },
  { u = 0.203125, v = 0.640625, cu = 0.203125, cv = 0.125, dx = 104, dy = 62, w = 208, h = 128 },
  { u = 0.40625, v = 0.640625, cu = 0.203125, cv = 0.125, dx = 104, dy = 62, w = 208, h = 128 },
  { u = 0.609375, v = 0.640625, cu = 0.203125, cv = 0.125, dx = 104, dy = 62, w = 208, h = 128 },
}, 0)

-- stone, along the second grid axis; frame 0 broken, 3 mended
addTextureInfoExNodes(createTextureInfoEx("bridge_big01"), "barriers", {
  { u = 0, v = 0.46875, cu = 0.171875, cv = 0.171875, dx = 88, dy = 84, w = 176, h = 176 },
  { u = 0.171875, v = 0.46875, cu = 0.171875, cv = 0.171875, dx = 88, dy = 84, w = 176, h = 176 },
  { u = 0.34375, v = 0.46875, cu = 0.171875, cv = 0.171875, dx = 88, dy = 84, w = 176, h = 176 },
  { u = 0.515625, v = 0.46875, cu = 0.171875, cv = 0.171875, dx = 88, dy = 84, w = 176, h = 176 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("stone_big00"), "barriers", {
  { u = 0, v = 0.351562, cu = 0.140625, cv = 0.117188, dx = 72, dy = 30, w = 144, h = 120 },
  { u = 0.140625, v = 0.351562, cu = 0.140625, cv = 0.117188, dx = 72, dy = 30, w = 144, h = 120 },
  { u = 0.28125, v = 0.351562, cu = 0.140625, cv = 0.117188, dx = 72, dy = 30, w = 144, h = 120 },
  { u = 0.421875, v = 0.351562, cu = 0.140625, cv = 0.117188, dx = 72, dy = 30, w = 144, h = 120 },
}, 0)
