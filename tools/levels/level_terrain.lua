-- The ground of a play level: what blocks its cells (water, rock, woods) and what
-- wears it (paths, the yard, tilled soil), written once in the level's source. The
-- library blocks the cells on the path grid, and the same cells go to the art tool,
-- which paints the level's background from them (tools/art_tool/art_back.lua), so
-- the picture and the grid never disagree.
--   local T = require("level_terrain")     (every call after L.begin / F.begin / scene())
--   T.season(name)                 "summer" (the default), "rain" (wet, lush green)
--                                  or "snow"; as the level table's weather
--   T.brook(x0, y0, x1, y1)        water along a straight cell line (a brook or a
--                                  river a cell wide); a bridge placed on it crosses
--   T.river(x0, y0, x1, y1, width) a brook width cells wide (the extra lines beside
--                                  it towards +x)
--   T.pond(x0, y0, x1, y1)         water over the block of cells
--   T.wall(x0, y0, x1, y1)         a rock wall along a straight cell line; a log or
--                                  stone placed on it is its gap
--   T.rocks(x0, y0, x1, y1)        rocks over the block of cells
--   T.woods(x0, y0, x1, y1)        woods over the block of cells
--   T.cell(kind, cx, cy)           one cell of "water", "rock" or "woods"
--   T.open_top()                   leaves the top edge without its woods
-- The rest comes from the placed objects when L.finish runs, so a re-laid level
-- keeps a right picture by compiling and painting again:
--   - woods along the top edge, under the sky: the free cells there that no object
--     stands on or beside;
--   - a yard round the home, worn paths from the home's door to every door and work
--     place (the shortest walks, merging where they meet), tilled soil under fields;
--   - a check that the home still reaches every object and figure;
--   - a check that no building, site, field or source stands on blocked ground, nor
--     its picture more than a tenth over water or rock.
-- What the art tool gets: data/level/terrain/NAME.lua, written by
--   level_tool compile --terrain from the table handed over to terrain{}
--   { name, season, origin = {x, y}, u = {x, y}, v = {x, y},   picture pixels, y down:
--                                  cell (x, y) spans origin + [x, x+1] * u + [y, y+1] * v
--     rows = { "...", ... },       one text per row from y = 24 down, a character per
--                                  cell x (T.MARKS)
--     paths = { { x, y, x, y, ... }, ... } }   the worn walks, cell by cell
local L = require("level_lib")

local T = {}

-- The characters of the rows: blocked ground first, then the open ground.
T.MARKS = {
  outside = " ", grass = ".", path = "=", yard = ":", soil = "%", gap = "_",
  water = "~", rock = "^", woods = "T",
}
T.SEASONS = { summer = true, rain = true, snow = true }
-- The cells whose centre lies this close to the top edge (world units) are the
-- woods under the sky.
T.TOP_BAND = 56

local settings = { name = nil }

local function current()
  local name = L.level_name()
  if settings.name ~= name then settings = { name = name, season = "summer", openTop = false } end
  return settings
end

function T.season(name)
  if not T.SEASONS[name] then error("unknown season '" .. tostring(name) .. "'", 2) end
  current().season = name
end

function T.open_top()
  current().openTop = true
end

function T.brook(x0, y0, x1, y1)
  L.block_line(x0, y0, x1, y1, "water")
end

function T.river(x0, y0, x1, y1, width)
  for i = 0, (width or 1) - 1 do L.block_line(x0 + i, y0, x1 + i, y1, "water") end
end

function T.pond(x0, y0, x1, y1)
  L.block(x0, y0, x1, y1, "water")
end

function T.wall(x0, y0, x1, y1)
  L.block_line(x0, y0, x1, y1, "rock")
end

function T.rocks(x0, y0, x1, y1)
  L.block(x0, y0, x1, y1, "rock")
end

function T.woods(x0, y0, x1, y1)
  L.block(x0, y0, x1, y1, "woods")
end

function T.cell(kind, cx, cy)
  L.block_cell(cx, cy, kind)
end

local function key(x, y) return x * L.HEIGHT + y end

-- Classes whose footprint the level start blocks; barriers open when cleared.
local kBlocking = {
  cBuild = true, cPlant = true, cAltar = true, cAltarEnemy = true, cBarrier = true, cSource = true,
  cField = true, cLake = true, cTower = true, cPrison = true, cBell = true, cBonfire = true, cTunnelBuild = true,
}
-- Figures that must stand where the home's walkers reach.
local kWalkers = { cWorker = true, cHero = true, cWife = true, cBaseEnemy = true, cBandit = true }
-- Where the workers go: the paths lead there (trees aside: the woodcutters roam).
local kWorkPlaces = {
  cPlant = true, cAltar = true, cField = true, cTower = true, cTunnelBuild = true, cBell = true, cBonfire = true,
  cPrison = true,
}
local kWorkSources = { nugget00 = true, well00 = true }

