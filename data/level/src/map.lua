-- The level map's scene: the landscape, the dotted path and the 40 level points.
-- The points are named "0" to "39" without gaps, since the path is sampled along
-- the level numbers. Compile: level_tool compile data/level/src/map.lua data/level/map.lvl

level { name = "map", version = 100 }

-- The landscape pictures are found by the level name ("map_0" to "map_3").
object { type = "cBack", id = 1, name = "back" }

-- The path draws its dots under the points.
object { type = "cMapPath", id = 2, layer = 3, name = "path", x = 512, y = 40 }

-- Five rows of eight points winding up the parchment, every other row turned back.
local columns, rows = 8, 5
local left, spacing = 165, 99
local bottom, rowHeight = 135, 112
for i = 0, columns * rows - 1 do
  local row = math.floor(i / columns)
  local column = i % columns
  if row % 2 == 1 then column = columns - 1 - column end
  local x = left + column * spacing
  local y = bottom + row * rowHeight + math.floor(math.sin(i * 0.9) * 14 + 0.5)
  object { type = "cMapPoint", id = 3 + i, layer = 5, name = tostring(i), x = x, y = y }
end
