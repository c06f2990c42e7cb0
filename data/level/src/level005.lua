-- Level "005": the rainy season. Seven workers, 200 food and 200 money. A goblin
-- camp and a witch camp stay quiet at first; at 100 s the level's script halves
-- their intervals and lets four more walkers out (four frozen workers at once earn
-- "achieve_ice_block"). Wells give mana (300 earn "achieve_mana").
-- Compile: level_tool compile data/level/src/level005.lua data/level/level005.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("005")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")
F.scenery({ "simple=tree01_0", "simple=stump00", "simple=stone00" })
F.workers(3)
F.houses(4)
F.sources({ { "field", 5 }, { "nugget", 4 }, { "well", 2 }, { "tree", 10 } })
L.well(9, 9, "well_west")
L.camp("goblin_money", 22, 15, "goblin_camp", 60, 0)
L.camp("witch", 6, 17, "witch_camp", 80, 0)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
