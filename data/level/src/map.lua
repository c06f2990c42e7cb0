-- The level map's scene: the landscape, the dotted path and the 40 level points.
-- The points are named "0" to "39" without gaps, since the path is sampled along
-- the level numbers. Compile: level_tool compile data/level/src/map.lua data/level/map.lvl

level { name = "map", version = 100 }

-- The landscape pictures are found by the level name ("map_0" to "map_3").
object { type = "cBack", id = 1, name = "back" }

-- The path draws its dots under the points.
object { type = "cMapPath", id = 2, layer = 3, name = "path", x = 512, y = 40 }

-- Five rows of eight points winding up the parchment, every other row turned back.
-- Each row spans only open parchment: the lowest and highest rows stay inside its
-- rounded edge, the second starts right of the lake and the top two end left of the
-- mountains (map scene of tools/art_tool/art_back.lua; a test holds every point and
-- path dot to the open parchment).
local columns = 8
local rows = {
  { y = 112, left = 275, right = 750 },
  { y = 222, left = 440, right = 890 },
  { y = 335, left = 145, right = 890 },
  { y = 438, left = 150, right = 665 },
  { y = 550, left = 215, right = 685 },
}
for i = 0, columns * #rows - 1 do
  local row = rows[math.floor(i / columns) + 1]
  local column = i % columns
  if math.floor(i / columns) % 2 == 1 then column = columns - 1 - column end
  local x = row.left + math.floor((row.right - row.left) * column / (columns - 1) + 0.5)
  local y = row.y + math.floor(math.sin(i * 0.9) * 8 + 0.5)
  object { type = "cMapPoint", id = 3 + i, layer = 5, name = tostring(i), x = x, y = y }
end
