-- Level "008": the lighthouse. One "lighthouse00" (250 wood, paid as the work goes
-- on) stands on the western shore of a lake in the east; a brook runs from the
-- lake towards the southern rim, and the fellers walk round its end to the trees
-- of the south-eastern meadow. The home, its fields, a wood and a well lie west
-- of the lake. Two bandits walk their round of way points among the rocky
-- northern hills (speed 1.1, 1.35 after 100 s), far enough from every work place
-- that only their screams carry. A skeleton camp in the western wood, between the
-- well and the trees nearest the home, sends a skeleton after the woodcutters
-- every 20 s or so; the hero, by the home, strikes it down. Left alone, the
-- skeletons cost the wood its pace and the village its gold. The well:
-- "achieve_mana_well" while nobody works it.
-- Compile: level_tool compile --terrain data/level/terrain/level008.lua
--            data/level/src/level008.lua data/level/level008.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local L = require("level_lib")
local T = require("level_terrain")

L.begin("008")
-- Rain: the ground is painted wet and green.
T.season("rain")

local hx, hy = 17, 7
L.home(hx, hy)
L.worker(20, 7, "worker0")
L.worker(15, 9, "worker1")
L.worker(18, 10, "worker2")
L.figure("cHero", "hero", 20, 8, "hero")

-- The lake, the lighthouse on its shore and the brook that ends short of the rim.
T.pond(22, 9, 24, 11)
L.special_site("lighthouse00", 20, 11, "lighthouse0")
T.brook(23, 8, 22, 5)

-- The farm: fields south-west of the home, the well and the wood west of it.
L.field(12, 6, "field0")
L.field(14, 5, "field1", "field01")
L.field(13, 3, "field2")
L.field(15, 3, "field3", "field01")
L.field(17, 3, "field4")
L.well(10, 10, "well0")
-- Pines and birches in rows, a row on every other line of cells: no crown hides
-- another.
local sprites = { "tree00_3", "tree01_2" }
local wood = {
  { 8, { 8, 9 } }, { 10, { 12, 13, 14 } }, { 12, { 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17 } },
  { 14, { 9, 10, 11, 12, 14, 15, 16 } }, { 6, { 25, 26 } }, { 8, { 25, 26, 27 } }, { 10, { 16 } },
}
local count = 0
for _, row in ipairs(wood) do
  local y = row[1]
  for _, x in ipairs(row[2]) do
    L.tree(x, y, "tree" .. count, sprites[math.floor(y / 2) % #sprites + 1])
    count = count + 1
  end
end

-- The bandits' hills: rocks among their way points.
T.rocks(8, 16, 9, 18)
T.rocks(12, 18, 14, 19)
T.rocks(16, 16, 17, 17)
T.cell("rock", 16, 18)
T.rocks(19, 15, 20, 17)
L.way_point(7, 18, "way0")
L.way_point(11, 20, "way1")
L.way_point(18, 19, "way2")
L.way_point(14, 16, "way3")
L.figure("cBandit", "bandit", 10, 18, "bandit0")
L.figure("cBandit", "bandit", 11, 17, "bandit1")

-- The skeletons come out among the woodcutters' trees.
L.camp("skeleton", 11, 8, "skeleton_camp", 20, 1)
L.finish()
