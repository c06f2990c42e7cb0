-- A small playable level for the level screen tests: a meadow of the default level
-- size (22 x 16 cells of 48 units) split by a fence with one gap, a rock in the
-- south-east, a pond and some rough ground, a few trees, and a chipmunk and a
-- rabbit that wander about. The tests add their own walkers and targets.
-- Compile: level_tool compile tests/data/levels/walk_test.lua tests/data/levels/walk_test.lvl

level { name = "walk_test", version = 100 }

local kCell = 48

-- The centre of cell (x, y), y counted from the bottom row.
local function centre(x, y)
  return x * kCell + kCell / 2, y * kCell + kCell / 2
end

-- Scenery: trees standing on the meadow and a bush by the fence.
local trees = { { 1, 14 }, { 19, 14 }, { 7, 0 } }
for i, cell in ipairs(trees) do
  local x, y = centre(cell[1], cell[2])
  object { type = "cDecor", id = i, layer = 3, name = "tree" .. i, sprite = "simple=tree", x = x, y = y }
end
local bushX, bushY = centre(11, 8)
object { type = "cDecor", id = 4, layer = 4, name = "bush", sprite = "simple=bush", x = bushX, y = bushY }

-- The critters, one on each side of the fence.
local chipX, chipY = centre(5, 5)
object { type = "cAnimal", id = 10, name = "chipmunk", sprite = "chip", x = chipX, y = chipY }
local rabbitX, rabbitY = centre(17, 12)
object { type = "cAnimal", id = 11, name = "rabbit", sprite = "rabbit", x = rabbitX, y = rabbitY }

-- The ground, top row first: '.' free, '1' rough (slow), '2' pond edge (very
-- slow), '#' impassable.
local map = {
  "......................",
  "......................",
  "...####...............",
  "...####.......11......",
  "..............11......",
  "......................",
  "##########.###########",
  "......................",
  "......................",
  "........22............",
  "........22....#.......",
  "..............#.......",
  "..............#.......",
  "..............#.......",
  "......................",
  "......................",
}
local costOf = { ["."] = 0, ["1"] = 0.7, ["2"] = 10, ["#"] = -1 }

local width, height = #map[1], #map
local cells = {}
for x = 1, width do
  for y = 0, height - 1 do
    local row = map[height - y]
    cells[#cells + 1] = costOf[row:sub(x, x)]
  end
end
grid { width = width, height = height, cells = cells }
