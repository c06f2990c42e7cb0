-- Level "011": the key altar. The ruins "key_altar0" take 500 food, paid as the
-- work goes on; 250 money come from the nuggets. "worker0" is the worker the first
-- hint follows when a goblin (rate 0.04) robs it.
-- The home stands among its fields under a brook that runs from the western rim
-- into a pond; the ruins lie east of the home, the gold west of a rock ridge that
-- runs down from the brook and is walked round at its southern end, with one more
-- nugget on the moor north of the brook, reached round the pond's eastern shore. A
-- goblin camp on the moor sends a thief for the gold now and then; a skeleton camp
-- on the southern rim sends a skeleton every eighty seconds or so, which hunts
-- the workers till the hero beside the home strikes it down. (A plain player, who
-- never sends the hero, keeps one skeleton about for good: a faster camp, or one by
-- the ruins, would keep the ruins' crew away too long.)
-- Compile: level_tool compile --terrain data/level/terrain/level011.lua
--            data/level/src/level011.lua data/level/level011.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local L = require("level_lib")
local T = require("level_terrain")

L.begin("011")
L.home(17, 7)
for i, cell in ipairs({ { 20, 8 }, { 19, 9 }, { 15, 7 }, { 20, 6 } }) do
  L.worker(cell[1], cell[2], "worker" .. (i - 1))
end
L.figure("cHero", "hero", 16, 9, "hero")
-- The fields round the home, south of the brook.
local fields = { { 14, 5 }, { 16, 4 }, { 14, 8 }, { 18, 3 }, { 12, 4 }, { 21, 4 }, { 14, 10 }, { 23, 6 } }
for i, cell in ipairs(fields) do
  L.field(cell[1], cell[2], "field" .. (i - 1), i % 2 == 0 and "field01" or "field00")
end
-- The brook and its pond: the only way north leads round the pond's eastern shore.
T.brook(4, 12, 14, 12)
T.pond(15, 11, 17, 13)
-- A rock ridge runs south from the brook between the fields and the gold.
T.wall(12, 8, 12, 11)
-- The ruins east of the home; the gold west of the ridge and on the moor.
L.special_site("ruins00", 22, 10, "key_altar0")
for i, cell in ipairs({ { 8, 8 }, { 11, 10 }, { 9, 11 }, { 10, 6 }, { 10, 14 } }) do
  L.nugget(cell[1], cell[2], "nugget" .. (i - 1))
end
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
for i, cell in ipairs({ { 6, 11 }, { 20, 15 }, { 22, 13 }, { 19, 12 } }) do
  L.tree(cell[1], cell[2], "tree" .. (i - 1), sprites[i])
end
L.camp("goblin_money", 4, 17, "goblin_camp", 30, 1)
L.camp("skeleton", 16, 1, "skeleton_camp", 80, 1)
-- A rocky knoll and two copses on the moor, under the woods.
T.rocks(13, 16, 14, 17)
T.rocks(12, 17, 12, 18)
T.woods(9, 18, 11, 19)
T.woods(15, 17, 16, 18)
L.finish()
