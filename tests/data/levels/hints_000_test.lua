-- The tutorial level "000" in small: the home with its door, three workers and the
-- wife, and the objects its chain of hints names, round the home on the game's
-- 31 x 25 path grid (all of it free ground): the tree "tree0", the bridges
-- "bridge0" and "bridge1", the field "field0", the log "barrier0", the altar
-- "altar0" with the point the wife casts from, and the house site "house0" with
-- its door.
-- Compile: level_tool compile tests/data/levels/hints_000_test.lua tests/data/levels/hints_000_test.lvl

level { name = "000", version = 100 }

local kWidth, kHeight = 31, 25

local function place(entry, cellX, cellY)
  entry.x, entry.y = cell_centre(cellX, cellY)
  object(entry)
end

local homeX, homeY = point_to_cell(512, 384)

place({ type = "cBuild", id = 1, name = "home", sprite = "base00" }, homeX, homeY)
place({ type = "cNode", id = 2, name = "home_door", data = 1 }, homeX + 3, homeY)
place({ type = "cWorker", id = 10, layer = 6, name = "worker0" }, homeX + 3, homeY + 2)
place({ type = "cWorker", id = 11, layer = 6, name = "worker1" }, homeX + 4, homeY - 1)
place({ type = "cWorker", id = 12, layer = 6, name = "worker2" }, homeX + 2, homeY - 2)
place({ type = "cWife", id = 13, layer = 6, name = "wife", sprite = "wife" }, homeX - 2, homeY - 2)

place({ type = "cSource", id = 20, name = "tree0", sprite = "tree00_0" }, homeX - 6, homeY + 5)
place({ type = "cBarrier", id = 21, layer = 4, name = "bridge0", sprite = "bridge00" }, homeX + 5, homeY + 2)
place({ type = "cField", id = 22, layer = 4, name = "field0", sprite = "field00" }, homeX + 8, homeY - 5)
place({ type = "cBarrier", id = 23, layer = 4, name = "bridge1", sprite = "bridge00" }, homeX - 8, homeY - 3)
place({ type = "cBarrier", id = 24, name = "barrier0", sprite = "log00" }, homeX - 3, homeY - 7)
place({ type = "cAltar", id = 25, name = "altar0", sprite = "spell_fast_workers" }, homeX - 2, homeY + 4)
place({ type = "cNode", id = 28, name = "altar0_stand", data = 25 }, homeX - 2, homeY + 2)
place({ type = "cBuild", id = 26, name = "house0", sprite = "house00", tag = "1" }, homeX + 4, homeY - 7)
place({ type = "cNode", id = 27, name = "house0_door", data = 26 }, homeX + 4, homeY - 9)

local cells = {}
for i = 1, kWidth * kHeight do cells[i] = 0 end
grid { width = kWidth, height = kHeight, cells = cells }
