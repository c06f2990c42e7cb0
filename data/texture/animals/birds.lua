-- Sprites of the texture "birds" (512 x 128). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("bird00_idle"), "birds", {
  { u = 0, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.125, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.25, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.375, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 10)

addTextureInfoExNodes(createTextureInfoEx("bird00_action"), "birds", {
  { u = 0.5, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.625, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("bird00_sh"), "birds", {
  { u = 0.75, v = 0.75, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("bird01_idle"), "birds", {
  { u = 0, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.125, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.25, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.375, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 10)

addTextureInfoExNodes(createTextureInfoEx("bird01_action"), "birds", {
  { u = 0.5, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.625, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("bird01_sh"), "birds", {
  { u = 0.75, v = 0.5, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("bird02_idle"), "birds", {
  { u = 0, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.125, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.25, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.375, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 10)

addTextureInfoExNodes(createTextureInfoEx("bird02_action"), "birds", {
  { u = 0.5, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
  { u = 0.625, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("bird02_sh"), "birds", {
  { u = 0.75, v = 0.25, cu = 0.125, cv = 0.25, dx = 32, dy = 16, w = 64, h = 32 },
}, 0)
