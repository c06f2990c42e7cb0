-- Level "010": the winter store. Seven workers with food to spare: the home stands
-- in the west with the gold and a few trees; two rock walls cross the level north
-- to south, each with three stones in its gaps ("stone0" first). Clearing a stone
-- costs money from the nuggets (all six: "achieve_stone_barrier"); the wood and
-- three of the five house sites lie beyond the walls.
-- Compile: level_tool compile data/level/src/level010.lua data/level/level010.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("010")
-- Snow: the ground is painted under snow.
T.season("snow")
L.home(9, 12)
L.worker(12, 12, "worker0")
L.worker(8, 10, "worker1")
L.house(11, 15, "house0")
L.house(12, 8, "house1")
L.nugget(6, 12, "nugget0")
L.nugget(13, 11, "nugget1")
L.nugget(8, 9, "nugget2")
L.nugget(12, 5, "nugget3")
L.nugget(9, 7, "nugget4")
L.tree(6, 14, "tree0", "tree00_0")
L.tree(13, 16, "tree1", "tree01_0")
L.tree(14, 8, "tree2", "tree00_3")

-- The first wall along column 15; at the top it bends west.
T.wall(15, 0, 15, 19)
T.wall(15, 19, 14, 20)
T.wall(14, 20, 14, 21)
L.barrier("stone00", 15, 12, "stone0")
L.barrier("stone00", 15, 6, "stone1")
L.barrier("stone00", 15, 16, "stone2")
L.house(18, 13, "house2")
L.house(18, 7, "house3")
L.tree(17, 10, "tree3", "tree01_2")
L.tree(19, 10, "tree4")
L.tree(20, 8, "tree5", "tree01_0")
L.tree(20, 15, "tree6", "tree00_3")
L.tree(17, 4, "tree7", "tree01_2")
L.tree(19, 4, "tree8")

-- The second wall along column 21.
T.wall(21, 0, 21, 24)
L.barrier("stone00", 21, 10, "stone3")
L.barrier("stone00", 21, 15, "stone4")
L.barrier("stone00", 21, 5, "stone5")
L.house(24, 8, "house4")
L.tree(23, 11, "tree9", "tree01_0")
L.tree(23, 14, "tree10", "tree00_3")
L.tree(27, 7, "tree11", "tree01_2")
L.tree(24, 12, "tree12")
L.tree(22, 6, "tree13", "tree01_0")
T.pond(6, 16, 7, 18)
L.finish()
