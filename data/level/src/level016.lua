-- Level "016": gravik's goblins. Seven workers and 300 money; two goblin camps
-- "base_enemy0" and "base_enemy1" send thieves at night.
-- Compile: level_tool compile data/level/src/level016.lua data/level/level016.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("016")
F.scenery({ "simple=tree00_0", "simple=stone_big00" })
F.workers(3)
F.houses(4)
F.sources({ { "nugget", 5 }, { "field", 4 }, { "tree", 10 } })
-- The night multiplies these intervals by 7.
L.camp("goblin_money", 6, 17, "base_enemy0", 5, 0)
L.camp("goblin_money", 27, 7, "base_enemy1", 5, 0)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
