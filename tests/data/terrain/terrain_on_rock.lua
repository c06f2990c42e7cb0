-- A field placed on rocks: the level tool must refuse the level, for the field
-- would hide ground the grid blocks (see tools/level_tool/CMakeLists.txt).
local L = require("level_lib")
local T = require("level_terrain")

L.begin("terrain_on_rock")
L.home(15, 9)
T.rocks(20, 8, 21, 9)
L.field(21, 9, "field0")
L.finish()
