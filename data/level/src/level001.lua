-- Level "001": the watch towers. The home stands on the western bank of a brook;
-- "tower0" (the hint's tower) guards it, "tower1" stands on the far bank by the
-- gold, where a skeleton camp sends its walkers at the diggers; the hero fights
-- the skeletons (25 of them fall for "achieve_skeleton"). The bridge must be
-- mended before the nuggets and the second tower are in reach. Five workers: two
-- start, three house sites.
-- Compile: level_tool compile data/level/src/level001.lua data/level/level001.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("001")
-- Rain: the ground is painted wet and green.
T.season("rain")
L.home(8, 11)
L.worker(11, 12, "worker0")
L.worker(10, 9, "worker1")
L.figure("cHero", "hero", 12, 10, "hero")
L.house(13, 13, "house0")
L.house(9, 15, "house1")
L.house(13, 16, "house2")
L.tower(12, 7, "tower0")

-- The home bank: the trees and fields.
L.field(15, 10, "field0")
L.field(15, 12, "field1", "field01")
L.field(10, 7, "field2")
L.tree(10, 5, "tree0", "tree00_0")
L.tree(13, 3, "tree1", "tree01_0")
L.tree(16, 5, "tree2", "tree00_3")
L.tree(5, 13, "tree3", "tree01_2")
L.tree(7, 15, "tree4")
L.tree(6, 11, "tree5", "tree01_0")
L.tree(15, 7, "tree6", "tree00_3")
L.tree(10, 17, "tree7", "tree01_2")
L.tree(16, 14, "tree8")
L.tree(14, 4, "tree9", "tree01_0")

-- The brook along column 17, running out of the pond; its bridge leads to the
-- gold and the second tower.
T.brook(17, 0, 17, 17)
T.cell("water", 18, 17)
L.barrier("bridge00", 17, 10, "bridge0")
L.nugget(22, 8, "nugget0")
L.nugget(23, 11, "nugget1")
L.nugget(25, 6, "nugget2")
L.tower(22, 14, "tower1")
-- Skeletons come one at a time from beyond the gold.
L.camp("skeleton", 26, 10, "skeleton_camp", 5, 3)
T.pond(19, 16, 21, 18)
T.rocks(22, 4, 23, 5)
L.finish()
