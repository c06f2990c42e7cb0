-- Level "007": the forest. Seven workers and 1000 wood: four house sites and a wood
-- of over sixty trees on every free row round the farm, with fields to pay the
-- fellers.
-- Compile: level_tool compile --terrain data/level/terrain/level007.lua
--            data/level/src/level007.lua data/level/level007.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local F = require("level_farm")

F.begin("007")
F.scenery({ "simple=tree00_3", "simple=tree01_0", "simple=stone00" })
F.open_yards()
-- The cells just in front of the house sites stay open, so no crown hides a site's icon.
for _, x in ipairs({ 10, 14, 18, 22 }) do F.reserve(x, 11, x, 11) end
F.workers(3)
F.houses(4)
F.sources({ { "field", 6 }, { "tree", 17 } })
F.forest(44)
-- The four trees the sites' fronts gave up stand at the wood's northern and southern ends.
local L = require("level_lib")
for i, cell in ipairs({ { 13, 18 }, { 14, 18 }, { 15, 18 }, { 12, 4 } }) do
  L.tree(cell[1], cell[2], "tree_more" .. (43 + i), i % 2 == 0 and "tree01_0" or "tree00_0")
end
F.finish()
