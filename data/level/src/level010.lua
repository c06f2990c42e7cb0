-- Level "010": the winter store. Seven workers with food to spare: five house
-- sites and trees. Six stones lie about the farm ("stone0" first); clearing them
-- costs money from the nuggets (all six: "achieve_stone_barrier").
-- Compile: level_tool compile data/level/src/level010.lua data/level/level010.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("010")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")
F.scenery({ "simple=stone_big00", "simple=tree01_2" })
F.workers(2)
F.houses(5)
L.barrier("stone00", 9, 9, "stone0")
L.barrier("stone00", 11, 10, "stone1")
L.barrier("stone00", 10, 8, "stone2")
L.barrier("stone00", 22, 7, "stone3")
L.barrier("stone00", 24, 9, "stone4")
L.barrier("stone00", 25, 6, "stone5")
F.sources({ { "nugget", 5 }, { "tree", 14 } })
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 18, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
