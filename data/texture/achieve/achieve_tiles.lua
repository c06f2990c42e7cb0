-- Sprites of the texture "achieve_tiles" (512 x 512). Made by tools/art_tool; edit its manifest.

addTextureInfoExNodes(createTextureInfoEx("achieve_stone_barrier"), "achieve_tiles", {
  { u = 0, v = 0.84375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_wood_barrier"), "achieve_tiles", {
  { u = 0.15625, v = 0.84375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_mana_well"), "achieve_tiles", {
  { u = 0.3125, v = 0.84375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_goblin"), "achieve_tiles", {
  { u = 0.46875, v = 0.84375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_finish_well"), "achieve_tiles", {
  { u = 0.625, v = 0.84375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_witch"), "achieve_tiles", {
  { u = 0.78125, v = 0.84375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_tomatoes"), "achieve_tiles", {
  { u = 0, v = 0.6875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_wood"), "achieve_tiles", {
  { u = 0.15625, v = 0.6875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_money"), "achieve_tiles", {
  { u = 0.3125, v = 0.6875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_mana"), "achieve_tiles", {
  { u = 0.46875, v = 0.6875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_bell"), "achieve_tiles", {
  { u = 0.625, v = 0.6875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_ice_block"), "achieve_tiles", {
  { u = 0.78125, v = 0.6875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_fast_find"), "achieve_tiles", {
  { u = 0, v = 0.53125, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_less_fire"), "achieve_tiles", {
  { u = 0.15625, v = 0.53125, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_tank"), "achieve_tiles", {
  { u = 0.3125, v = 0.53125, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_gravik"), "achieve_tiles", {
  { u = 0.46875, v = 0.53125, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_advisor"), "achieve_tiles", {
  { u = 0.625, v = 0.53125, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_prison"), "achieve_tiles", {
  { u = 0.78125, v = 0.53125, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_shield"), "achieve_tiles", {
  { u = 0, v = 0.375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_in_love"), "achieve_tiles", {
  { u = 0.15625, v = 0.375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_ruins"), "achieve_tiles", {
  { u = 0.3125, v = 0.375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_no_tower"), "achieve_tiles", {
  { u = 0.46875, v = 0.375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_succubus"), "achieve_tiles", {
  { u = 0.625, v = 0.375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_gold_cup"), "achieve_tiles", {
  { u = 0.78125, v = 0.375, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_silver_cup"), "achieve_tiles", {
  { u = 0, v = 0.21875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_bronze_cup"), "achieve_tiles", {
  { u = 0.15625, v = 0.21875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_skeleton"), "achieve_tiles", {
  { u = 0.3125, v = 0.21875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_no_mill"), "achieve_tiles", {
  { u = 0.46875, v = 0.21875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_wheat"), "achieve_tiles", {
  { u = 0.625, v = 0.21875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)

addTextureInfoExNodes(createTextureInfoEx("achieve_no_speed"), "achieve_tiles", {
  { u = 0.78125, v = 0.21875, cu = 0.15625, cv = 0.15625, dx = 40, dy = 40, w = 80, h = 80 },
}, 0)
