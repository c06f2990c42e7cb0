-- A level for the bot, played under the table's name "003" (six workers, 200 food,
-- 200 money): the home with its door, two workers, four house sites, trees and one
-- field on the home bank of a brook; more fields and the gold nuggets on the far
-- bank, reached only over a broken bridge the workers must mend first. On the game's path grid
-- (31 x 25 skewed cells, x outer, y inner), placed with cell_centre and
-- point_to_cell.
-- Compile: level_tool compile tests/data/levels/bot_bridge_test.lua tests/data/levels/bot_bridge_test.lvl

level { name = "003", version = 100 }

local kWidth, kHeight = 31, 25

local function place(entry, cellX, cellY)
  entry.x, entry.y = cell_centre(cellX, cellY)
  object(entry)
end

-- A house site (3 x 2 cells) stands on the middle of its footprint: the cell's
-- column, the corner between its row and the row above.
local function place_house(entry, cellX, cellY)
  local x0, y0 = cell_centre(cellX, cellY)
  local x1, y1 = cell_centre(cellX, cellY + 1)
  entry.x, entry.y = (x0 + x1) / 2, (y0 + y1) / 2
  object(entry)
end

local homeX, homeY = point_to_cell(420, 230)

place({ type = "cBuild", id = 1, name = "home", sprite = "base00" }, homeX, homeY)
place({ type = "cNode", id = 2, name = "home_door", data = 1 }, homeX + 3, homeY)
place({ type = "cWorker", id = 10, layer = 6, name = "worker_a" }, homeX + 3, homeY + 2)
place({ type = "cWorker", id = 11, layer = 6, name = "worker_b" }, homeX + 4, homeY - 1)

for i = 0, 3 do
  local id = 20 + i * 2
  place_house({ type = "cBuild", id = id, name = "house_" .. i, sprite = "house00", tag = "0" }, homeX - 3 + i * 2,
              homeY - 5)
  place({ type = "cNode", id = id + 1, name = "house_" .. i .. "_door", data = id }, homeX - 3 + i * 2, homeY - 6)
end
for i = 0, 5 do
  place({ type = "cSource", id = 40 + i, name = "tree_" .. i, sprite = "tree00_0" }, homeX - 5 + i * 2, homeY + 5)
  place({ type = "cSource", id = 90 + i, name = "tree_far_" .. i, sprite = "tree01_0" }, homeX - 5 + i * 2, homeY + 8)
end
place({ type = "cField", id = 50, layer = 4, name = "field_home", sprite = "field00" }, homeX - 3, homeY + 2)

-- The brook: cell column brookX is water but for the bridge's cell.
local brookX = homeX + 6
local bridgeY = homeY
place({ type = "cBarrier", id = 60, name = "bridge", sprite = "bridge00" }, brookX, bridgeY)
for i = 0, 2 do
  place({ type = "cField", id = 70 + i, layer = 4, name = "field_" .. i, sprite = "field00" }, brookX + 2, bridgeY - 3 + i * 3)
  place({ type = "cSource", id = 80 + i, name = "nugget_" .. i, sprite = "nugget00" }, brookX + 5, bridgeY - 2 + i * 2)
end

local cells = {}
for x = 0, kWidth - 1 do
  for y = 0, kHeight - 1 do
    cells[x * kHeight + y + 1] = (x == brookX and y ~= bridgeY) and -1 or 0
  end
end
grid { width = kWidth, height = kHeight, cells = cells }
