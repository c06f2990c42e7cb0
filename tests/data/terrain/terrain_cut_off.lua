-- A pond laid round a tree: the level tool must refuse the level, for the home
-- would never reach the tree (see tools/level_tool/CMakeLists.txt).
local L = require("level_lib")
local T = require("level_terrain")

L.begin("terrain_cut_off")
L.home(15, 9)
L.tree(21, 9, "tree0")
T.pond(19, 7, 23, 11)
L.free_cell(21, 9)
L.finish()
