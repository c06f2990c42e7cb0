-- Level "008": the lighthouse. One "lighthouse00" (250 wood, paid as the work goes
-- on) east of the farm; trees and fields round the farm. Two bandits walk
-- their round of way points along the northern hills (speed 1.1, 1.35 after
-- 100 s), far enough from every work place that only their screams carry. A
-- skeleton camp on the southern rim, below the fields, sends a skeleton now and
-- then after the workers; the hero, by the home, strikes it down. A well:
-- "achieve_mana_well" while nobody works it.
-- Compile: level_tool compile --terrain data/level/terrain/level008.lua
--            data/level/src/level008.lua data/level/level008.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local L = require("level_lib")
local F = require("level_farm")

F.begin("008")
-- Rain: the ground is painted wet and green.
require("level_terrain").season("rain")
F.scenery({ "simple=tree00_0", "simple=stone_big00" })
F.workers(3)
L.figure("cHero", "hero", 19, 8, "hero")
L.special_site("lighthouse00", 23, 8, "lighthouse0")
L.well(9, 9, "well0")
-- The bandits' hills: no work place within their reach.
F.reserve(0, 15, 30, 24)
L.way_point(8, 19, "way0")
L.way_point(13, 21, "way1")
L.way_point(18, 20, "way2")
L.way_point(14, 18, "way3")
L.figure("cBandit", "bandit", 10, 19, "bandit0")
L.figure("cBandit", "bandit", 11, 20, "bandit1")
F.sources({ { "field", 5 }, { "tree", 12 } })
F.forest(12)
-- The ground: rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.rocks(5, 12, 6, 13)
L.camp("skeleton", 12, 3, "skeleton_camp", 25, 1)
F.finish()
