-- Level "004": a farm from nothing. Eight workers from three: five house sites,
-- and no wood at the start, so the fields feed the first felling. The altar casts
-- "spell_fast_workers" (never casting it earns "achieve_no_speed"); goblins work
-- slowly here (rate 0.04 from the level table).
-- Compile: level_tool compile data/level/src/level004.lua data/level/level004.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("004")
F.scenery({ "simple=tree00_0", "simple=stone_big00" })
F.workers(3)
F.houses(5)
L.altar("spell_fast_workers", 9, 8, "altar0")
F.sources({ { "field", 5 }, { "tree", 16 } })
L.camp("goblin_wood", 22, 15, "goblin_camp", 25, 2)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
