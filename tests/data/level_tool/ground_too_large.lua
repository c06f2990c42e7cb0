-- A ground of valid rows and walks whose file would outgrow what a ground file may
-- hold (and what the art tool reads): the level tool must refuse to write it.
level { name = "ground_too_large", version = 100 }
local kSide = 64
local rows = {}
for y = 1, kSide do rows[y] = string.rep(".", kSide) end
local paths = {}
for p = 1, 256 do
  local route = {}
  for x = 0, kSide - 1 do
    route[#route + 1] = x
    route[#route + 1] = (x + p) % kSide
  end
  paths[p] = route
end
terrain {
  name = "ground_too_large", season = "summer", origin = { 0, 0 }, u = { 46, 12 }, v = { 34, -34 },
  rows = rows, paths = paths,
}
