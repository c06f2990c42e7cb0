-- Sprites of the texture "chip" (256 x 128). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("chip_run0"), "chip", {
  { u = 0, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.125, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.25, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.375, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("chip_alert0"), "chip", {
  { u = 0.5, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.625, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.75, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.875, v = 0.75, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("chip_run1"), "chip", {
  { u = 0, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.125, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.25, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.375, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("chip_alert1"), "chip", {
  { u = 0.5, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.625, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.75, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.875, v = 0.5, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("chip_run2"), "chip", {
  { u = 0, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.125, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.25, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.375, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("chip_alert2"), "chip", {
  { u = 0.5, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.625, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.75, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.875, v = 0.25, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("chip_run3"), "chip", {
  { u = 0, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.125, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.25, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.375, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("chip_alert3"), "chip", {
  { u = 0.5, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.625, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.75, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
  { u = 0.875, v = 0, cu = 0.125, cv = 0.25, dx = 16, dy = 0, w = 32, h = 32 },
}, 4)
