-- A field beside a brook: its plot is drawn nearly two cells wide round its one
-- cell, so a quarter of the picture would lie in the water. The level tool must
-- refuse the level (see tools/level_tool/CMakeLists.txt).
local L = require("level_lib")
local T = require("level_terrain")

L.begin("terrain_overhang")
L.home(15, 9)
T.brook(21, 4, 21, 14)
L.field(20, 9, "field0")
L.finish()
