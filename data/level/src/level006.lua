-- Level "006": the trader's nights. Seven workers and 200 money: the home stands
-- in the north with its house sites, fields and trees; a brook crosses the level
-- south of it, and the gold lies beyond its bridge. Three witch camps
-- "base_enemy0".."base_enemy2" sleep by day and wake at night (the level's night
-- script sets their pace), the first by the farm, the second by the gold; the
-- hero hunts the witches (15 earn "achieve_witch").
-- Compile: level_tool compile data/level/src/level006.lua data/level/level006.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("006")
L.home(12, 15)
L.worker(14, 11, "worker0")
L.worker(10, 14, "worker1")
L.worker(12, 13, "worker2")
L.figure("cHero", "hero", 16, 14, "hero")
L.house(8, 13, "house0")
L.house(15, 12, "house1")
L.house(10, 11, "house2")
L.house(18, 14, "house3")
L.field(6, 12, "field0")
L.field(17, 11, "field1", "field01")
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
local trees = { { 5, 14 }, { 7, 16 }, { 9, 17 }, { 11, 18 }, { 13, 18 }, { 15, 17 }, { 22, 15 }, { 22, 11 },
                { 21, 13 }, { 20, 10 }, { 23, 12 }, { 9, 8 }, { 21, 15 }, { 5, 16 } }
for i, cell in ipairs(trees) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[(i - 1) % #sprites + 1])
end

-- The brook along row 9 and its bridge; the gold beyond it.
T.brook(0, 9, 30, 9)
L.barrier("bridge00", 13, 9, "bridge0")
L.field(11, 6, "field2")
L.field(13, 5, "field3", "field01")
L.nugget(18, 6, "nugget0")
L.nugget(21, 7, "nugget1")
L.nugget(23, 5, "nugget2")
L.nugget(16, 4, "nugget3")
-- The night script multiplies these intervals by 7 or 8.
L.camp("witch", 4, 16, "base_enemy0", 2, 0)
L.camp("witch", 25, 7, "base_enemy1", 2, 0)
L.camp("witch", 12, 2, "base_enemy2", 2, 0)
T.rocks(7, 6, 8, 7)
L.finish()
