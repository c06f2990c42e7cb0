-- Sprites of the texture "altars" (1024 x 512). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("bell00"), "altars", {
  { u = 0, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
}, 0)

-- a whole swing; frame 5 hangs at rest
addTextureInfoExNodes(createTextureInfoEx("bell00_bell"), "altars", {
  { u = 0.109375, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.21875, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.328125, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.4375, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.546875, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.65625, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.765625, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
  { u = 0.875, v = 0.6875, cu = 0.109375, cv = 0.3125, dx = 56, dy = 12, w = 112, h = 160 },
}, 15)

addTextureInfoExNodes(createTextureInfoEx("altar00"), "altars", {
  { u = 0, v = 0.453125, cu = 0.15625, cv = 0.234375, dx = 80, dy = 40, w = 160, h = 120 },
}, 0)

-- a frozen 3 x 3 lake
addTextureInfoExNodes(createTextureInfoEx("ice"), "altars", {
  { u = 0, v = 0.0625, cu = 0.25, cv = 0.3125, dx = 128, dy = 80, w = 256, h = 160 },
}, 0)

-- unlit; the fire is an effect
addTextureInfoExNodes(createTextureInfoEx("bonfire"), "altars", {
  { u = 0.15625, v = 0.53125, cu = 0.09375, cv = 0.15625, dx = 48, dy = 22, w = 96, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("spell_fast_workers_off"), "altars", {
  { u = 0.25, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.289062, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.328125, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.367188, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_fast_workers_on"), "altars", {
  { u = 0.25, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.289062, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.328125, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.367188, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_fast_food_off"), "altars", {
  { u = 0.4375, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.476562, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.515625, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.554688, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_fast_food_on"), "altars", {
  { u = 0.4375, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.476562, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.515625, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.554688, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_restore_tree_off"), "altars", {
  { u = 0.625, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.664062, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.703125, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.742188, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_restore_tree_on"), "altars", {
  { u = 0.625, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.664062, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.703125, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.742188, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_freeze_water_off"), "altars", {
  { u = 0.8125, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.851562, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.890625, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.929688, v = 0.609375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_freeze_water_on"), "altars", {
  { u = 0.8125, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.851562, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.890625, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.929688, v = 0.453125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_kill_enemies_off"), "altars", {
  { u = 0.25, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.289062, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.328125, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.367188, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_kill_enemies_on"), "altars", {
  { u = 0.25, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.289062, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.328125, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.367188, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_shield_off"), "altars", {
  { u = 0.4375, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.476562, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.515625, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.554688, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("spell_shield_on"), "altars", {
  { u = 0.4375, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.476562, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.515625, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.554688, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("enemy_spell_kill_workers_off"), "altars", {
  { u = 0.625, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.664062, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.703125, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.742188, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("enemy_spell_kill_workers_on"), "altars", {
  { u = 0.625, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.664062, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.703125, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.742188, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("enemy_spell_kill_towers_off"), "altars", {
  { u = 0.8125, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.851562, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.890625, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.929688, v = 0.53125, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)

addTextureInfoExNodes(createTextureInfoEx("enemy_spell_kill_towers_on"), "altars", {
  { u = 0.8125, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.851562, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.890625, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
  { u = 0.929688, v = 0.375, cu = 0.0390625, cv = 0.078125, dx = 20, dy = 20, w = 40, h = 40 },
}, 8)
