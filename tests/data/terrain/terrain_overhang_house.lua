-- A house site with water along the row before its footprint, both sides of its
-- door: the 3 x 2 picture is drawn centred on the site's cell, half a cell past the
-- rows it holds, so a sixth of it would lie in the water. The level tool must
-- refuse the level (see tools/level_tool/CMakeLists.txt).
local L = require("level_lib")
local T = require("level_terrain")

L.begin("terrain_overhang_house")
L.home(15, 9)
T.pond(18, 12, 20, 12)
T.pond(22, 12, 24, 12)
L.house(21, 13, "house0")
L.finish()
