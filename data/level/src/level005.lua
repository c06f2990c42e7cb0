-- Level "005": the rainy season. Seven workers, 200 food and 200 money: the home
-- and its four house sites stand east of a brook among the trees; the fields,
-- the wells (300 mana earn "achieve_mana") and the gold lie west of it, over a
-- bridge to mend. A goblin camp by the gold and a witch camp by the fields stay
-- quiet at first; at 100 s the level's script halves their intervals and lets
-- four more walkers out (four frozen workers at once earn "achieve_ice_block").
-- A skeleton camp by the fields and the wells sends one skeleton at a time after
-- the workers from the start and more once the others wake; the hero, by the
-- home, strikes its skeletons down.
-- Compile: level_tool compile data/level/src/level005.lua data/level/level005.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("005")
-- Rain: the ground is painted wet and green.
T.season("rain")
L.home(23, 9)
L.worker(24, 11, "worker0")
L.worker(21, 11, "worker1")
L.worker(25, 10, "worker2")
L.figure("cHero", "hero", 21, 12, "hero")
L.house(19, 12, "house0")
L.house(19, 5, "house1")
L.house(22, 5, "house2")
L.house(20, 8, "house3")
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
local trees = { { 22, 12 }, { 26, 10 }, { 17, 11 }, { 21, 15 }, { 26, 8 }, { 24, 6 }, { 17, 14 }, { 19, 3 },
                { 17, 3 }, { 13, 4 }, { 23, 14 }, { 20, 14 }, { 25, 7 } }
for i, cell in ipairs(trees) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[(i - 1) % #sprites + 1])
end

-- The brook along column 16 and its bridge; at the top it bends west.
T.brook(16, 0, 16, 18)
T.brook(16, 18, 14, 20)
T.brook(14, 20, 14, 21)
L.barrier("bridge00", 16, 10, "bridge0")
L.field(12, 10, "field0")
L.field(14, 12, "field1", "field01")
L.field(10, 9, "field2")
L.field(13, 8, "field3", "field01")
-- One field by the home feeds the fellers before the bridge is mended.
L.field(23, 13, "field4")
L.well(8, 13, "well0")
L.well(11, 15, "well1")
L.well(6, 12, "well_west")
L.nugget(9, 16, "nugget0")
L.nugget(12, 17, "nugget1")
L.nugget(14, 15, "nugget2")
L.nugget(15, 17, "nugget3")
L.camp("goblin_money", 5, 16, "goblin_camp", 60, 0)
L.camp("witch", 10, 4, "witch_camp", 80, 0)
L.camp("skeleton", 7, 10, "skeleton_camp", 30, 1)
T.pond(19, 17, 20, 18)
L.finish()
