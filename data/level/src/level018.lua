-- Level "018": the tomato harvest. 400 money and eight workers: five house sites,
-- nuggets and plenty of fields (200 food harvested: "achieve_tomatoes").
-- The home stands in the east among its fields; a brook runs down the west of the
-- level and the gold lies beyond it, over a bridge to mend (80 wood).
local S = require("extras").scene("018")
local T = require("level_terrain")

S:home(21, 11)
for i, cell in ipairs({ { 24, 11 }, { 23, 12 }, { 19, 9 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
for i, cell in ipairs({ { 16, 9 }, { 21, 7 }, { 18, 6 }, { 13, 11 }, { 15, 4 } }) do
  S:house(cell[1], cell[2], "house" .. (i - 1))
end
for i, cell in ipairs({ { 18, 11 }, { 17, 12 }, { 24, 10 }, { 23, 13 }, { 20, 13 }, { 21, 14 } }) do
  S:field(cell[1], cell[2], "field" .. (i - 1))
end
for i, cell in ipairs({ { 14, 8 }, { 13, 9 }, { 22, 9 }, { 24, 6 }, { 16, 7 }, { 12, 7 }, { 14, 14 }, { 7, 11 },
                        { 9, 12 }, { 10, 14 }, { 14, 6 }, { 15, 12 }, { 17, 4 }, { 20, 5 }, { 23, 6 }, { 24, 8 }, { 12, 13 }, { 16, 15 },
                        { 25, 9 }, { 13, 15 } }) do
  S:tree(cell[1], cell[2], "tree" .. (i - 1))
end
T.brook(11, 0, 11, 24)
S:put({ type = "cBarrier", cell = { 11, 6 }, name = "bridge0", sprite = "bridge00", layer = 4 })
for i, cell in ipairs({ { 6, 13 }, { 8, 14 }, { 5, 12 }, { 4, 14 }, { 7, 15 }, { 9, 16 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
T.rocks(14, 17, 15, 18)
S:finish()
