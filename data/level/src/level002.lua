-- Level "002": the gold find. Five workers and 250 money: the home stands in the
-- south-east with three house sites; the gold lies north-west beyond a brook whose
-- bridge wants mending, fields pay the diggers on the way and trees stand by the
-- home for the houses and the bridge.
-- Compile: level_tool compile data/level/src/level002.lua data/level/level002.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("002")
L.home(21, 7)
L.worker(19, 9, "worker0")
L.worker(24, 7, "worker1")
L.house(14, 6, "house0")
L.house(17, 4, "house1")
L.house(22, 10, "house2")

L.field(12, 10, "field0")
L.field(10, 9, "field1", "field01")
L.field(14, 9, "field2")
L.tree(17, 10, "tree0", "tree00_0")
L.tree(19, 11, "tree1", "tree01_0")
L.tree(14, 11, "tree2", "tree00_3")
L.tree(25, 9, "tree3", "tree01_2")
L.tree(25, 6, "tree4")
L.tree(12, 4, "tree5", "tree01_0")
L.tree(15, 3, "tree6", "tree00_3")
L.tree(10, 6, "tree7", "tree01_2")

-- The brook along row 12; beyond its bridge the gold.
T.brook(0, 12, 30, 12)
L.barrier("bridge00", 9, 12, "bridge0")
L.nugget(8, 14, "nugget0")
L.nugget(10, 15, "nugget1")
L.nugget(12, 14, "nugget2")
L.nugget(14, 15, "nugget3")
L.nugget(11, 17, "nugget4")
T.pond(17, 15, 19, 17)
T.rocks(4, 13, 5, 13)
L.finish()
