-- Level 025, "The trader's prison": 250 food, 250 wood and 250 money. The valley
-- lies wet under the rain: a chain of three ponds crosses it from the western rim
-- eastwards, and the walks north go between them or round the eastern pond's end.
-- The home stands in the middle of the valley with the well, the fields, two house
-- sites and three nuggets round it; the main wood and two nuggets lie beyond the
-- ponds. A bandit ("bandit0") walks the eastern wood and the road past the eastern
-- pond, and locks the workers he catches in the prison ("prison0") in the wood; the
-- wife opens it for 80 mana, which the well gives.
-- A skeleton camp in the gap between the western ponds sends skeletons at the work
-- round the home; the hero strikes them down.
local S = require("extras").scene("025")
local T = require("level_terrain")
-- Rain: the ground is painted wet and green.
T.season("rain")

S:home(14, 8)
for i, cell in ipairs({ { 16, 8 }, { 17, 7 }, { 16, 6 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:put({ type = "cHero", cell = { 11, 10 }, name = "hero", sprite = "hero" })
S:put({ type = "cWife", cell = { 17, 9 }, name = "wife", sprite = "wife" })
S:well(16, 11, "well0")
for i, cell in ipairs({ { 10, 8 }, { 12, 5 } }) do S:house(cell[1], cell[2], "house" .. (i - 1)) end
for i, cell in ipairs({ { 7, 10 }, { 16, 4 }, { 19, 7 } }) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
for i, cell in ipairs({ { 18, 11 }, { 14, 4 }, { 20, 5 }, { 9, 15 }, { 14, 16 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
local trees = {
  { 11, 17 }, { 14, 17 }, { 10, 16 }, { 13, 16 }, { 6, 15 }, { 12, 15 }, { 8, 14 }, { 11, 14 }, { 14, 14 },
  { 20, 8 }, { 22, 7 }, { 18, 5 }, { 15, 11 }, { 12, 3 }, { 6, 11 }, { 23, 5 },
}
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
S:site({ type = "cPrison", cell = { 24, 10 }, name = "prison0", sprite = "" })
S:put({ type = "cBandit", cell = { 21, 13 }, name = "bandit0", sprite = "bandit" })
-- The bandit's loop, in walking order: the eastern wood and the road past the pond.
for i, cell in ipairs({ { 21, 14 }, { 23, 14 }, { 25, 12 }, { 23, 12 } }) do
  S:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
S:camp(8, 12, "skeleton_camp", "skeleton", "20;2")
-- The three ponds across the valley.
T.pond(5, 12, 7, 13)
T.pond(9, 12, 11, 13)
T.pond(16, 13, 18, 14)
-- The thicket behind the bandit's prison.
T.woods(25, 8, 26, 9)
S:finish()
