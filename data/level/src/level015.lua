-- Level "015": the snow nights. 300 mana and seven workers. Four witch camps
-- "base_enemy0".."base_enemy3": each night two of them wake; bonfires lit by the
-- workers keep witches away (few lit: "achieve_less_fire").
-- The home stands in the west behind a frozen-banked brook; the mana lies in three
-- wells on the far side, reached over two bridges to mend (80 wood each). The witch
-- camps sit round the wells and the fields, where the workers gather at night; the
-- hero strikes the witches and the wife thaws whom they freeze.
local S = require("extras").scene("015")
local T = require("level_terrain")
-- Snow: the ground is painted under snow.
T.season("snow")

S:home(9, 12)
for i, cell in ipairs({ { 12, 12 }, { 12, 10 }, { 11, 13 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:put({ type = "cHero", cell = { 12, 14 }, name = "hero", sprite = "hero" })
S:put({ type = "cWife", cell = { 11, 9 }, name = "wife", sprite = "wife" })
-- Houses: two by the home, two across the brook.
S:house(10, 15, "house0")
S:house(11, 6, "house1")
S:house(21, 12, "house2")
S:house(18, 5, "house3")
-- Wood on both sides, for the bridges and the houses, each crown clear of the
-- trees, fields and sites behind it.
local trees = {
  { 12, 16 }, { 12, 8 }, { 10, 8 }, { 13, 14 }, { 13, 17 }, { 5, 12 }, { 5, 14 }, { 7, 15 }, { 12, 2 }, { 13, 3 },
  { 13, 6 }, { 9, 7 }, { 20, 7 }, { 22, 6 }, { 23, 9 }, { 18, 11 }, { 19, 12 }, { 16, 13 },
}
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
-- The brook and its bridges.
T.brook(14, 0, 14, 24)
S:put({ type = "cBarrier", cell = { 14, 8 }, name = "bridge0", sprite = "bridge00", layer = 4 })
S:put({ type = "cBarrier", cell = { 14, 13 }, name = "bridge1", sprite = "bridge00", layer = 4 })
-- One field by the home, three across the brook; the wells far east.
local fields = { { 20, 10 }, { 6, 11 }, { 16, 9 }, { 18, 10 } }
for i, cell in ipairs(fields) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
for i, cell in ipairs({ { 24, 8 }, { 25, 10 }, { 23, 12 } }) do S:well(cell[1], cell[2], "well" .. (i - 1)) end
S:put({ type = "cBonfire", cell = { 21, 9 }, name = "bonfire0", sprite = "bonfire00" })
-- The south bonfire stands clear of the house built on the south site.
S:put({ type = "cBonfire", cell = { 16, 4 }, name = "bonfire1", sprite = "bonfire00" })
-- The night multiplies these intervals by 8.
for i, cell in ipairs({ { 26, 10 }, { 23, 14 }, { 19, 4 }, { 16, 15 } }) do
  S:camp(cell[1], cell[2], "base_enemy" .. (i - 1), "witch", "6;0")
end
T.rocks(5, 16, 6, 17)
S:finish()
