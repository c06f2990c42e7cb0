-- Level "009": the dark altar. Six workers: four house sites, "house0" of them may
-- be raised a level. The enemy altar "altar_enemy0" slowly charges a spell that
-- kills every worker; its period outlasts the level's time limit, so a player who
-- builds in time wins. The wife can cast "spell_freeze_water" at "altar0" to
-- freeze the lake; "bell0" calls the workers (left unrung: "achieve_bell").
-- Compile: level_tool compile data/level/src/level009.lua data/level/level009.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("009")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")
F.scenery({ "simple=tree01_0", "simple=stump00", "simple=stone00" })
F.workers(2)
L.figure("cWife", "wife", 12, 8, "wife")
F.houses(4, 1, { "house0", "house1", "house2", "house3" })
L.altar("spell_freeze_water", 9, 8, "altar0")
L.lake(23, 8, "lake0")
L.bell(11, 18, "bell0")
-- The time limit is 510 s: the altar never charges within a level's play.
L.enemy_altar("enemy_spell_kill_workers", 900, 9, 17, "altar_enemy0")
F.sources({ { "field", 4 }, { "well", 2 }, { "tree", 12 } })
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
