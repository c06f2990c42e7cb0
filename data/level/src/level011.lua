-- Level "011": the key altar. The ruins "key_altar0" take 500 food, paid as the
-- work goes on; 250 money come from the nuggets. "worker0" is the worker the first
-- hint follows when a goblin (rate 0.04) robs it. A skeleton camp south of the
-- fields hunts the farmers; the hero beside the home strikes the skeletons down.
-- Compile: level_tool compile --terrain data/level/terrain/level011.lua
--            data/level/src/level011.lua data/level/level011.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local L = require("level_lib")
local F = require("level_farm")

F.begin("011")
F.scenery({ "simple=tree00_3", "simple=tree01_0", "simple=stone00" })
F.workers(4)
L.special_site("ruins00", 23, 8, "key_altar0")
F.sources({ { "field", 8 }, { "nugget", 5 }, { "tree", 4 } })
L.camp("goblin_money", 6, 17, "goblin_camp", 30, 1)
L.figure("cHero", "hero", 18, 8, "hero")
L.camp("skeleton", 19, 3, "skeleton_camp", 30, 1)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
