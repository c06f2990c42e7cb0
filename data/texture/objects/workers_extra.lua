-- Sprites of the texture "workers_extra" (1024 x 512). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("worker_collect0"), "workers_extra", {
  { u = 0, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.0390625, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.078125, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.117188, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("worker_water0"), "workers_extra", {
  { u = 0.15625, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.195312, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.234375, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.273438, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 4)

addTextureInfoExNodes(createTextureInfoEx("worker_sit0"), "workers_extra", {
  { u = 0.3125, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.351562, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.390625, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.429688, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 2)

addTextureInfoExNodes(createTextureInfoEx("worker_alert0"), "workers_extra", {
  { u = 0.46875, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.507812, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.546875, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.585938, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 3)

addTextureInfoExNodes(createTextureInfoEx("worker_eat0"), "workers_extra", {
  { u = 0.625, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.664062, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.703125, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.742188, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 3)

addTextureInfoExNodes(createTextureInfoEx("worker_drink0"), "workers_extra", {
  { u = 0.78125, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.820312, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.859375, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.898438, v = 0.890625, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 3)

addTextureInfoExNodes(createTextureInfoEx("worker_jump0"), "workers_extra", {
  { u = 0, v = 0.78125, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.0390625, v = 0.78125, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.078125, v = 0.78125, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.117188, v = 0.78125, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.15625, v = 0.78125, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
  { u = 0.195312, v = 0.78125, cu = 0.0390625, cv = 0.109375, dx = 20, dy = 3, w = 40, h = 56 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("worker_ice"), "workers_extra", {
  { u = 0.234375, v = 0.75, cu = 0.0546875, cv = 0.140625, dx = 28, dy = 6, w = 56, h = 72 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("icon_head"), "workers_extra", {
  { u = 0.289062, v = 0.851562, cu = 0.0195312, cv = 0.0390625, dx = 10, dy = 10, w = 20, h = 20 },
}, 0)

-- looped over the cloud
addTextureInfoExNodes(createTextureInfoEx("exclamation"), "workers_extra", {
  { u = 0.308594, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 16, w = 16, h = 32 },
  { u = 0.324219, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 16, w = 16, h = 32 },
  { u = 0.339844, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 16, w = 16, h = 32 },
  { u = 0.355469, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 16, w = 16, h = 32 },
}, 6)

-- the game draws the first frame, mirrored left of the screen's middle
addTextureInfoExNodes(createTextureInfoEx("cloud"), "workers_extra", {
  { u = 0.371094, v = 0.734375, cu = 0.09375, cv = 0.15625, dx = 48, dy = 41, w = 96, h = 80 },
  { u = 0.464844, v = 0.734375, cu = 0.09375, cv = 0.15625, dx = 48, dy = 41, w = 96, h = 80 },
}, 2)

-- played once when a prison opens
addTextureInfoExNodes(createTextureInfoEx("effect_laser"), "workers_extra", {
  { u = 0.558594, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.574219, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.589844, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.605469, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.621094, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.636719, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.652344, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
  { u = 0.667969, v = 0.828125, cu = 0.015625, cv = 0.0625, dx = 8, dy = 0, w = 16, h = 32 },
}, 12)

-- played once
addTextureInfoExNodes(createTextureInfoEx("effect_explosion"), "workers_extra", {
  { u = 0, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.09375, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.1875, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.28125, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.375, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.46875, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.5625, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
  { u = 0.65625, v = 0.546875, cu = 0.09375, cv = 0.1875, dx = 48, dy = 12, w = 96, h = 96 },
}, 14)

addTextureInfoExNodes(createTextureInfoEx("effect_shield"), "workers_extra", {
  { u = 0.75, v = 0.484375, cu = 0.125, cv = 0.25, dx = 64, dy = 64, w = 128, h = 128 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("prison"), "workers_extra", {
  { u = 0, v = 0.140625, cu = 0.1875, cv = 0.34375, dx = 96, dy = 52, w = 192, h = 176 },
}, 0)

-- the prison's shadow: levels give the prison an empty sprite-set name
addTextureInfoExNodes(createTextureInfoEx("_sh"), "workers_extra", {
  { u = 0.1875, v = 0.140625, cu = 0.1875, cv = 0.34375, dx = 96, dy = 52, w = 192, h = 176 },
}, 0)
