-- Level "012": the trader's timber. Six workers and 400 wood: the home stands in
-- the east with three house sites, the fields and the first trees; the big wood
-- lies west of a brook, round its northern end. Goblin camps in the wood rob the
-- trees (five trees: "achieve_goblin"); the level's script speeds them up at 90 s
-- and 180 s. A tower site stays unbuilt for "achieve_no_tower". A skeleton camp
-- between the home and the brook hunts the fellers on their way to the wood (the
-- script speeds it up too); the hero beside the home strikes the skeletons down.
-- Compile: level_tool compile data/level/src/level012.lua data/level/level012.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("012")
-- Rain: the ground is painted wet and green.
T.season("rain")
L.home(22, 8)
L.worker(25, 8, "worker0")
L.worker(20, 8, "worker1")
L.worker(21, 10, "worker2")
L.figure("cHero", "hero", 21, 6, "hero")
L.house(19, 11, "house0")
L.house(22, 12, "house1")
L.house(19, 5, "house2")
L.tower(25, 10, "tower0")
local fields = { { 18, 8 }, { 16, 12 }, { 23, 5 }, { 16, 6 }, { 16, 10 }, { 26, 9 } }
for i, cell in ipairs(fields) do
  L.field(cell[1], cell[2], "field" .. (i - 1), i % 2 == 0 and "field01" or "field00")
end
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
local trees = { { 17, 14 }, { 20, 15 }, { 18, 15 }, { 27, 9 }, { 25, 6 }, { 18, 3 } }
for i, cell in ipairs(trees) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[(i - 1) % #sprites + 1])
end

-- The brook along column 12 up to row 14 (the way round is its northern end);
-- trees on both banks, the big wood west of it, every other row and column open.
T.brook(12, 0, 12, 14)
local count = 0
for _, y in ipairs({ 9, 11, 7, 13, 5, 15, 17 }) do
  for x = 14, 4, -2 do
    if count < 34 and L.is_free(x, y) and L.is_clear_of_hud(x, y) then
      L.tree(x, y, "tree_more" .. count, sprites[count % #sprites + 1])
      count = count + 1
    end
  end
end
L.camp("goblin_wood", 3, 15, "base_enemy0", 30, 1)
L.camp("goblin_wood", 11, 3, "base_enemy1", 40, 1)
L.camp("skeleton", 15, 8, "skeleton_camp", 30, 1)
L.finish()
