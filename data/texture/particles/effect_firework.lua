-- Sprites of the texture "effect_firework" (512 x 256). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("effect_firework"), "effect_firework", {
  { u = 0, v = 0.5, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0.25, v = 0.5, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0.5, v = 0.5, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0.75, v = 0.5, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0, v = 0, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0.25, v = 0, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0.5, v = 0, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
  { u = 0.75, v = 0, cu = 0.25, cv = 0.5, dx = 64, dy = 64, w = 128, h = 128 },
}, 15)
