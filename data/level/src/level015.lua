-- Level "015": the snow nights. 300 mana and seven workers. Four witch camps
-- "base_enemy0".."base_enemy3": each night two of them wake; bonfires lit by the
-- workers keep witches away (few lit: "achieve_less_fire").
-- Compile: level_tool compile data/level/src/level015.lua data/level/level015.lvl
local L = require("level_lib")
local F = require("level_farm")

F.begin("015")
-- Snow: the ground is painted under snow.
require("level_terrain").season("snow")
F.scenery({ "simple=tree00_3", "simple=tree01_0", "simple=stone00" })
F.workers(3)
F.houses(4)
L.bonfire(9, 9, "bonfire0")
L.bonfire(23, 8, "bonfire1")
F.sources({ { "well", 3 }, { "field", 4 }, { "tree", 10 } })
-- The night multiplies these intervals by 8.
for i, cell in ipairs(F.camp_cells) do
  L.camp("witch", cell[1], cell[2], "base_enemy" .. (i - 1), 6, 0)
end
-- The ground: a pond under the northern woods and rocks on the western rim, clear of every walk.
local T = require("level_terrain")
T.pond(16, 17, 18, 19)
T.rocks(5, 12, 6, 13)
F.finish()
