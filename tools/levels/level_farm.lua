-- A ready farm layout for the play levels, over the level library: the home in the
-- middle of the level area, house sites in two rows north of it with free lanes
-- between them, and a lattice of source cells (x even, y odd) south, east and west
-- of the home. Objects on the lattice never wall anything in: every other row and
-- column stays open ground. A level takes what it needs and places its own special
-- objects in the two reserved yards (west and east) or on free cells by hand.
--   local F = require("level_farm")
--   F.begin("007")                   L.begin and the home with its door
--   F.workers(n, names)              n workers beside the home (names optional)
--   F.houses(n, maxLevel, names)     n "house00" sites (max level 0 by default) with
--                                    their doors, in the house slots' order
--   F.sources(list)                  fills lattice cells: list of { kind, count,
--                                    names } with kind "tree", "field", "nugget" or
--                                    "well"; returns the entries by kind
--   F.reserve(x0, y0, x1, y1)        takes lattice cells out before F.sources
--   F.fill(kind, count, names)       more sources of a kind on the wider lattice
--                                    (x even, y odd, clear of the HUD, free), the
--                                    cells nearest the home first; after F.sources
--   F.forest(count, names)           trees on the odd rows (the house lanes, x = 3 mod 4, left
--                                    open), denser than the lattice; the even rows
--                                    stay free lanes; the yards stay free
--   F.open_yards()                   lets F.sources, F.fill and F.forest use the yards
--                                    too (for a level with no objects of its own)
--   F.scenery(sprites)               bushes and rocks on blocked cells at the rim, out
--                                    of every path (sprites: decor set-ups taken in
--                                    turn, e.g. { "simple=tree01_2", "simple=stone_big00" })
--   F.yards                          { west = {x0, y0, x1, y1}, east = {...} }: the
--                                    cells kept free for a level's own objects
--   F.camp_cells                     cells at the area's rim for enemy camps
--   F.home_cell                      the home's cell (15, 9)
-- F.finish() is L.finish().
local L = require("level_lib")

local F = {}

F.home_cell = { 15, 9 }
F.yards = { west = { 8, 8, 11, 10 }, east = { 21, 6, 25, 10 } }
F.camp_cells = { { 6, 17 }, { 22, 15 }, { 12, 3 }, { 27, 7 } }

local kWorkerCells = { { 18, 9 }, { 17, 10 }, { 13, 9 }, { 19, 8 }, { 13, 7 }, { 18, 11 } }
local kHouseCells = { { 9, 12 }, { 13, 12 }, { 17, 12 }, { 21, 12 }, { 11, 15 }, { 15, 15 }, { 7, 15 }, { 19, 15 } }
-- Lattice rows in the order they are filled: nearest the home first.
local kLattice = {
  { 7, { 12, 14, 16, 18, 20, 10 } },
  { 5, { 14, 16, 12, 18, 20, 22 } },
  { 9, { 12, 10, 20, 8 } },
  { 3, { 14, 16, 18 } },
  { 11, { 24 } },
  { 17, { 12, 14, 10, 16 } },
  { 9, { 22, 24, 26 } },
  { 7, { 22, 24 } },
}

local reserved

local function inYard(x, y)
  for _, rect in ipairs(reserved) do
    if x >= rect[1] and x <= rect[3] and y >= rect[2] and y <= rect[4] then return true end
  end
  return false
end

function F.begin(name)
  L.begin(name)
  reserved = { F.yards.west, F.yards.east }
  F.home = L.home(F.home_cell[1], F.home_cell[2])
  return F.home
end

function F.open_yards()
  reserved = {}
end

