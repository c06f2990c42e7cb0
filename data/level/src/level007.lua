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
F.workers(3)
F.houses(4)
F.sources({ { "field", 6 }, { "tree", 17 } })
F.forest(48)
F.finish()
