-- Level "002": the gold find. Five workers and 250 money: three house sites, gold
-- nuggets south of the home, fields to pay the diggers and trees for the houses.
-- Compile: level_tool compile data/level/src/level002.lua data/level/level002.lvl
local F = require("level_farm")

F.begin("002")
F.scenery({ "simple=stone_big00", "simple=tree01_2" })
F.workers(2)
F.houses(3)
F.sources({ { "nugget", 5 }, { "field", 3 }, { "tree", 8 } })
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
