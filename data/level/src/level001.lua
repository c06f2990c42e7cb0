-- Level "001": the watch towers. Two "tower00" sites (max level 0, the first one
-- "tower0" for the hint) guard the farm against a skeleton camp in the north-west;
-- the hero fights the skeletons (25 of them fall for "achieve_skeleton"). Five
-- workers: two start, three house sites. Nuggets pay the towers' money.
-- Compile: level_tool compile data/level/src/level001.lua data/level/level001.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("001")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")
F.scenery({ "simple=tree01_0", "simple=stump00", "simple=stone00" })
F.workers(2)
L.figure("cHero", "hero", 12, 10, "hero")
F.houses(3)
L.tower(9, 9, "tower0")
L.tower(23, 8, "tower1")
F.sources({ { "nugget", 3 }, { "field", 3 }, { "tree", 10 } })
-- Skeletons come one at a time, seldom enough for a plain farm to go on working.
L.camp("skeleton", 6, 17, "skeleton_camp", 9, 2)
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
