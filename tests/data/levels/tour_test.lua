-- The smallest level the game's level screen plays: the home with its door and two
-- workers on the game's 31 x 25 path grid, all of it free ground. Its name lies
-- outside the level table, so no set-up applies. Cells are placed with the game
-- grid's cell_centre and point_to_cell.
-- Compile: level_tool compile tests/data/levels/tour_test.lua tests/data/levels/tour_test.lvl

level { name = "tour_test", version = 100 }

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

local cells = {}
for i = 1, kWidth * kHeight do cells[i] = 0 end
grid { width = kWidth, height = kHeight, cells = cells }
