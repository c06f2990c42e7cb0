-- Level "018": the tomato harvest. 400 money and eight workers: five house sites,
-- nuggets and plenty of fields (200 food harvested: "achieve_tomatoes").
-- The home stands in the east with its fields in front of it, clear of its walls;
-- a brook runs down the west of the level and the gold lies beyond it, over a
-- bridge to mend (80 wood), with a few trees below the nuggets, never in front.
local S = require("extras").scene("018")
local T = require("level_terrain")

S:home(21, 11)
for i, cell in ipairs({ { 24, 11 }, { 23, 12 }, { 19, 9 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
for i, cell in ipairs({ { 16, 9 }, { 21, 7 }, { 18, 6 }, { 13, 11 }, { 15, 4 } }) do
  S:house(cell[1], cell[2], "house" .. (i - 1))
end
local fields = { { 23, 8 }, { 18, 11 }, { 24, 10 }, { 23, 13 }, { 22, 5 }, { 24, 6 } }
for i, cell in ipairs(fields) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
local trees = {
  { 14, 8 }, { 12, 9 }, { 12, 3 }, { 14, 2 }, { 16, 7 }, { 12, 7 }, { 14, 14 }, { 10, 7 }, { 8, 9 }, { 10, 9 },
  { 14, 6 }, { 15, 12 }, { 17, 4 }, { 21, 5 }, { 16, 13 }, { 15, 15 }, { 12, 13 }, { 16, 15 }, { 17, 14 }, { 12, 15 },
}
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
T.brook(11, 0, 11, 24)
S:put({ type = "cBarrier", cell = { 11, 6 }, name = "bridge0", sprite = "bridge00", layer = 4 })
local nuggets = { { 6, 13 }, { 8, 14 }, { 5, 12 }, { 4, 14 }, { 7, 15 }, { 9, 16 } }
for i, cell in ipairs(nuggets) do S:nugget(cell[1], cell[2], "nugget" .. (i - 1)) end
T.rocks(14, 17, 15, 18)
S:finish()
