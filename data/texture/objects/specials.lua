-- Sprites of the texture "specials" (1024 x 1024). Made by tools/art_tool; edit its manifest.

-- paid share, frame by frame; the lamp room 110 above the hot spot
addTextureInfoExNodes(createTextureInfoEx("lighthouse00"), "specials", {
  { u = 0, v = 0.804688, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.15625, v = 0.804688, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.3125, v = 0.804688, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.46875, v = 0.804688, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.625, v = 0.804688, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("lighthouse00_sh"), "specials", {
  { u = 0.78125, v = 0.804688, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
}, 0)

-- paid share, frame by frame
addTextureInfoExNodes(createTextureInfoEx("tower_advisor"), "specials", {
  { u = 0, v = 0.609375, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.15625, v = 0.609375, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.3125, v = 0.609375, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.46875, v = 0.609375, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
  { u = 0.625, v = 0.609375, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("tower_advisor_sh"), "specials", {
  { u = 0.78125, v = 0.609375, cu = 0.15625, cv = 0.195312, dx = 80, dy = 44, w = 160, h = 200 },
}, 0)

-- paid share, frame by frame: rubble to a restored temple
addTextureInfoExNodes(createTextureInfoEx("ruins00"), "specials", {
  { u = 0, v = 0.414062, cu = 0.28125, cv = 0.195312, dx = 144, dy = 72, w = 288, h = 200 },
  { u = 0.28125, v = 0.414062, cu = 0.28125, cv = 0.195312, dx = 144, dy = 72, w = 288, h = 200 },
  { u = 0.5625, v = 0.414062, cu = 0.28125, cv = 0.195312, dx = 144, dy = 72, w = 288, h = 200 },
  { u = 0, v = 0.21875, cu = 0.28125, cv = 0.195312, dx = 144, dy = 72, w = 288, h = 200 },
  { u = 0.28125, v = 0.21875, cu = 0.28125, cv = 0.195312, dx = 144, dy = 72, w = 288, h = 200 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("ruins00_sh"), "specials", {
  { u = 0.5625, v = 0.21875, cu = 0.28125, cv = 0.195312, dx = 144, dy = 72, w = 288, h = 200 },
}, 0)

-- looped; shown once the source is restored
addTextureInfoExNodes(createTextureInfoEx("source_fountain"), "specials", {
  { u = 0, v = 0.09375, cu = 0.09375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 128 },
  { u = 0.09375, v = 0.09375, cu = 0.09375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 128 },
  { u = 0.1875, v = 0.09375, cu = 0.09375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 128 },
  { u = 0.28125, v = 0.09375, cu = 0.09375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 128 },
  { u = 0.375, v = 0.09375, cu = 0.09375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 128 },
  { u = 0.46875, v = 0.09375, cu = 0.09375, cv = 0.125, dx = 48, dy = 16, w = 96, h = 128 },
}, 10)
