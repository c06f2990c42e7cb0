-- Level "016": gravik's goblins. Seven workers and 300 money; two goblin camps
-- "base_enemy0" and "base_enemy1" send thieves at night.
-- The home stands in the south-east; a rock wall runs across the level, and the
-- gold lies beyond it in the north-west, through a fallen log (50 food) or a stone
-- (60 food, 60 money). The goblins' camps sit beside the nuggets and send a few
-- thieves by day already, and a skeleton camp among them hunts the workers: the
-- hero keeps them off the gold.
local S = require("extras").scene("016")
local T = require("level_terrain")

S:home(20, 6)
for i, cell in ipairs({ { 23, 6 }, { 22, 7 }, { 18, 8 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:put({ type = "cHero", cell = { 17, 6 }, name = "hero", sprite = "hero" })
S:house(23, 9, "house0")
S:house(16, 4, "house1")
S:house(12, 5, "house2")
S:house(19, 10, "house3")
for i, cell in ipairs({ { 14, 7 }, { 16, 8 }, { 12, 8 }, { 14, 9 } }) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
for i, cell in ipairs({ { 11, 7 }, { 12, 10 }, { 15, 11 }, { 17, 10 }, { 22, 11 }, { 26, 9 }, { 10, 9 }, { 9, 8 },
                        { 21, 10 }, { 13, 2 } }) do
  S:tree(cell[1], cell[2], "tree" .. (i - 1))
end
-- The wall and its gaps.
T.wall(0, 12, 30, 12)
S:put({ type = "cBarrier", cell = { 6, 12 }, name = "log0", sprite = "log00" })
S:put({ type = "cBarrier", cell = { 13, 12 }, name = "stone0", sprite = "stone00" })
-- Beyond the wall: the gold, and the thieves' camps beside it.
for i, cell in ipairs({ { 7, 14 }, { 9, 15 }, { 11, 17 }, { 4, 13 }, { 6, 15 }, { 12, 16 } }) do
  S:nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
S:camp(5, 16, "base_enemy0", "goblin_money", "6;3")
S:camp(10, 16, "base_enemy1", "goblin_money", "6;3")
S:camp(9, 14, "skeleton_camp", "skeleton", "20;2")
T.rocks(19, 14, 20, 15)
S:finish()
