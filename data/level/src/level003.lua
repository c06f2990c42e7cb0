-- Level "003": the goblins' hill. Six workers, 200 food and 200 money: four house
-- sites, fields and nuggets. A goblin camp sends slow thieves (work rate 0.08 from
-- the level table); the hero chases them. The mill stands built, and a player who
-- never needs it earns "achieve_no_mill".
-- Compile: level_tool compile data/level/src/level003.lua data/level/level003.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("003")
F.scenery({ "simple=tree00_3", "simple=tree01_0", "simple=stone00" })
F.workers(2)
L.figure("cHero", "hero", 12, 10, "hero")
F.houses(4)
L.plant("mill00", 23, 8, "mill0", "1;0", { "food" })
F.sources({ { "field", 5 }, { "nugget", 4 }, { "tree", 12 } })
L.camp("goblin_money", 22, 15, "goblin_camp", 20, 2)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
