-- A level lost at once, played under the table's name "020" (no mana in stock): the
-- home with its door and two workers on an island that no path reaches, so every
-- worker is cut off and the blocked-workers check ends the level. On the game's
-- path grid (31 x 25 skewed cells, x outer, y inner), placed with cell_centre and
-- point_to_cell.
-- Compile: level_tool compile tests/data/levels/bot_blocked_test.lua tests/data/levels/bot_blocked_test.lvl

level { name = "020", version = 100 }

local kWidth, kHeight = 31, 25

local function place(entry, cellX, cellY)
  entry.x, entry.y = cell_centre(cellX, cellY)
  object(entry)
end

local homeX, homeY = point_to_cell(512, 384)
local islandX, islandY = point_to_cell(250, 250)

place({ type = "cBuild", id = 1, name = "home", sprite = "base00" }, homeX, homeY)
place({ type = "cNode", id = 2, name = "home_door", data = 1 }, homeX + 3, homeY)
place({ type = "cWorker", id = 10, layer = 6, name = "worker_a" }, islandX, islandY)
place({ type = "cWorker", id = 11, layer = 6, name = "worker_b" }, islandX, islandY + 1)

-- Water all round the island's two cells.
local cells = {}
for x = 0, kWidth - 1 do
  for y = 0, kHeight - 1 do
    local nearIsland = math.abs(x - islandX) <= 1 and y >= islandY - 1 and y <= islandY + 2
    local onIsland = x == islandX and (y == islandY or y == islandY + 1)
    cells[x * kHeight + y + 1] = (nearIsland and not onIsland) and -1 or 0
  end
end
grid { width = kWidth, height = kHeight, cells = cells }
