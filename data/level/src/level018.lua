-- Level "018": the tomato harvest. 400 money and eight workers: five house sites,
-- nuggets and plenty of fields (200 food harvested: "achieve_tomatoes").
-- Compile: level_tool compile data/level/src/level018.lua data/level/level018.lvl
local F = require("level_farm")

F.begin("018")
F.scenery({ "simple=stone_big00", "simple=tree01_2" })
F.workers(3)
F.houses(5)
F.sources({ { "field", 6 }, { "nugget", 6 }, { "tree", 4 } })
F.fill("tree", 8)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
