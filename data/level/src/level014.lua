-- Level "014": the wells. Seven workers and 200 mana, with food to spare: five
-- house sites, wells and the trees (felling every one: "achieve_wood"; seven
-- workers within a minute: "achieve_fast_find").
-- Compile: level_tool compile data/level/src/level014.lua data/level/level014.lvl
local F = require("level_farm")

F.begin("014")
F.scenery({ "simple=stone_big00", "simple=tree01_2" })
F.workers(2)
F.houses(5)
F.sources({ { "well", 3 }, { "tree", 14 } })
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
