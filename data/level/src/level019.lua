-- Level "019": the trader's tower. 300 wood and eight workers: five house sites
-- and a wood. The enemy tower "tower_enemy0" watches the northern rim; "altar0"
-- casts "spell_shield" against it.
-- Compile: level_tool compile data/level/src/level019.lua data/level/level019.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("019")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")
F.scenery({ "simple=tree00_3", "simple=tree01_0", "simple=stone00" })
F.workers(3)
F.houses(5)
L.altar("spell_shield", 9, 8, "altar0")
F.sources({ { "field", 6 }, { "tree", 8 } })
F.forest(24)
L.enemy_tower(6, 17, "tower_enemy0")
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
