-- Level "006": the trader's nights. Seven workers and 200 money. Three witch camps
-- "base_enemy0".."base_enemy2" sleep by day and wake at night (the level's night
-- script sets their pace); the hero hunts the witches (15 earn "achieve_witch").
-- Compile: level_tool compile data/level/src/level006.lua data/level/level006.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("006")
F.scenery({ "simple=stone_big00", "simple=tree01_2" })
F.workers(3)
L.figure("cHero", "hero", 12, 10, "hero")
F.houses(4)
F.sources({ { "nugget", 4 }, { "field", 4 }, { "tree", 10 } })
-- The night script multiplies these intervals by 7 or 8.
L.camp("witch", 6, 17, "base_enemy0", 2, 0)
L.camp("witch", 22, 15, "base_enemy1", 2, 0)
L.camp("witch", 27, 7, "base_enemy2", 2, 0)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
