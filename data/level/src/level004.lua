-- Level "004": a farm from nothing. Eight workers from three: the home stands in
-- the south with its fields and three house sites; a rock wall crosses the level
-- north of it, its one gap closed by a log (clearing it costs food and gives the
-- first wood). Beyond the wall lie the wood, two more house sites and the altar
-- that casts "spell_fast_workers" (never casting it earns "achieve_no_speed");
-- a goblin camp in the wood sends slow fellers (rate 0.04 from the level table).
-- Compile: level_tool compile data/level/src/level004.lua data/level/level004.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("004")
L.home(15, 4)
L.worker(13, 5, "worker0")
L.worker(17, 6, "worker1")
L.worker(18, 3, "worker2")
L.house(11, 6, "house0")
L.house(19, 6, "house1")
L.house(22, 7, "house2")
L.field(14, 7, "field0")
L.field(16, 7, "field1", "field01")
L.field(14, 2, "field2")
L.field(18, 4, "field3", "field01")
L.field(12, 4, "field4")

-- The wall along row 9 and its log.
T.wall(0, 9, 30, 9)
L.barrier("log00", 15, 9, "barrier0")
L.house(12, 12, "house3")
L.house(18, 12, "house4")
L.altar("spell_fast_workers", 23, 11, "altar0")
local trees = {
  { 8, 13 }, { 10, 14 }, { 9, 16 }, { 11, 17 }, { 13, 15 }, { 14, 17 }, { 15, 14 }, { 16, 16 },
  { 17, 15 }, { 19, 14 }, { 16, 13 }, { 21, 14 }, { 7, 11 }, { 10, 11 }, { 15, 11 }, { 20, 11 },
}
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
for i, cell in ipairs(trees) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[(i - 1) % #sprites + 1])
end
L.camp("goblin_wood", 6, 16, "goblin_camp", 25, 2)
T.rocks(24, 5, 25, 6)
L.finish()
