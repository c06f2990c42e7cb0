-- A small level played to its win under the table's name "002" (tasks: five
-- workers and 250 money): the home with its door and two workers, three house
-- sites with their doors, two fields, trees and gold nuggets, all on the game's
-- path grid (31 x 25 skewed cells over the 1024 x 768 level area), placed with the
-- game grid's cell_centre and point_to_cell.
-- Compile: level_tool compile tests/data/levels/level_002_test.lua tests/data/levels/level_002_test.lvl

level { name = "002", version = 100 }

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

-- House sites, each to be built once, with the door a new worker steps out of.
for i = 0, 2 do
  local id = 20 + i * 2
  place({ type = "cBuild", id = id, name = "house_" .. i, sprite = "house00", tag = "1" }, homeX - 6 + i * 4, homeY - 6)
  place({ type = "cNode", id = id + 1, name = "house_" .. i .. "_door", data = id }, homeX - 6 + i * 4, homeY - 8)
end

-- Fields, trees and nuggets round the home.
place({ type = "cField", id = 40, layer = 4, name = "field_a", sprite = "field00" }, homeX + 6, homeY + 5)
place({ type = "cField", id = 41, layer = 4, name = "field_b", sprite = "field00" }, homeX + 9, homeY + 5)
for i = 0, 3 do
  place({ type = "cSource", id = 50 + i, name = "tree_" .. i, sprite = "tree00_0" }, homeX - 8 + i * 2, homeY + 5)
  place({ type = "cSource", id = 60 + i, name = "nugget_" .. i, sprite = "nugget00" }, homeX + 6 + i * 2, homeY - 5)
end

local cells = {}
for i = 1, kWidth * kHeight do cells[i] = 0 end
grid { width = kWidth, height = kHeight, cells = cells }
