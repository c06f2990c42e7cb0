-- The shared library of the play levels' sources (data/level/src/levelNNN.lua).
-- A source does
--   local L = require("level_lib")
--   L.begin("007")
--   ... places objects and areas ...
--   L.finish()
-- and the level tool turns what it wrote into the .lvl file. The ground (water,
-- walls, rocks, woods, the season) is described through level_terrain.lua, which
-- blocks its cells here and hands the same cells to the background's painter. The cell geometry is
-- the tool's own (cell_centre and point_to_cell, the grid functions the level screen
-- uses); this file only counts in cells.
--
-- Positions: every placing function takes a grid cell (cx, cy). L.snap(x, y) gives
-- the cell of a world point (x right, y up, the level area 0..1024 x 0..768), so a
-- level may be laid out in world points and still stand on cell centres.
--
-- Functions (each returns the entry it wrote, whose .id other objects may link to):
--   L.begin(name)                      starts the level "name" (file version 100) with
--                                      its background object (cBack, id 1)
--   L.snap(x, y) -> cx, cy             the cell of a world point
--   L.centre(cx, cy) -> x, y           the world point in the middle of a cell
--   L.inside(cx, cy) -> bool           the cell's centre lies in the level area
--   L.place(entry, cx, cy)             any object on cell (cx, cy), standing in the
--                                      middle of its footprint (L.position); entry as
--                                      the tool's object{} (type, name, sprite, tag,
--                                      data, layer), id given when left out
--   L.position(entry, cx, cy) -> x, y  the world point an object placed on the cell
--                                      stands on: the middle of its footprint, a cell
--                                      centre along an odd side, the corner after the
--                                      cell along an even one
--   L.place_at(entry, x, y)            any object at a world point (not snapped); its
--                                      footprint is the one the level screen counts
--   L.home(cx, cy)                     the home "base00" (3 x 3 cells) with its cNode
--                                      (data = the home's id) on the cell below its
--                                      footprint's right corner
--   L.worker(cx, cy, name)             a worker (layer 6)
--   L.house(cx, cy, name, maxLevel)    a "house00" site (3 x 2 cells, max level 0 by
--                                      default) with its cNode below it
--   L.building(sprite, cx, cy, name, tag)        a cBuild of another set-up ("tower00"
--                                      is a cTower, see L.tower)
--   L.tower(cx, cy, name, tag)         a "tower00" site (max level in tag, "0" default)
--   L.enemy_tower(cx, cy, name)        a "tower_enemy00"
--   L.special(sprite, cx, cy, name, data)        a cTunnelBuild ("lighthouse00",
--                                      "ruins00", "castle_ice", "tower_advisor",
--                                      "source_life_water"); no door: for a footprint
--                                      wider than 2 cells use L.special_site
--   L.special_site(sprite, cx, cy, name, data)   L.special with its cNode on the
--                                      cell below its footprint, where the workers
--                                      go (the middle of a big footprint is beyond
--                                      their reach)
--   L.plant(sprite, cx, cy, name, tag, items)    a "mill00", "sawmill00" or
--                                      "goldmill00" (2 x 2 cells); items is a list of
--                                      item sprites ("food", "wood", "money", "mana")
--                                      placed beside it and linked to it
--   L.tree(cx, cy, name, sprite)       a tree ("tree00_0" by default)
--   L.nugget(cx, cy, name), L.well(cx, cy, name)
--   L.field(cx, cy, name, sprite)      a field (layer 4, "field00" by default)
--   L.barrier(sprite, cx, cy, name)    a log, stone or bridge ("bridge00" lies in
--                                      layer 4)
--   L.altar(spell, cx, cy, name)       an altar of that spell ("spell_shield", ...)
--   L.enemy_altar(spell, period, cx, cy, name)   an enemy altar, tag "spell;period"
--   L.camp(sprite, cx, cy, name, interval, maximum)  an enemy camp ("skeleton",
--                                      "goblin_money", "goblin_wood", "witch",
--                                      "succub"), tag "interval;maximum"
--   L.figure(class, sprite, cx, cy, name)        a single character (cHero "hero",
--                                      cWife "wife", cBandit "bandit", cTank ...)
--   L.decor(sprite, cx, cy, name)      a cDecor, e.g. "simple=bush"
--   L.way_point(cx, cy, name)          a way point of the bandits' and skeleton
--                                      wizards' round (in the order placed)
--   L.bell(cx, cy, name), L.bonfire(cx, cy, name), L.lake(cx, cy, name)
--   L.area(x0, y0, x1, y1, cost, kind) the cost of the cells x0..x1, y0..y1 (0 walkable,
--                                      -1 blocked, 0.7 or 10 slow ground)
--   L.block(x0, y0, x1, y1, kind)      L.area with -1
--   L.block_cell(cx, cy, kind), L.free_cell(cx, cy)
--   L.block_line(x0, y0, x1, y1, kind) -1 on the cells of a straight cell line (a
--                                      river, a cliff); diagonal steps are doubled so
--                                      the line cannot be slipped through
--                                      Every blocked cell is ground the background
--                                      shows as an obstacle: kind is "water", "rock"
--                                      or "woods" ("rock" when left out); see
--                                      level_terrain.lua, which paints them
--   L.kind(cx, cy) -> kind or nil      what blocks the cell (nil: walkable)
--   L.placed() -> list                 the entries placed so far, in order
--   L.footprint(entry) -> x0, y0, x1, y1         the cells an object's zone covers:
--                                      along an odd side the cells round its cell,
--                                      along an even side the cells round the corner
--                                      after its cell
--   L.is_free(cx, cy) -> bool          inside the level area, walkable so far and on
--                                      no placed object's footprint
--   L.is_clear_of_hud(cx, cy) -> bool  the cell's centre keeps off the screen's edges
--                                      and away from the HUD's task panel (top right)
--                                      and menu button (bottom right): a clickable
--                                      object may stand there
--   L.finish()                         hands the ground to the terrain module (which
--                                      may add the woods along the top edge and checks
--                                      that the home reaches every object), then
--                                      writes the grid tail (31 x 25, x outer, y inner):
--                                      cells outside the level area -1, object
--                                      footprints walkable; stops with an error when
--                                      two objects (decor aside) share a cell, one
--                                      reaches out of the level area or the level
--                                      screen would count other cells under one
local M = {}

M.WIDTH = 31
M.HEIGHT = 25
M.AREA_WIDTH = 1024
M.AREA_HEIGHT = 768
M.VERSION = 100

-- Layers the classes expect when a level sets them explicitly.
M.LAYER_FLAT = 4
M.LAYER_WALKERS = 6

-- Zone sizes (cells) of the set-ups, as the classes set them; 1 x 1 for the rest.
local kZones = {
  base00 = { 3, 3 }, house00 = { 3, 2 },
  mill00 = { 2, 2 }, sawmill00 = { 2, 2 }, goldmill00 = { 2, 2 },
  lighthouse00 = { 2, 2 }, ruins00 = { 4, 3 }, castle_ice = { 4, 3 }, tower_advisor = { 2, 2 },
  source_life_water = { 4, 4 }, lake00 = { 3, 3 }, prison00 = { 2, 2 },
}
local kAltarClasses = { cAltar = true, cAltarEnemy = true }
local kPrisonClass = "cPrison"

local state

function M.begin(name)
  state = { name = name, nextId = 1, cells = {}, kinds = {}, placed = {} }
  for x = 0, M.WIDTH - 1 do
    for y = 0, M.HEIGHT - 1 do
      state.cells[x * M.HEIGHT + y + 1] = M.inside(x, y) and 0 or -1
    end
  end
  level { name = name, version = M.VERSION }
  -- The background object shows "back/<level name>_0".."_3".
  object { type = "cBack", id = state.nextId, name = "back" }
  state.nextId = state.nextId + 1
end

function M.centre(cx, cy)
  return cell_centre(cx, cy)
end

function M.snap(x, y)
  return point_to_cell(x, y)
end

function M.inside(cx, cy)
  local x, y = cell_centre(cx, cy)
  return x >= 0 and x <= M.AREA_WIDTH and y >= 0 and y <= M.AREA_HEIGHT
end

local function zoneOf(entry)
  if kAltarClasses[entry.type] then return 2, 2 end
  if entry.type == kPrisonClass then return 2, 2 end
  local zone = kZones[entry.sprite or ""]
  if zone then return zone[1], zone[2] end
  return 1, 1
end

-- The footprint's first and last cells along one axis for an object placed on cell
-- c: odd sizes round the cell, even ones round the corner after it (from the cell
-- on), where M.position stands the object so its picture covers the cells.
local function span(c, n)
  local half = math.floor(n / 2)
  if n % 2 == 0 then return c + 1 - half, c + half end
  return c - half, c + half
end

function M.footprint(entry)
  local w, h = zoneOf(entry)
  local x0, x1 = span(entry.cell_x, w)
  local y0, y1 = span(entry.cell_y, h)
  return x0, y0, x1, y1
end

local function write(entry)
  if entry.id == nil then
    entry.id = state.nextId
  end
  state.nextId = math.max(state.nextId, entry.id + 1)
  local record = {}
  for key, value in pairs(entry) do
    if key ~= "cell_x" and key ~= "cell_y" then record[key] = value end
  end
  object(record)
  state.placed[#state.placed + 1] = entry
  return entry
end

-- The middle of the footprint: half way between the centres of its first and last
-- cells (the grid is affine, so this holds on its skewed axes too).
function M.position(entry, cx, cy)
  local x0, y0, x1, y1 = M.footprint({ type = entry.type, sprite = entry.sprite, cell_x = cx, cell_y = cy })
  local ax, ay = cell_centre(x0, y0)
  local bx, by = cell_centre(x1, y1)
  return (ax + bx) / 2, (ay + by) / 2
end

function M.place(entry, cx, cy)
  entry.x, entry.y = M.position(entry, cx, cy)
  entry.cell_x, entry.cell_y = cx, cy
  return write(entry)
end

-- The cell whose span is the footprint the level screen counts at the point.
local function cellOfSpan(first, n)
  return first + math.floor(n / 2) - ((n % 2 == 0) and 1 or 0)
end

function M.place_at(entry, x, y)
  local w, h = zoneOf(entry)
  local x0, y0 = footprint_cells(x, y, w, h)
  entry.x, entry.y = x, y
  entry.cell_x, entry.cell_y = cellOfSpan(x0, w), cellOfSpan(y0, h)
  return write(entry)
end

function M.home(cx, cy)
  local home = M.place({ type = "cBuild", name = "home", sprite = "base00" }, cx, cy)
  M.place({ type = "cNode", name = "home_door", data = home.id }, cx + 2, cy - 1)
  return home
end

function M.worker(cx, cy, name)
  return M.place({ type = "cWorker", layer = M.LAYER_WALKERS, name = name or "" }, cx, cy)
end

function M.house(cx, cy, name, maxLevel)
  local house = M.place({ type = "cBuild", name = name or "", sprite = "house00", tag = tostring(maxLevel or 0) },
                        cx, cy)
  M.place({ type = "cNode", name = (name or "house") .. "_door", data = house.id }, cx, cy - 1)
  return house
end

function M.building(sprite, cx, cy, name, tag)
  return M.place({ type = "cBuild", name = name or "", sprite = sprite, tag = tag or "" }, cx, cy)
end

function M.tower(cx, cy, name, tag)
  return M.place({ type = "cTower", name = name or "", sprite = "tower00", tag = tag or "0" }, cx, cy)
end

function M.enemy_tower(cx, cy, name)
  return M.place({ type = "cTower", name = name or "", sprite = "tower_enemy00" }, cx, cy)
end

function M.special(sprite, cx, cy, name, data)
  return M.place({ type = "cTunnelBuild", name = name or "", sprite = sprite, data = data or 0 }, cx, cy)
end

function M.special_site(sprite, cx, cy, name, data)
  local site = M.special(sprite, cx, cy, name, data)
  local _, y0 = M.footprint(site)
  M.place({ type = "cNode", name = (name or sprite) .. "_door", data = site.id }, cx, y0 - 1)
  return site
end

function M.plant(sprite, cx, cy, name, tag, items)
  local plant = M.place({ type = "cPlant", name = name or "", sprite = sprite, tag = tag or "2" }, cx, cy)
  for i, item in ipairs(items or {}) do
    M.place({ type = "cItem", layer = M.LAYER_WALKERS, name = (name or "plant") .. "_item" .. (i - 1), sprite = item,
              data = plant.id }, cx + 1 + i, cy - 1)
  end
  return plant
end

function M.tree(cx, cy, name, sprite)
  return M.place({ type = "cSource", name = name or "", sprite = sprite or "tree00_0" }, cx, cy)
end

function M.nugget(cx, cy, name)
  return M.place({ type = "cSource", name = name or "", sprite = "nugget00" }, cx, cy)
end

function M.well(cx, cy, name)
  return M.place({ type = "cSource", name = name or "", sprite = "well00" }, cx, cy)
end

function M.field(cx, cy, name, sprite)
  return M.place({ type = "cField", layer = M.LAYER_FLAT, name = name or "", sprite = sprite or "field00" }, cx, cy)
end

function M.barrier(sprite, cx, cy, name)
  local entry = { type = "cBarrier", name = name or "", sprite = sprite }
  if sprite:sub(1, 6) == "bridge" then entry.layer = M.LAYER_FLAT end
  return M.place(entry, cx, cy)
end

function M.altar(spell, cx, cy, name)
  return M.place({ type = "cAltar", name = name or "", sprite = spell }, cx, cy)
end

function M.enemy_altar(spell, period, cx, cy, name)
  return M.place({ type = "cAltarEnemy", name = name or "", sprite = spell, tag = spell .. ";" .. period }, cx, cy)
end

function M.camp(sprite, cx, cy, name, interval, maximum)
  return M.place({ type = "cBaseEnemy", name = name or "", sprite = sprite, tag = interval .. ";" .. maximum }, cx, cy)
end

function M.figure(class, sprite, cx, cy, name)
  return M.place({ type = class, layer = M.LAYER_WALKERS, name = name or "", sprite = sprite }, cx, cy)
end

function M.decor(sprite, cx, cy, name)
  return M.place({ type = "cDecor", name = name or "", sprite = sprite }, cx, cy)
end

function M.is_free(cx, cy)
  if cx < 0 or cy < 0 or cx >= M.WIDTH or cy >= M.HEIGHT or not M.inside(cx, cy) then return false end
  if state.cells[cx * M.HEIGHT + cy + 1] < 0 then return false end
  for _, entry in ipairs(state.placed) do
    if entry.type ~= "cDecor" then
      local x0, y0, x1, y1 = M.footprint(entry)
      if cx >= x0 and cx <= x1 and cy >= y0 and cy <= y1 then return false end
    end
  end
  return true
end

-- The task panel covers x 808-1016, y 554-706 and the menu button x 896-1016,
-- y 8-48 (y up); pictures stand above their position, so the margins are wide.
function M.is_clear_of_hud(cx, cy)
  local x, y = cell_centre(cx, cy)
  if x < 60 or x > 960 or y < 50 or y > 640 then return false end
  if x >= 760 and y >= 480 then return false end
  if x >= 860 and y <= 100 then return false end
  return true
end

function M.way_point(cx, cy, name)
  return M.place({ type = "cWayPoint", name = name or "" }, cx, cy)
end

function M.bell(cx, cy, name)
  return M.place({ type = "cBell", name = name or "", sprite = "bell00" }, cx, cy)
end

function M.bonfire(cx, cy, name)
  return M.place({ type = "cBonfire", name = name or "", sprite = "bonfire00" }, cx, cy)
end

function M.lake(cx, cy, name)
  return M.place({ type = "cLake", name = name or "", sprite = "lake00" }, cx, cy)
end

M.KINDS = { water = true, rock = true, woods = true }
M.DEFAULT_KIND = "rock"

-- A blocked cell always says what blocks it, so the background can show it: the
-- grid never blocks ground the picture draws as open.
local function setCell(cx, cy, cost, kind)
  if cx < 0 or cy < 0 or cx >= M.WIDTH or cy >= M.HEIGHT then return end
  -- Ground outside the level area stays blocked whatever a level asks.
  if not M.inside(cx, cy) then return end
  if kind ~= nil and not M.KINDS[kind] then error("unknown terrain kind '" .. tostring(kind) .. "'", 0) end
  local index = cx * M.HEIGHT + cy + 1
  state.cells[index] = cost
  state.kinds[index] = cost < 0 and (kind or M.DEFAULT_KIND) or nil
end

function M.area(x0, y0, x1, y1, cost, kind)
  for x = math.min(x0, x1), math.max(x0, x1) do
    for y = math.min(y0, y1), math.max(y0, y1) do setCell(x, y, cost, kind) end
  end
end

function M.block(x0, y0, x1, y1, kind)
  M.area(x0, y0, x1, y1, -1, kind)
end

function M.block_cell(cx, cy, kind)
  setCell(cx, cy, -1, kind)
end

function M.free_cell(cx, cy)
  setCell(cx, cy, 0)
end

function M.block_line(x0, y0, x1, y1, kind)
  local steps = math.max(math.abs(x1 - x0), math.abs(y1 - y0))
  local lastX, lastY = x0, y0
  setCell(x0, y0, -1, kind)
  for i = 1, steps do
    local x = x0 + math.floor((x1 - x0) * i / steps + 0.5)
    local y = y0 + math.floor((y1 - y0) * i / steps + 0.5)
    -- A diagonal step would leave a corner open to a walker cutting across it.
    if x ~= lastX and y ~= lastY then setCell(x, lastY, -1, kind) end
    setCell(x, y, -1, kind)
    lastX, lastY = x, y
  end
end

function M.cost(cx, cy)
  return state.cells[cx * M.HEIGHT + cy + 1]
end

function M.kind(cx, cy)
  if cx < 0 or cy < 0 or cx >= M.WIDTH or cy >= M.HEIGHT then return nil end
  return state.kinds[cx * M.HEIGHT + cy + 1]
end

function M.placed()
  return state.placed
end

function M.level_name()
  return state and state.name
end

-- A level laid out by hand easily puts two objects on one cell; the tool stops
-- with the names instead of writing a level whose objects stand in each other.
local function checkLayout()
  local taken = {}
  for _, entry in ipairs(state.placed) do
    if entry.type ~= "cDecor" then
      local x0, y0, x1, y1 = M.footprint(entry)
      -- The game counts the cells from the position: the walks, the clicks and the
      -- checks here must mean the same cells.
      local w, h = zoneOf(entry)
      local gx0, gy0, gx1, gy1 = footprint_cells(entry.x, entry.y, w, h)
      if gx0 ~= x0 or gy0 ~= y0 or gx1 ~= x1 or gy1 ~= y1 then
        error(string.format("%s '%s' covers cells (%d, %d) to (%d, %d) in the game, not (%d, %d) to (%d, %d)",
                            entry.type, entry.name or "", gx0, gy0, gx1, gy1, x0, y0, x1, y1), 0)
      end
      for x = x0, x1 do
        for y = y0, y1 do
          if not M.inside(x, y) then
            error(string.format("%s '%s' reaches cell (%d, %d) outside the level area", entry.type, entry.name or "",
                                x, y), 0)
          end
          local key = x * M.HEIGHT + y
          local other = taken[key]
          if other then
            error(string.format("%s '%s' and %s '%s' share cell (%d, %d)", other.type, other.name or "", entry.type,
                                entry.name or "", x, y), 0)
          end
          taken[key] = entry
        end
      end
    end
  end
end

function M.finish()
  checkLayout()
  -- Loaded here, not at the top: the terrain module builds on this one.
  local terrain = require("level_terrain")
  terrain.settle()
  -- Footprints stay walkable in the tail: the level start blocks them and the
  -- objects free them again (a cleared barrier, a repaired bridge, a frozen lake).
  -- Their terrain kind stays for the picture: the water under a bridge.
  for _, entry in ipairs(state.placed) do
    if entry.type ~= "cNode" and entry.type ~= "cDecor" then
      local x0, y0, x1, y1 = M.footprint(entry)
      for x = x0, x1 do
        for y = y0, y1 do
          if M.inside(x, y) then state.cells[x * M.HEIGHT + y + 1] = 0 end
        end
      end
    end
  end
  grid { width = M.WIDTH, height = M.HEIGHT, cells = state.cells }
  terrain.hand_over()
end

return M
