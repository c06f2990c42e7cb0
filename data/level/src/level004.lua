-- Level "004": a farm from nothing. Eight workers from three: the home stands in
-- the south with one field and three house sites; a rock wall crosses the level
-- north of it, its one gap, at the western end, closed by a log (clearing it costs
-- food and gives the first wood). Beyond the wall lie the second field, the wood
-- in the far north, two more house sites and the altar that casts
-- "spell_fast_workers" (never casting it earns "achieve_no_speed"); a goblin camp
-- at the wood's western edge sends slow fellers (rate 0.04 from the level table),
-- and a skeleton camp between the field and the wood hunts the workers: the hero,
-- by the home, chases the goblins and strikes the skeletons down.
-- Compile: level_tool compile data/level/src/level004.lua data/level/level004.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("004")
L.home(15, 4)
L.worker(13, 5, "worker0")
L.worker(17, 6, "worker1")
L.worker(18, 3, "worker2")
L.figure("cHero", "hero", 11, 3, "hero")
L.house(11, 6, "house0")
L.house(19, 6, "house1")
L.house(22, 7, "house2")
L.field(14, 12, "field0")
L.field(21, 4, "field1", "field01")

-- The wall along row 9 and its log at the western end.
T.wall(0, 9, 30, 9)
L.barrier("log00", 8, 9, "barrier0")
L.house(6, 13, "house3")
L.house(22, 14, "house4")
L.altar("spell_fast_workers", 23, 11, "altar0")
local trees = {
  { 8, 17 }, { 10, 18 }, { 12, 19 }, { 14, 20 }, { 11, 14 }, { 19, 14 }, { 20, 18 }, { 21, 16 },
  { 19, 16 }, { 17, 17 }, { 15, 18 }, { 13, 17 }, { 11, 16 }, { 9, 15 }, { 15, 15 }, { 17, 14 },
}
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
for i, cell in ipairs(trees) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[(i - 1) % #sprites + 1])
end
L.camp("goblin_wood", 6, 16, "goblin_camp", 25, 2)
L.camp("skeleton", 18, 12, "skeleton_camp", 12, 2)
T.rocks(24, 5, 25, 6)
L.finish()
