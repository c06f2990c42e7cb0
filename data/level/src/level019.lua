-- Level "019": the trader's tower. 300 wood and eight workers: five house sites
-- and a wood. The enemy tower "tower_enemy0" watches the eastern wood; "altar0"
-- casts "spell_shield" against it.
-- The home stands in the west with its two fields, the houses and a few trees, the
-- big wood far east behind a rock wall that opens only at its southern end, so
-- every load from it walks round it; the enemy tower stands in the wood's eastern
-- edge. A goblin camp at the
-- wood's far edge sends thieves for the trees, and a skeleton camp in the wood hunts
-- the woodcutters: the hero strikes the skeletons down.
local S = require("extras").scene("019")
local T = require("level_terrain")
-- Snow: the ground is painted under snow.
T.season("snow")

S:home(9, 13)
for i, cell in ipairs({ { 12, 13 }, { 11, 14 }, { 12, 12 } }) do S:worker(cell[1], cell[2], "worker" .. (i - 1)) end
S:site({ type = "cAltar", cell = { 7, 10 }, name = "altar0", sprite = "spell_shield" })
for i, cell in ipairs({ { 13, 15 }, { 13, 7 }, { 10, 7 }, { 11, 10 }, { 15, 9 } }) do
  S:house(cell[1], cell[2], "house" .. (i - 1))
end
for i, cell in ipairs({ { 15, 14 }, { 14, 5 } }) do
  S:field(cell[1], cell[2], "field" .. (i - 1))
end
-- A few trees by the home and a few north of the wood; the wood lies far east.
local trees = { { 16, 6 }, { 15, 16 }, { 11, 4 }, { 13, 3 }, { 11, 16 }, { 19, 7 }, { 10, 16 }, { 20, 13 }, { 22, 13 },
                { 21, 11 }, { 13, 17 } }
for i, cell in ipairs(trees) do S:tree(cell[1], cell[2], "tree" .. (i - 1)) end
local wood = {
  { 18, 5 }, { 20, 5 }, { 22, 5 }, { 21, 7 }, { 23, 7 }, { 18, 9 }, { 20, 9 }, { 22, 9 }, { 24, 9 }, { 26, 9 },
  { 19, 11 }, { 13, 10 }, { 25, 11 }, { 18, 13 }, { 13, 5 }, { 22, 11 }, { 24, 7 }, { 6, 13 }, { 19, 9 },
}
for i, cell in ipairs(wood) do S:tree(cell[1], cell[2], "tree" .. (i + 12)) end
-- More trees by the home: the goblins fell the wood's trees too.
local more = { { 13, 12 }, { 16, 11 }, { 9, 16 }, { 7, 15 }, { 12, 2 }, { 6, 11 } }
local moreNames = { "tree11", "tree12", "tree32", "tree33", "tree34", "tree35" }
for i, cell in ipairs(more) do S:tree(cell[1], cell[2], moreNames[i]) end
S:put({ type = "cTower", cell = { 24, 10 }, name = "tower_enemy0", sprite = "tower_enemy00" })
S:camp(25, 6, "goblin_camp", "goblin_wood", "15;3")
S:camp(21, 8, "skeleton_camp", "skeleton", "20;2")
S:put({ type = "cHero", cell = { 12, 14 }, name = "hero", sprite = "hero" })
T.rocks(21, 15, 22, 16)
-- The rock wall between the home and the wood, open south of row 6; at the top it
-- bends west.
T.wall(17, 6, 17, 17)
T.wall(17, 17, 14, 20)
T.wall(14, 20, 14, 21)
S:finish()
