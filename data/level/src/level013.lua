-- Level "013": six houses. Four workers build six "house00" sites (max level 0:
-- only level 0 counts) and gather 250 wood besides: the home and its fields stand
-- in the west, the house sites lie ever further east, and the wood stands on the
-- eastern rim, where a succubus camp charms the fellers now and then (three
-- within half a second: "achieve_succubus").
-- Compile: level_tool compile data/level/src/level013.lua data/level/level013.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("013")
L.home(7, 13)
L.worker(10, 13, "worker0")
L.worker(8, 10, "worker1")
L.worker(6, 11, "worker2")
L.worker(10, 15, "worker3")
L.house(12, 15, "house0")
L.house(12, 11, "house1")
L.house(16, 13, "house2")
L.house(16, 8, "house3")
L.house(20, 11, "house4")
L.house(21, 6, "house5")
local fields = { { 5, 15 }, { 9, 17 }, { 7, 16 }, { 4, 13 }, { 13, 9 }, { 13, 7 } }
for i, cell in ipairs(fields) do
  L.field(cell[1], cell[2], "field" .. (i - 1), i % 2 == 0 and "field01" or "field00")
end
T.pond(14, 16, 16, 18)
T.rocks(13, 3, 14, 4)
-- The wood on the eastern rim, every other row and column left open.
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
local count = 0
for _, y in ipairs({ 9, 7, 11, 13, 5, 15, 3, 17 }) do
  for x = 26, 14, -2 do
    if count < 34 and L.is_free(x, y) and L.is_clear_of_hud(x, y) then
      L.tree(x, y, "tree" .. count, sprites[count % #sprites + 1])
      count = count + 1
    end
  end
end
L.camp("succub", 27, 7, "succub_camp", 20, 3)
L.finish()
