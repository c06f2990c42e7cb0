-- Level 021, "The lighthouse at the ford": the lighthouse ("lighthouse0", 250 wood)
-- and eight workers from three. A river winds down the valley from the northern
-- woods to the southern edge in three bends. The home stands in the south-west with
-- its fields, the sawmill site ("sawmill0") and three house sites; across the river
-- lie the big wood, three more house sites and, on the bank by the ford, the
-- lighthouse. The ford in the middle bend is open; the bridge ("bridge0") south of
-- it, nearer the home, is broken and wants 80 wood.
-- Two goblin camps ("base_enemy0" in the south-east, "base_enemy1" in the north-west)
-- wake at nightfall; each steals only from the small grove beside it (link 21), so
-- the woods across the river stay the player's. A skeleton camp in the big wood
-- sends skeletons after the woodcutters; the hero by the home strikes them down.
local S = require("extras").scene("021")
local T = require("level_terrain")

S:home(12, 5)
for i, cell in ipairs({ { 15, 4 }, { 16, 5 }, { 14, 3 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:put({ type = "cHero", cell = { 10, 7 }, name = "hero", sprite = "hero" })
S:site({ type = "cPlant", cell = { 11, 9 }, name = "sawmill0", sprite = "sawmill00" })
S:site({ type = "cTunnelBuild", cell = { 17, 12 }, name = "lighthouse0", sprite = "lighthouse00" })
-- Three house sites by the home, three across the river.
for i, cell in ipairs({ { 8, 9 }, { 7, 12 }, { 10, 12 }, { 23, 9 }, { 20, 11 }, { 23, 13 } }) do
  S:house(cell[1], cell[2], "house" .. (i - 1))
end
for i, cell in ipairs({ { 18, 4 }, { 15, 6 }, { 17, 6 } }) do S:field(cell[1], cell[2], "field" .. (i - 1)) end
-- The player's trees: the first eight and the last on the home's bank, the rest across the river.
local trees = {
  { 12, 2 }, { 14, 2 }, { 16, 3 }, { 19, 5 }, { 13, 12 }, { 13, 14 }, { 11, 15 }, { 9, 15 },
  { 22, 7 }, { 19, 13 }, { 25, 10 }, { 22, 11 }, { 15, 14 }, { 15, 15 }, { 20, 14 }, { 12, 17 }, { 16, 10 }, { 15, 9 },
  { 15, 16 }, { 14, 18 }, { 10, 5 },
}
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
-- The goblins' groves and camps.
for i, cell in ipairs({ { 21, 6 }, { 24, 6 }, { 23, 5 } }) do S:tree(cell[1], cell[2], "grove" .. (i - 1), 21) end
for i, cell in ipairs({ { 4, 14 }, { 6, 15 }, { 5, 12 } }) do S:tree(cell[1], cell[2], "grove" .. (i + 2), 21) end
S:camp(25, 5, "base_enemy0", "goblin_wood", "30;1", 21)
S:camp(3, 15, "base_enemy1", "goblin_wood", "30;1", 21)
S:camp(26, 9, "skeleton_camp", "skeleton", "20;2")
S:put({ type = "cBarrier", cell = { 17, 8 }, name = "bridge0", sprite = "bridge00", layer = 4 })
-- The river: down from the northern woods, three bends, out at the southern edge;
-- the ford is the open cell in the middle reach.
T.brook(8, 18, 8, 16)
T.brook(8, 16, 14, 16)
T.brook(14, 16, 14, 12)
T.brook(14, 10, 14, 8)
T.brook(14, 8, 20, 8)
T.brook(20, 8, 20, 0)
S:finish()
