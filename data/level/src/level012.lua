-- Level "012": the trader's timber. Six workers and 400 wood: three house sites
-- and a big wood. Goblin camps rob the trees (five trees: "achieve_goblin"); the
-- level's script speeds them up at 90 s and 180 s. A tower site stays unbuilt for
-- "achieve_no_tower".
-- Compile: level_tool compile data/level/src/level012.lua data/level/level012.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("012")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")
F.scenery({ "simple=tree00_0", "simple=stone_big00" })
F.workers(3)
F.houses(3)
L.tower(9, 9, "tower0")
F.sources({ { "field", 6 }, { "tree", 8 } })
F.forest(32)
L.camp("goblin_wood", 22, 15, "base_enemy0", 30, 1)
L.camp("goblin_wood", 27, 7, "base_enemy1", 40, 1)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