function F.reserve(x0, y0, x1, y1)
  reserved[#reserved + 1] = { math.min(x0, x1), math.min(y0, y1), math.max(x0, x1), math.max(y0, y1) }
end

function F.workers(n, names)
  local list = {}
  for i = 1, n do
    local cell = kWorkerCells[i]
    list[i] = L.worker(cell[1], cell[2], names and names[i] or ("worker" .. (i - 1)))
  end
  return list
end

function F.houses(n, maxLevel, names)
  local list = {}
  for i = 1, n do
    local cell = kHouseCells[i]
    list[i] = L.house(cell[1], cell[2], names and names[i] or ("house" .. (i - 1)), maxLevel)
  end
  return list
end

-- The free lattice cells in filling order (a level's own objects placed before
-- F.sources keep their cells).
local function latticeCells()
  local cells = {}
  for _, row in ipairs(kLattice) do
    for _, x in ipairs(row[2]) do
      if not inYard(x, row[1]) and L.is_free(x, row[1]) then cells[#cells + 1] = { x, row[1] } end
    end
  end
  return cells
end

local kPlacers = {
  tree = function(x, y, name, i)
    local sprites = { "tree00_0", "tree01_0", "tree00_3", "tree01_2" }
    return L.tree(x, y, name, sprites[(i - 1) % #sprites + 1])
  end,
  field = function(x, y, name, i) return L.field(x, y, name, i % 2 == 0 and "field01" or "field00") end,
  nugget = function(x, y, name) return L.nugget(x, y, name) end,
  well = function(x, y, name) return L.well(x, y, name) end,
}

-- A well's workers stand just above it: that ground must stay free.
local function fits(kind, x, y)
  if kind ~= "well" then return true end
  return L.is_free(x, y + 1) and L.is_free(x - 1, y + 1)
end

function F.sources(list)
  local cells = latticeCells()
  local taken = {}
  local placed = {}
  for _, wanted in ipairs(list) do
    local kind, count, names = wanted[1], wanted[2], wanted[3]
    placed[kind] = placed[kind] or {}
    for i = 1, count do
      local cell
      for index, candidate in ipairs(cells) do
        if not taken[index] and fits(kind, candidate[1], candidate[2]) then
          cell = candidate
          taken[index] = true
          break
        end
      end
      if cell == nil then error("the farm has no lattice cell left for " .. kind, 0) end
      local name = names and names[i] or (kind .. #placed[kind])
      placed[kind][#placed[kind] + 1] = kPlacers[kind](cell[1], cell[2], name, i)
    end
  end
  return placed
end

local function fillCells(kind, count, names, wanted)
  local cells = {}
  for x = 0, L.WIDTH - 1 do
    for y = 1, L.HEIGHT - 1, 2 do
      if wanted(x) and L.is_clear_of_hud(x, y) and L.is_free(x, y) and not inYard(x, y) and fits(kind, x, y) then
        cells[#cells + 1] = { x, y }
      end
    end
  end
  local hx, hy = F.home_cell[1], F.home_cell[2]
  table.sort(cells, function(a, b)
    local da = (a[1] - hx) ^ 2 + (a[2] - hy) ^ 2
    local db = (b[1] - hx) ^ 2 + (b[2] - hy) ^ 2
    if da ~= db then return da < db end
    if a[1] ~= b[1] then return a[1] < b[1] end
    return a[2] < b[2]
  end)
  local placed = {}
  for i = 1, count do
    local cell = cells[i]
    if cell == nil then error("no free lattice cell left for " .. kind, 0) end
    placed[i] = kPlacers[kind](cell[1], cell[2], names and names[i] or (kind .. "_more" .. (i - 1)), i)
  end
  return placed
end

function F.fill(kind, count, names)
  return fillCells(kind, count, names, function(x) return x % 2 == 0 end)
end

function F.forest(count, names)
  return fillCells("tree", count, names, function(x) return x % 4 ~= 3 end)
end

-- Rim cells outside the play area that no walker needs: off the lanes to the camps
-- and away from the bandits' hills.
local kSceneryCells = { { 3, 15 }, { 2, 14 }, { 17, 21 }, { 16, 22 }, { 15, 1 }, { 16, 2 }, { 28, 6 }, { 29, 7 } }

function F.scenery(sprites)
  for i, cell in ipairs(kSceneryCells) do
    local sprite = sprites[(i - 1) % #sprites + 1]
    L.decor(sprite, cell[1], cell[2], "")
    -- The background shows the blocked cell as what the decoration is.
    L.block_cell(cell[1], cell[2], sprite:find("stone") and "rock" or "woods")
  end
end

F.finish = L.finish

return F
