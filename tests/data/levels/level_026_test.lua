-- A level that cannot be won, played under the table's name "026" (its only task:
-- nine workers): the home with its door, two workers and a few trees, but no house
-- site, so the population never grows. On the game's path grid (31 x 25 skewed
-- cells over the 1024 x 768 level area), placed with cell_centre and point_to_cell.
-- Compile: level_tool compile tests/data/levels/level_026_test.lua tests/data/levels/level_026_test.lvl

level { name = "026", version = 100 }

local kWidth, kHeight = 31, 25

local function place(entry, cellX, cellY)
  entry.x, entry.y = cell_centre(cellX, cellY)
  object(entry)
end

local homeX, homeY = point_to_cell(512, 384)

place({ type = "cBuild", id = 1, name = "home", sprite = "base00" }, homeX, homeY)
place({ type = "cNode", id = 2, name = "home_door", data = 1 }, homeX + 3, homeY)
place({ type = "cWorker", id = 10, layer = 6, name = "worker_a" }, homeX + 3, homeY + 2)
place({ type = "cWorker", id = 11, layer = 6, name = "worker_b" }, homeX + 4, homeY - 1)

for i = 0, 2 do
  place({ type = "cSource", id = 50 + i, name = "tree_" .. i, sprite = "tree00_0" }, homeX - 6 + i * 3, homeY + 5)
end

local cells = {}
for i = 1, kWidth * kHeight do cells[i] = 0 end
grid { width = kWidth, height = kHeight, cells = cells }
