-- Level "003": the goblins' hill. Six workers, 200 food and 200 money: the home
-- stands in the north-west with four house sites and the built mill; fields lie
-- towards the middle, and the gold beyond the eastern brook, where a goblin camp
-- sends slow thieves (work rate 0.08 from the level table) at the nuggets; the
-- hero chases them. A skeleton camp in the north-eastern wood, by the fields,
-- sends a skeleton now and then after the workers: the hero strikes it down.
-- A player who never needs the mill earns "achieve_no_mill".
-- Compile: level_tool compile data/level/src/level003.lua data/level/level003.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("003")
L.home(6, 14)
L.worker(9, 14, "worker0")
L.worker(8, 11, "worker1")
L.figure("cHero", "hero", 9, 12, "hero")
L.house(10, 16, "house0")
L.house(14, 16, "house1")
L.house(13, 13, "house2")
L.house(9, 8, "house3")
L.plant("mill00", 10, 10, "mill0", "1;0", { "food" })

L.field(16, 12, "field0")
L.field(18, 13, "field1", "field01")
L.field(14, 9, "field2")
L.field(17, 10, "field3", "field01")
L.field(19, 11, "field4")
L.tree(12, 18, "tree0", "tree00_0")
L.tree(14, 18, "tree1", "tree01_0")
L.tree(16, 16, "tree2", "tree00_3")
L.tree(16, 7, "tree3", "tree01_2")
L.tree(13, 6, "tree4")
L.tree(15, 5, "tree5", "tree01_0")
L.tree(17, 4, "tree6", "tree00_3")
L.tree(12, 4, "tree7", "tree01_2")
L.tree(15, 3, "tree8")
L.tree(19, 3, "tree9", "tree01_0")
L.tree(20, 15, "tree10", "tree00_3")
L.tree(13, 11, "tree11", "tree01_2")

-- The brook along column 21; beyond its bridge the gold and the goblins' hill.
T.brook(21, 0, 21, 24)
L.barrier("bridge00", 21, 10, "bridge0")
L.nugget(23, 8, "nugget0")
L.nugget(25, 10, "nugget1")
L.nugget(24, 6, "nugget2")
L.camp("goblin_money", 27, 8, "goblin_camp", 12, 2)
L.camp("skeleton", 19, 6, "skeleton_camp", 20, 2)
T.rocks(25, 12, 26, 13)
T.pond(6, 17, 8, 18)
L.finish()
