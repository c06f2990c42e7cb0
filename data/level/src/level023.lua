-- Level 023, "The advisor's tower": three advisor towers ("tower_advisor", data 0, 1
-- and 2, 120 money each); only the one the advisor chose ends the level. The home
-- stands in the south-east with its fields; a mere lies in the middle of the valley
-- and its brook runs from it to the southern edge, crossed by a broken bridge
-- ("bridge0", 80 wood). The towers stand round the mere: one north of it, one west
-- of it and one in the south-western meadow beyond the brook, so the far ones are
-- walked to round the mere's northern shore or over the mended bridge. The gold
-- lies in six nuggets ("achieve_money" when the last is spent), two on the home's
-- side and four beyond the mere. A tank ("tank0") on the south-western rise sweeps
-- the meadow below it, very slowly; a nugget in its lane is there for the bold.
-- A skeleton camp in the west sends skeletons after the miners, three at a time,
-- one every 12 s or so; the hero by the home strikes them down, and without him
-- they reach the towers and the home's door.
local S = require("extras").scene("023")
local T = require("level_terrain")

S:home(21, 8)
for i, cell in ipairs({ { 23, 8 }, { 24, 7 }, { 23, 6 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:put({ type = "cHero", cell = { 19, 7 }, name = "hero", sprite = "hero" })
for i, cell in ipairs({ { 13, 15 }, { 10, 12 }, { 11, 6 } }) do
  S:site({ type = "cTunnelBuild", cell = cell, name = "tower_advisor" .. (i - 1), sprite = "tower_advisor",
           data = i - 1 })
end
for i, cell in ipairs({ { 24, 10 }, { 22, 12 }, { 18, 5 } }) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
for i, cell in ipairs({ { 18, 10 }, { 17, 13 }, { 8, 14 }, { 7, 10 }, { 17, 3 }, { 8, 8 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
for i, cell in ipairs({ { 19, 12 }, { 15, 16 }, { 20, 14 }, { 12, 9 }, { 16, 7 } }) do
  S:tree(cell[1], cell[2], "tree" .. (i - 1))
end
S:put({ type = "cTank", cell = { 12, 4 }, name = "tank0", sprite = "tank" })
S:camp(6, 13, "skeleton_camp", "skeleton", "12;3")
S:put({ type = "cBarrier", cell = { 15, 6 }, name = "bridge0", sprite = "bridge00", layer = 4 })
-- The mere and its brook down to the southern edge.
T.pond(13, 10, 15, 12)
T.brook(15, 9, 15, 0)
S:finish()
