-- Level "017": the enemy towers. 500 money from the nuggets, with food to spare.
-- Two enemy towers ("tower_enemy0", "tower_enemy1") shoot at the workers; the
-- altar's "spell_shield" ("altar0") silences them (no hit at all: "achieve_shield").
-- The home stands in the north-west with its wells and the altar; a brook cuts the
-- level, crossed by one bridge to mend (80 wood), and the gold lies far south-east
-- beyond it, where the towers cover the far nuggets, a goblin camp sends thieves for
-- them and a skeleton camp hunts the miners: the hero strikes the skeletons down.
local S = require("extras").scene("017")
local T = require("level_terrain")

S:home(8, 14)
for i, cell in ipairs({ { 11, 13 }, { 10, 15 }, { 11, 12 }, { 12, 14 } }) do
  S:worker(cell[1], cell[2], "worker" .. (i - 1))
end
S:site({ type = "cAltar", cell = { 12, 9 }, name = "altar0", sprite = "spell_shield" })
S:well(9, 10, "well0")
S:well(7, 11, "well1")
local trees = { { 6, 12 }, { 13, 16 }, { 11, 16 }, { 13, 6 }, { 12, 5 }, { 11, 7 } }
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
T.brook(15, 0, 15, 19)
T.brook(15, 19, 14, 20)
T.brook(14, 20, 14, 21)
S:put({ type = "cBarrier", cell = { 15, 8 }, name = "bridge0", sprite = "bridge00", layer = 4 })
for i, cell in ipairs({ { 20, 5 }, { 20, 10 }, { 18, 4 }, { 21, 8 }, { 23, 9 }, { 19, 7 }, { 24, 7 }, { 22, 6 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
S:put({ type = "cTower", cell = { 24, 10 }, name = "tower_enemy0", sprite = "tower_enemy00" })
S:put({ type = "cTower", cell = { 21, 13 }, name = "tower_enemy1", sprite = "tower_enemy00" })
S:camp(24, 5, "goblin_camp", "goblin_money", "30;1")
S:camp(19, 5, "skeleton_camp", "skeleton", "20;2")
S:put({ type = "cHero", cell = { 10, 11 }, name = "hero", sprite = "hero" })
T.rocks(19, 15, 20, 16)
S:finish()