-- The cells the blocking objects cover (all = true: every object but doors and
-- decorations, figures too).
local function footprints(all)
  local covered, holders = {}, {}
  for _, entry in ipairs(L.placed()) do
    if (all and entry.type ~= "cDecor" and entry.type ~= "cNode") or kBlocking[entry.type] then
      local x0, y0, x1, y1 = L.footprint(entry)
      for x = x0, x1 do
        for y = y0, y1 do
          covered[key(x, y)] = entry
        end
      end
      holders[#holders + 1] = entry
    end
  end
  return covered, holders
end

-- Free top-edge cells become woods; no object stands on or beside them (a door or a
-- figure, too), so no walk is cut.
local function addTopWoods()
  if current().openTop then return end
  local near = {}
  for _, entry in ipairs(L.placed()) do
    if entry.type ~= "cDecor" then
      local x0, y0, x1, y1 = L.footprint(entry)
      for x = x0 - 1, x1 + 1 do
        for y = y0 - 1, y1 + 1 do near[key(x, y)] = true end
      end
    end
  end
  for x = 0, L.WIDTH - 1 do
    for y = 0, L.HEIGHT - 1 do
      local _, wy = L.centre(x, y)
      if L.inside(x, y) and wy > L.AREA_HEIGHT - T.TOP_BAND and L.cost(x, y) >= 0 and not near[key(x, y)] then
        L.block_cell(x, y, "woods")
      end
    end
  end
end

local function walkable(x, y, covered)
  if x < 0 or y < 0 or x >= L.WIDTH or y >= L.HEIGHT or not L.inside(x, y) then return false end
  local holder = covered[key(x, y)]
  if holder ~= nil then return holder.type == "cBarrier" end
  return L.cost(x, y) >= 0
end

local kSteps = { { 0, -1 }, { -1, 0 }, { 1, 0 }, { 0, 1 } }

local function homeDoor()
  for _, entry in ipairs(L.placed()) do
    if entry.type == "cNode" and entry.name == "home_door" then return entry end
  end
  return nil
end

-- The home's door must reach a cell beside every blocking object and the cell of
-- every figure and door, over open ground and cleared barriers, four neighbours
-- a step as the path finder walks.
local function checkReach(covered, holders)
  local door = homeDoor()
  if door == nil then return end
  local reached = { [key(door.cell_x, door.cell_y)] = true }
  local queue, head = { { door.cell_x, door.cell_y } }, 1
  while queue[head] do
    local x, y = queue[head][1], queue[head][2]
    head = head + 1
    for _, step in ipairs(kSteps) do
      local nx, ny = x + step[1], y + step[2]
      if not reached[key(nx, ny)] and walkable(nx, ny, covered) then
        reached[key(nx, ny)] = true
        queue[#queue + 1] = { nx, ny }
      end
    end
  end
  for _, entry in ipairs(holders) do
    if kBlocking[entry.type] then
      local x0, y0, x1, y1 = L.footprint(entry)
      local beside = false
      for x = x0 - 1, x1 + 1 do
        for y = y0 - 1, y1 + 1 do
          local ring = (x == x0 - 1 or x == x1 + 1) ~= (y == y0 - 1 or y == y1 + 1)
          beside = beside or (ring and reached[key(x, y)] == true)
        end
      end
      if not beside then
        error(string.format("level %s: the ground cuts %s '%s' off from the home", L.level_name(), entry.type,
                            entry.name or ""), 0)
      end
    end
  end
  for _, entry in ipairs(L.placed()) do
    if (kWalkers[entry.type] or entry.type == "cNode") and not reached[key(entry.cell_x, entry.cell_y)] then
      error(string.format("level %s: %s '%s' stands where the home does not reach", L.level_name(), entry.type,
                          entry.name or ""), 0)
    end
  end
  return reached
end

-- Only bridges, logs and stones may lie on blocked ground: anything else standing
-- there would hide the ground the grid blocks.
local function checkFootprints(covered)
  for k, entry in pairs(covered) do
    local x, y = math.floor(k / L.HEIGHT), k % L.HEIGHT
    if L.kind(x, y) ~= nil and entry.type ~= "cBarrier" then
      error(string.format("level %s: %s '%s' stands on %s at %d,%d", L.level_name(), entry.type, entry.name or "",
                          L.kind(x, y), x, y), 0)
    end
  end
end

-- The ground the picture of a building, site, field or source covers, as the art
-- tool draws it (tools/art_tool): half its extents in cells along the grid's two
-- axes, about the object's position. A field's plot reaches 0.92 cells each way
-- round its one cell, the gold mill's paved yard 1.25, a well's stone ring and a
-- nugget's rock a little past their cell. The rest are drawn on their zone centred
-- on their position, so an even zone's picture reaches half a cell past its cells.
local kGround = {
  field00 = { 0.92, 0.92 }, field01 = { 0.92, 0.92 }, goldmill00 = { 1.25, 1.25 },
  well00 = { 0.65, 0.5 }, nugget00 = { 0.55, 0.45 },
}
local kGroundClasses = {
  cBuild = true, cPlant = true, cTower = true, cTunnelBuild = true, cField = true, cSource = true,
}
-- The share of that ground that may lie over water or rock (the painter keeps them
-- to their cells), and the points per side sampled over it.
local kMostOverhang = 0.1
local kOverhangSamples = 12

-- World points to cell coordinates: cell (x, y) spans x..x+1, y..y+1.
local function cellCoordinates()
  local x00, y00 = L.centre(0, 0)
  local x10, y10 = L.centre(1, 0)
  local x01, y01 = L.centre(0, 1)
  local ux, uy, vx, vy = x10 - x00, y10 - y00, x01 - x00, y01 - y00
  local det = ux * vy - uy * vx
  return function(px, py)
    local dx, dy = px - x00, py - y00
    return (dx * vy - dy * vx) / det + 0.5, (ux * dy - uy * dx) / det + 0.5
  end
end

-- No picture may stand in the water or on the rocks the background shows: its
-- ground may overhang them by a tenth at most. A log or stone in a wall is ground
-- once cleared; a bridge still lies over water.
local function checkOverhang(covered)
  local toCell = cellCoordinates()
  local n = kOverhangSamples
  for _, entry in ipairs(L.placed()) do
    if kGroundClasses[entry.type] then
      local x0, y0, x1, y1 = L.footprint(entry)
      local ground = kGround[entry.sprite or ""] or { (x1 - x0 + 1) / 2, (y1 - y0 + 1) / 2 }
      local s, t = toCell(entry.x, entry.y)
      local over, kinds = 0, {}
      for i = 0, n - 1 do
        for j = 0, n - 1 do
          local cx = math.floor(s + ground[1] * (2 * (i + 0.5) / n - 1))
          local cy = math.floor(t + ground[2] * (2 * (j + 0.5) / n - 1))
          local kind = L.kind(cx, cy)
          local holder = covered[key(cx, cy)]
          if kind == "water" or (kind == "rock" and not (holder and holder.type == "cBarrier")) then
            over = over + 1
            kinds[kind] = true
          end
        end
      end
      if over > kMostOverhang * n * n then
        local what = (kinds.water and kinds.rock) and "water and rock" or (kinds.water and "water" or "rock")
        error(string.format("level %s: the picture of %s '%s' overhangs %s by %d %% of its footprint",
                            L.level_name(), entry.type, entry.name or "", what,
                            math.floor(100 * over / (n * n) + 0.5)), 0)
      end
    end
  end
end

function T.settle()
  local covered = footprints(true)
  checkFootprints(covered)
  checkOverhang(covered)
  addTopWoods()
end

-- The cells a worker steps on from the home's door to the goal cells: the cheapest
-- walk where cells of earlier paths cost less (so walks merge into a few tracks)
-- and every turn costs a little (so a track runs straight, not in steps).
local kTurnCost = 0.6
local function walk(from, goals, covered, worn)
  local start = key(from[1], from[2]) * 5 + 4
  local best = { [start] = 0 }
  local previous = {}
  local open = { start }
  while #open > 0 do
    -- The open list stays small (a few hundred states): a plain scan for the cheapest.
    local pick, pickCost = 1, best[open[1]]
    for i = 2, #open do
      local c = best[open[i]]
      if c < pickCost or (c == pickCost and open[i] < open[pick]) then pick, pickCost = i, c end
    end
    local state = table.remove(open, pick)
    local k, heading = math.floor(state / 5), state % 5
    if goals[k] then
      local route = {}
      while state do
        local cell = math.floor(state / 5)
        if route[1] ~= cell then table.insert(route, 1, cell) end
        state = previous[state]
      end
      return route
    end
    local x, y = math.floor(k / L.HEIGHT), k % L.HEIGHT
    for direction, step in ipairs(kSteps) do
      local nx, ny = x + step[1], y + step[2]
      local nk = key(nx, ny)
      if walkable(nx, ny, covered) then
        local next = nk * 5 + direction - 1
        local cost = pickCost + (worn[nk] and 0.4 or 1) + ((heading ~= 4 and heading ~= direction - 1) and kTurnCost or 0)
        if best[next] == nil or cost < best[next] - 1e-9 then
          if best[next] == nil then open[#open + 1] = next end
          best[next] = cost
          previous[next] = state
        end
      end
    end
  end
  return nil
end

-- The goal cells of a work place: its door when it has one, else the open cells
-- beside its footprint.
local function goalsOf(entry, doors, covered)
  local goals = {}
  local door = doors[entry.id]
  if door then
    goals[key(door.cell_x, door.cell_y)] = true
    return goals
  end
  local x0, y0, x1, y1 = L.footprint(entry)
  for x = x0 - 1, x1 + 1 do
    for y = y0 - 1, y1 + 1 do
      local ring = (x == x0 - 1 or x == x1 + 1) ~= (y == y0 - 1 or y == y1 + 1)
      if ring and walkable(x, y, covered) and covered[key(x, y)] == nil then goals[key(x, y)] = true end
    end
  end
  return goals
end

local function paths(covered)
  local door = homeDoor()
  if door == nil then return {} end
  local doors = {}
  for _, entry in ipairs(L.placed()) do
    if entry.type == "cNode" and entry.name ~= "home_door" then doors[entry.data] = entry end
  end
  local targets = {}
  for _, entry in ipairs(L.placed()) do
    local work = kWorkPlaces[entry.type] or (entry.type == "cSource" and kWorkSources[entry.sprite])
    if doors[entry.id] or (work and entry.name ~= "home") then targets[#targets + 1] = entry end
  end
  local dx, dy = door.cell_x, door.cell_y
  -- Nearest first, so the far walks follow the near ones out.
  table.sort(targets, function(a, b)
    local da = (a.cell_x - dx) ^ 2 + (a.cell_y - dy) ^ 2
    local db = (b.cell_x - dx) ^ 2 + (b.cell_y - dy) ^ 2
    if da ~= db then return da < db end
    return a.id < b.id
  end)
  local worn, routes = {}, {}
  for _, entry in ipairs(targets) do
    local route = walk({ dx, dy }, goalsOf(entry, doors, covered), covered, worn)
    if route and #route > 1 then
      local flat = {}
      for _, k in ipairs(route) do
        worn[k] = true
        flat[#flat + 1] = math.floor(k / L.HEIGHT)
        flat[#flat + 1] = k % L.HEIGHT
      end
      routes[#routes + 1] = flat
    end
  end
  return routes, worn
end

local function home()
  for _, entry in ipairs(L.placed()) do
    if entry.type == "cBuild" and entry.sprite == "base00" then return entry end
  end
  return nil
end

local function marks(covered, worn)
  local grid = {}
  for x = 0, L.WIDTH - 1 do
    for y = 0, L.HEIGHT - 1 do
      local kind = L.kind(x, y)
      local holder = covered[key(x, y)]
      local mark = T.MARKS.grass
      if not L.inside(x, y) then
        mark = T.MARKS.outside
      elseif kind == "water" then
        mark = T.MARKS.water
      elseif kind ~= nil and holder ~= nil and holder.type == "cBarrier" then
        -- A log or stone in a wall: ground once cleared.
        mark = T.MARKS.gap
      elseif kind ~= nil then
        mark = T.MARKS[kind]
      elseif holder ~= nil and holder.type == "cField" then
        mark = T.MARKS.soil
      elseif worn[key(x, y)] then
        mark = T.MARKS.path
      end
      grid[key(x, y)] = mark
    end
  end
  local base = home()
  if base then
    local x0, y0, x1, y1 = L.footprint(base)
    for x = x0 - 1, x1 + 1 do
      for y = y0 - 1, y1 + 1 do
        local m = grid[key(x, y)]
        if m == T.MARKS.grass or m == T.MARKS.path then grid[key(x, y)] = T.MARKS.yard end
      end
    end
  end
  return grid
end

-- The description the level tool checks and writes for the art tool (picture
-- pixels, y down); the tool, not this library, makes the file's text.
local function describe(grid, routes)
  local c00x, c00y = L.centre(0, 0)
  local c10x, c10y = L.centre(1, 0)
  local c01x, c01y = L.centre(0, 1)
  local ux, uy = c10x - c00x, c10y - c00y
  local vx, vy = c01x - c00x, c01y - c00y
  local ox, oy = c00x - (ux + vx) / 2, c00y - (uy + vy) / 2
  local rows = {}
  for y = L.HEIGHT - 1, 0, -1 do
    local row = {}
    for x = 0, L.WIDTH - 1 do row[#row + 1] = grid[key(x, y)] end
    rows[#rows + 1] = table.concat(row)
  end
  return {
    name = L.level_name(),
    season = current().season,
    origin = { ox, L.AREA_HEIGHT - oy },
    u = { ux, -uy },
    v = { vx, -vy },
    rows = rows,
    paths = routes,
  }
end

function T.hand_over()
  local covered, holders = footprints()
  checkReach(covered, holders)
  local routes, worn = paths(covered)
  local description = describe(marks(covered, worn or {}), routes)
  local hand = rawget(_G, "terrain")
  if type(hand) == "function" then hand(description) end
  return description
end

return T
