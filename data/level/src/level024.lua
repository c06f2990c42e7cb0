-- Level 024, "The wheat road": the lighthouse ("lighthouse0", 250 wood) and 300
-- money. The home stands in the west by a pond, the lighthouse site at the far end
-- of the road that runs east along the valley, and the three fields along the road
-- feed the axes and the picks (300 food gathered gives "achieve_wheat"). The wood
-- covers the northern slope, the gold lies west and south of the home. A rock cliff
-- closes the southern meadow off from the valley; it is walked round at its eastern
-- end, or crossed where a fallen log or a stone lies in its gaps. Two slow bandits
-- walk a loop of way points in the meadow, round its two nuggets and few trees.
-- A skeleton camp in the northern wood sends skeletons after the woodcutters; the
-- hero by the home strikes them down.
local S = require("extras").scene("024")
local T = require("level_terrain")

S:home(11, 12)
for i, cell in ipairs({ { 14, 11 }, { 14, 10 }, { 13, 10 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:put({ type = "cHero", cell = { 13, 14 }, name = "hero", sprite = "hero" })
S:site({ type = "cTunnelBuild", cell = { 21, 11 }, name = "lighthouse0", sprite = "lighthouse00" })
for i, cell in ipairs({ { 15, 12 }, { 17, 9 }, { 19, 12 } }) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
for i, cell in ipairs({ { 8, 9 }, { 10, 8 }, { 12, 9 }, { 14, 3 }, { 17, 4 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
local trees = {
  { 11, 17 }, { 14, 17 }, { 10, 16 }, { 13, 16 }, { 9, 15 }, { 12, 15 }, { 15, 15 }, { 8, 14 }, { 14, 14 }, { 17, 14 },
  { 22, 8 }, { 24, 11 }, { 24, 9 }, { 13, 4 }, { 16, 3 }, { 19, 5 },
}
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
S:camp(16, 16, "skeleton_camp", "skeleton", "20;2")
for i, cell in ipairs({ { 14, 5 }, { 19, 3 } }) do
  S:put({ type = "cBandit", cell = cell, name = "bandit" .. (i - 1), sprite = "bandit" })
end
-- The bandits' loop in the meadow, in walking order.
for i, cell in ipairs({ { 12, 3 }, { 15, 2 }, { 19, 4 }, { 16, 5 } }) do
  S:put({ type = "cWayPoint", cell = cell, name = "way" .. (i - 1) })
end
S:put({ type = "cBarrier", cell = { 11, 6 }, name = "stone0", sprite = "stone00" })
S:put({ type = "cBarrier", cell = { 17, 6 }, name = "log0", sprite = "log00" })
-- The cliff above the meadow, open at its eastern end, and the pond by the home.
T.wall(0, 6, 20, 6)
T.pond(7, 12, 8, 13)
S:finish()
