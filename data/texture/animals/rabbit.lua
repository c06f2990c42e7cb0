-- Sprites of the texture "rabbit" (512 x 256). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("rabbit_run0"), "rabbit", {
  { u = 0, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.125, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.25, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.375, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("rabbit_alert0"), "rabbit", {
  { u = 0.5, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.625, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.75, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.875, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("rabbit_run1"), "rabbit", {
  { u = 0, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.125, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.25, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.375, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("rabbit_alert1"), "rabbit", {
  { u = 0.5, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.625, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.75, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.875, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("rabbit_run2"), "rabbit", {
  { u = 0, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.125, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.25, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.375, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("rabbit_alert2"), "rabbit", {
  { u = 0.5, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.625, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.75, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.875, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("rabbit_run3"), "rabbit", {
  { u = 0, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.125, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.25, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.375, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 12)

addTextureInfoExNodes(createTextureInfoEx("rabbit_alert3"), "rabbit", {
  { u = 0.5, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.625, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.75, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
  { u = 0.875, v = 0, cu = 0.125, cv = 0.25, dx = 32, dy = 0, w = 64, h = 64 },
}, 4)
