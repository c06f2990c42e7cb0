-- A level for the bot's hero and wife, played under the table's name "019": the
-- home with its door, the hero and his wife, two workers and trees, and a skeleton
-- right beside the workers. On the game's path grid
-- (31 x 25 skewed cells over the 1024 x 768 level area), placed with cell_centre
-- and point_to_cell. The test freezes a worker itself.
-- Compile: level_tool compile tests/data/levels/bot_guard_test.lua tests/data/levels/bot_guard_test.lvl

level { name = "019", version = 100 }

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
place({ type = "cHero", id = 12, layer = 6, name = "hero", sprite = "hero" }, homeX + 2, homeY + 3)
place({ type = "cWife", id = 13, layer = 6, name = "wife", sprite = "wife" }, homeX + 2, homeY - 3)

for i = 0, 3 do
  place({ type = "cSource", id = 20 + i, name = "tree_" .. i, sprite = "tree00_0" }, homeX - 6 + i * 2, homeY + 5)
end

place({ type = "cSkeleton", id = 40, layer = 6, name = "skeleton", sprite = "skeleton" }, homeX + 6, homeY)

local cells = {}
for i = 1, kWidth * kHeight do cells[i] = 0 end
grid { width = kWidth, height = kHeight, cells = cells }
