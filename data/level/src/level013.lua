-- Level "013": six houses. Four workers build six "house00" sites (max level 0:
-- only level 0 counts) and gather 250 wood besides; a succubus camp charms the
-- workers now and then (three within half a second: "achieve_succubus").
-- Compile: level_tool compile data/level/src/level013.lua data/level/level013.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("013")
F.scenery({ "simple=tree01_0", "simple=stump00", "simple=stone00" })
F.workers(4)
F.houses(6)
F.sources({ { "field", 6 }, { "tree", 8 } })
F.forest(26)
L.camp("succub", 27, 7, "succub_camp", 20, 3)
-- The ground: rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.rocks(5, 12, 6, 13)
F.finish()
