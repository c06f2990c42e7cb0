-- Level "009": the dark altar. Six workers: the home stands north of a brook with
-- a house site, the trees and the altar "altar0", whose "spell_freeze_water"
-- the wife casts to freeze the lake "lake0" in the brook: the short way south to
-- the fields, the wells and three more house sites ("house0" of them may be raised a
-- level). The other way is the far western bridge, mended with wood. The enemy altar
-- "altar_enemy0" slowly charges a spell that kills every worker; its period
-- outlasts the level's time limit, so a player who builds in time wins. "bell0"
-- calls the workers (left unrung: "achieve_bell"). A skeleton camp among the
-- southern fields sends skeletons after the workers; the hero strikes them down.
-- Compile: level_tool compile data/level/src/level009.lua data/level/level009.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("009")
-- Rain: the ground is painted wet and green.
T.season("rain")
L.home(19, 14)
L.worker(22, 14, "worker0")
L.worker(17, 12, "worker1")
L.figure("cWife", "wife", 18, 11, "wife")
L.figure("cHero", "hero", 23, 15, "hero")
L.house(17, 8, "house0", 1)
L.house(21, 8, "house1", 1)
L.house(10, 15, "house2", 1)
L.house(11, 8, "house3", 1)
L.altar("spell_freeze_water", 15, 15, "altar0")
L.bell(14, 12, "bell0")
-- The time limit is 510 s: the altar never charges within a level's play.
L.enemy_altar("enemy_spell_kill_workers", 900, 7, 12, "altar_enemy0")
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
-- Half the wood stands by the home, half beyond the brook.
local trees = { { 6, 15 }, { 6, 17 }, { 12, 17 }, { 14, 18 }, { 5, 13 }, { 9, 12 }, { 12, 2 }, { 14, 2 },
                { 27, 7 }, { 25, 9 }, { 24, 5 }, { 15, 4 } }
for i, cell in ipairs(trees) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[(i - 1) % #sprites + 1])
end

-- The brook along row 10; the lake fills its middle, the bridge lies far west.
L.lake(14, 10, "lake0")
T.brook(0, 10, 12, 10)
T.brook(16, 10, 30, 10)
L.barrier("bridge00", 6, 10, "bridge0")
L.field(17, 5, "field0")
L.field(21, 5, "field1", "field01")
L.field(24, 7, "field2")
L.field(12, 5, "field3", "field01")
-- Two fields by the home feed the fellers.
L.field(22, 12, "field4")
L.field(16, 13, "field5", "field01")
L.well(16, 3, "well0")
L.well(10, 5, "well1")
L.camp("skeleton", 10, 18, "skeleton_camp", 20, 1)
T.rocks(18, 2, 19, 3)
L.finish()
