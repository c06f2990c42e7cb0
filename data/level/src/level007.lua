-- Level "007": the forest. Seven workers and 1000 wood: the home, its four house
-- sites and the fields that pay the fellers stand in a clearing in the west; a
-- rocky ridge comes down from the northern woods through the middle of the level
-- to a pond and parts the clearing from the deep wood in the east. A fallen trunk
-- lies in its one gap (clearing it costs food and gives wood); until it is
-- cleared the fellers walk round the pond's southern shore.
-- Compile: level_tool compile --terrain data/level/terrain/level007.lua
--            data/level/src/level007.lua data/level/level007.lvl
-- (then art_tool tools/art_tool/manifest.lua data/texture paints its background)
local L = require("level_lib")
local T = require("level_terrain")

L.begin("007")

-- The clearing.
local hx, hy = 10, 10
L.home(hx, hy)
L.worker(13, 10, "worker0")
L.worker(8, 8, "worker1")
L.worker(12, 12, "worker2")
L.house(7, 13, "house0")
L.house(11, 14, "house1")
L.house(14, 11, "house2")
L.house(14, 7, "house3")
L.field(11, 5, "field0")
L.field(13, 5, "field1", "field01")
L.field(15, 5, "field2")
L.field(12, 3, "field3", "field01")
L.field(14, 3, "field4")
L.field(16, 3, "field5", "field01")

-- The ridge from the northern woods down to the pond, and the log in its gap.
T.wall(10, 19, 18, 10)
T.pond(18, 7, 20, 9)
L.barrier("log00", 14, 15, "barrier0")

-- The wood: pines and birches in rows across the view, a row on every other line
-- of cells (two of them on a line between, where no row stands close), so no
-- crown hides another; the rows keep off the farm's fields, sites and yard, and
-- the lanes between them run out onto open ground.
local rows = {
  { 4, { 17, 18, 19, 20 } },
  { 6, { 10, 11, 12, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26 } },
  { 8, { 16, 17, 21, 22, 23, 24, 25, 26, 27 } },
  { 10, { 7, 17, 19, 20, 21, 22, 23, 24, 25 } },
  { 12, { 5, 18, 19, 20, 21, 22, 23 } },
  { 14, { 4, 16, 17, 18, 19, 20, 21, 22 } },
  { 16, { 7, 8, 9, 10, 11, 20, 21 } },
  { 18, { 13, 14, 15 } },
  { 9, { 13 } },
  { 15, { 5 } },
  { 10, { 26 } },
}
local sprites = { "tree00_3", "tree01_2" }
local count = 0
for _, row in ipairs(rows) do
  local y = row[1]
  for _, x in ipairs(row[2]) do
    L.tree(x, y, "tree" .. count, sprites[math.floor(y / 2) % #sprites + 1])
    count = count + 1
  end
end
L.finish()
