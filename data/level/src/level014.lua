-- Level "014": the wells. Seven workers and 200 mana, with food to spare: the home
-- stands in the east with its five house sites spread west of it; the wood lies in
-- the middle and the wells in the far south-west, beyond a brook from the eastern
-- rim that the well drawers walk round at its western end (felling every tree: "achieve_wood"; seven workers within a minute:
-- "achieve_fast_find").
-- Compile: level_tool compile data/level/src/level014.lua data/level/level014.lvl
local L = require("level_lib")
local T = require("level_terrain")

L.begin("014")
L.home(23, 11)
L.worker(21, 12, "worker0")
L.worker(26, 9, "worker1")
L.house(20, 9, "house0")
L.house(19, 12, "house1")
L.house(16, 15, "house2")
L.house(15, 9, "house3")
L.house(12, 12, "house4")
L.well(11, 4, "well0")
L.well(13, 3, "well1")
L.well(15, 4, "well2")
-- The brook along row 7 from the east rim to column 13: the wells lie beyond it, and
-- the way to them goes round its western end.
T.brook(13, 7, 30, 7)
local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
-- The row's tree right in front of house4 would hide the site: it stands two cells
-- below it instead.
local moved = { [14 * 100 + 11] = { 12, 10 } }
local count = 0
for _, y in ipairs({ 11, 9, 13, 15, 17 }) do
  for x = 6, 16, 2 do
    if count < 14 and L.is_free(x, y) and L.is_clear_of_hud(x, y) then
      local at = moved[x * 100 + y] or { x, y }
      L.tree(at[1], at[2], "tree" .. count, sprites[count % #sprites + 1])
      count = count + 1
    end
  end
end
T.pond(22, 4, 23, 5)
-- A rocky hill under the northern woods.
T.rocks(12, 17, 14, 18)
L.finish()
