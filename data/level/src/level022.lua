-- Level 022, "The ice castle": the castle ("castle_ice") is paid off coin by coin,
-- 400 money in all, by five workers with food to spare. The home and the castle
-- site stand on the snowy upland in the north; a rock ridge runs across the valley
-- below them, and the gold lies in seven nuggets beyond it, in the southern hollow,
-- by a skeleton camp whose skeletons the hero by the home must meet: two at a time,
-- one every 12 s or so, enough to drive the miners off when nobody answers them.
-- The ridge is walked round at its eastern end, or crossed where a fallen log lies
-- in its gap.
-- Two goblin camps ("base_enemy0" at the hollow's southern edge, "base_enemy1" on the
-- eastern rim) wake at nightfall and steal only from the groves beside them (link 22).
local S = require("extras").scene("022")
local T = require("level_terrain")
-- Snow: the ground is painted under snow.
T.season("snow")

S:home(15, 14)
for i, cell in ipairs({ { 18, 13 }, { 18, 12 }, { 17, 11 }, { 19, 13 }, { 16, 11 } }) do
  S:worker(cell[1], cell[2], "worker" .. (i - 1))
end
S:put({ type = "cHero", cell = { 13, 11 }, name = "hero", sprite = "hero" })
S:site({ type = "cTunnelBuild", cell = { 11, 13 }, name = "castle_ice", sprite = "castle_ice" })
for i, cell in ipairs({ { 20, 11 }, { 6, 13 } }) do S:house(cell[1], cell[2], "house" .. (i - 1)) end
for i, cell in ipairs({ { 20, 14 }, { 22, 13 } }) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
-- The gold in the southern hollow.
for i, cell in ipairs({ { 10, 8 }, { 13, 7 }, { 16, 8 }, { 12, 5 }, { 16, 6 }, { 18, 6 }, { 14, 3 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
for i, cell in ipairs({ { 4, 13 }, { 6, 15 }, { 9, 16 }, { 12, 16 }, { 20, 8 }, { 18, 9 } }) do
  S:tree(cell[1], cell[2], "tree" .. (i - 1))
end
-- The goblins' groves and camps.
for i, cell in ipairs({ { 16, 3 }, { 20, 5 } }) do S:tree(cell[1], cell[2], "grove" .. (i - 1), 22) end
for i, cell in ipairs({ { 25, 10 }, { 23, 8 } }) do S:tree(cell[1], cell[2], "grove" .. (i + 1), 22) end
S:camp(20, 3, "base_enemy0", "goblin_wood", "30;1", 22)
S:camp(26, 11, "base_enemy1", "goblin_wood", "30;1", 22)
S:camp(20, 6, "skeleton_camp", "skeleton", "12;2")
S:put({ type = "cBarrier", cell = { 12, 10 }, name = "log0", sprite = "log00" })
-- The ridge across the valley, open at its eastern end; the log lies in its gap.
T.wall(0, 10, 16, 10)
-- A pond in the hollow's eastern end, open and dark under the snow.
T.pond(21, 6, 22, 7)
S:finish()
