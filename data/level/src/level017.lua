-- Level "017": the enemy towers. 500 money from the nuggets, with food to spare.
-- Two enemy towers stand at the rim, out of reach of the farm; the altar's
-- "spell_shield" silences them (no hit at all: "achieve_shield").
-- Compile: level_tool compile data/level/src/level017.lua data/level/level017.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("017")
F.scenery({ "simple=tree01_0", "simple=stump00", "simple=stone00" })
F.workers(4)
L.altar("spell_shield", 9, 8, "altar0")
F.sources({ { "nugget", 8 }, { "well", 2 } })
L.enemy_tower(6, 17, "tower_enemy0")
L.enemy_tower(27, 7, "tower_enemy1")
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
