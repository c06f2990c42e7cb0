-- A house site set by hand on the middle of a cell (L.place_at), not on the middle
-- of its footprint, with water along the row before its footprint, both sides of
-- its door: the 3 x 2 picture, drawn centred on the site's position, reaches half a
-- cell past the rows it holds, so a sixth of it would lie in the water. The level
-- tool must refuse the level (see tools/level_tool/CMakeLists.txt).
local L = require("level_lib")
local T = require("level_terrain")

L.begin("terrain_overhang_house")
L.home(15, 9)
T.pond(18, 12, 20, 12)
T.pond(22, 12, 24, 12)
local x, y = L.centre(21, 13)
local house = L.place_at({ type = "cBuild", name = "house0", sprite = "house00", tag = "0" }, x, y)
L.place({ type = "cNode", name = "house0_door", data = house.id }, 21, 12)
L.finish()
