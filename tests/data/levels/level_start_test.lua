-- A level for the game's level screen on the game's own path grid (31 x 25 skewed
-- cells over the 1024 x 768 level area): the home with its door and two workers, a
-- third worker and a tree on an island no path reaches, the mill with its door and
-- the food pick-up it brings back, a tree on the mainland, three way points listed
-- out of id order, two bandits to walk in a column and the fountain in a middle
-- layer. Cells are placed with the game grid's cell_centre and point_to_cell.
-- Compile: level_tool compile tests/data/levels/level_start_test.lua tests/data/levels/level_start_test.lvl

level { name = "level_start_test", version = 100 }

local kWidth, kHeight = 31, 25

local function place(entry, cellX, cellY)
  entry.x, entry.y = cell_centre(cellX, cellY)
  object(entry)
end

-- The middle of the level area is the home's cell.
local homeX, homeY = point_to_cell(512, 384)

place({ type = "cBuild", id = 1, name = "home", sprite = "base00" }, homeX, homeY)
place({ type = "cNode", id = 2, name = "home_door", data = 1 }, homeX + 3, homeY)
place({ type = "cWorker", id = 10, layer = 6, name = "worker_a" }, homeX + 3, homeY + 2)
place({ type = "cWorker", id = 11, layer = 6, name = "worker_b" }, homeX + 4, homeY - 1)

-- The island: one cell for a worker and one for a tree, water all round.
local islandX, islandY = point_to_cell(300, 200)
place({ type = "cWorker", id = 12, layer = 6, name = "worker_island" }, islandX, islandY)
place({ type = "cSource", id = 13, name = "tree_island", sprite = "tree00_0" }, islandX, islandY + 1)

-- The mill, its door and its pick-up.
local millX, millY = point_to_cell(800, 250)
place({ type = "cPlant", id = 20, name = "mill", sprite = "mill00" }, millX, millY)
place({ type = "cNode", id = 22, name = "mill_door", data = 20 }, millX - 3, millY)
place({ type = "cItem", id = 21, layer = 6, name = "item_food", sprite = "food", data = 20 }, millX, millY + 3)
place({ type = "cSource", id = 14, name = "tree_main", sprite = "tree00_0" }, homeX - 4, homeY + 3)

-- The bandits' route, in the order the level lists it.
place({ type = "cWayPoint", id = 32, name = "way_a" }, homeX - 5, homeY - 5)
place({ type = "cWayPoint", id = 30, name = "way_b" }, homeX + 5, homeY - 5)
place({ type = "cWayPoint", id = 31, name = "way_c" }, homeX + 5, homeY + 5)
place({ type = "cBandit", id = 40, layer = 6, name = "bandit_a", sprite = "bandit" }, homeX - 6, homeY + 6)
place({ type = "cBandit", id = 41, layer = 6, name = "bandit_b", sprite = "bandit" }, homeX - 7, homeY + 6)

-- The fountain starts in the scenery layer; the level start puts it under all.
place({ type = "cDecor", id = 50, layer = 3, name = "fountain", sprite = "anim=source_fountain" }, homeX - 3, homeY - 3)

-- The ground: free everywhere but round the island.
local cells = {}
for x = 0, kWidth - 1 do
  for y = 0, kHeight - 1 do
    local dx, dy = x - islandX, y - islandY
    local onIsland = dx == 0 and (dy == 0 or dy == 1)
    local water = not onIsland and dx >= -1 and dx <= 1 and dy >= -1 and dy <= 2
    cells[#cells + 1] = water and -1 or 0
  end
end
grid { width = kWidth, height = kHeight, cells = cells }
