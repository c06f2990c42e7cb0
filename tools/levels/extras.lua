-- Scene building for the play levels 020-039, over the level library (level_lib):
-- a level is drawn as a picture of the game grid (Scene:map) or placed cell by
-- cell. Every placement is checked as it is made: a footprint that overlaps
-- another or leaves the level area, or a clickable object near the screen's edge
-- or under the HUD, stops the compile. Scene:finish checks that the home's door
-- reaches every clickable object, worker and door over walkable cells (four
-- neighbours, as the path finder walks) and hands objects and scenery to the
-- library, which writes them and the 31 x 25 grid tail.
local L = require("level_lib")

local M = {}

-- Clickable objects keep this far from the screen's edges (world units); sprites
-- rise above their position, so the top keeps more.
local kEdge = 56
local kTopEdge = 150
-- The HUD's usable controls, widened by what a sprite covers round its position:
-- the task frames (top right) and the menu button (bottom right). Screen y is up.
local kHudRects = {
  { x0 = 808 - 110, y0 = 554 - 150, x1 = 1024, y1 = 768 },
  { x0 = 896 - 110, y0 = 0, x1 = 1024, y1 = 48 + 90 },
}

-- Classes whose footprint the level start marks on the grid.
local kBlocking = {
  cBuild = true, cPlant = true, cAltar = true, cAltarEnemy = true, cBarrier = true, cSource = true,
  cField = true, cLake = true, cTower = true, cPrison = true, cBell = true, cBonfire = true, cTunnelBuild = true,
}
-- Figures that must stand on a free cell the home reaches.
local kWalkers = { cWorker = true, cHero = true, cWife = true, cBaseEnemy = true, cBandit = true }

local function key(x, y) return x * 100 + y end

local Scene = {}
Scene.__index = Scene

-- A new scene: the library's level with its background (id 1).
function M.scene(name)
  L.begin(name)
  return setmetatable({ name = name, nextId = 2, entries = {}, taken = {}, scenery = {} }, Scene)
end

function Scene:error(text)
  if os.getenv("LEVEL_MAP") then self:printMap() end
  error("level " .. self.name .. ": " .. text, 3)
end

-- Places an entry on cell = { x, y }; its other fields (type, name, sprite, tag,
-- data, layer) go to the level file. Returns the entry with its id, cell (cx, cy)
-- and footprint (x0, y0 to x1, y1) filled in.
function Scene:put(entry)
  local cx, cy = entry.cell[1], entry.cell[2]
  if not L.inside(cx, cy) then self:error("cell " .. cx .. "," .. cy .. " lies outside the level area") end
  local label = entry.name or entry.type
  entry.id = entry.id or self.nextId
  self.nextId = math.max(self.nextId, entry.id) + 1
  entry.cx, entry.cy = cx, cy
  entry.x0, entry.y0, entry.x1, entry.y1 = L.footprint({ type = entry.type, sprite = entry.sprite, cell_x = cx,
                                                         cell_y = cy })
  if kBlocking[entry.type] then
    for x = entry.x0, entry.x1 do
      for y = entry.y0, entry.y1 do
        if not L.inside(x, y) then self:error(label .. " reaches outside the level area") end
        local other = self.taken[key(x, y)]
        if other then self:error(label .. " overlaps " .. (other.name or other.type)) end
        self.taken[key(x, y)] = entry
      end
    end
  end
  if kBlocking[entry.type] or entry.type == "cTank" then
    local x, y = L.position(entry, cx, cy)
    if x < kEdge or x > L.AREA_WIDTH - kEdge or y < kEdge or y > L.AREA_HEIGHT - kTopEdge then
      self:error(string.format("%s on cell %d,%d stands too near the screen's edge (at %d, %d)", label, cx, cy, x, y))
    end
    for _, r in ipairs(kHudRects) do
      if x > r.x0 and x < r.x1 and y > r.y0 and y < r.y1 then self:error(string.format("%s on cell %d,%d stands under the HUD (at %d, %d)", label, cx, cy, x, y)) end
    end
  end
  self.entries[#self.entries + 1] = entry
  return entry
end

-- A door (route point) of a holder on the cell (x, y).
function Scene:door(holder, x, y, name)
  return self:put({ type = "cNode", cell = { x, y }, name = name or ((holder.name or "site") .. "_door"),
                    data = holder.id, door = true })
end

-- The home "base00" with its door beside the lowest row of its footprint.
function Scene:home(x, y)
  local home = self:put({ type = "cBuild", cell = { x, y }, name = "home", sprite = "base00" })
  self.homeDoor = self:door(home, home.x1 + 1, home.y0, "home_door")
  return home
end

-- A building with its door on the cell below the middle of its footprint.
function Scene:site(entry)
  local building = self:put(entry)
  self:door(building, building.cx, building.y0 - 1)
  return building
end

function Scene:worker(x, y, name)
  return self:put({ type = "cWorker", cell = { x, y }, layer = L.LAYER_WALKERS, name = name })
end

-- A house site of max level 0 (so that it counts where a task counts houses).
function Scene:house(x, y, name)
  return self:site({ type = "cBuild", cell = { x, y }, name = name, sprite = "house00" })
end

function Scene:field(x, y, name)
  return self:put({ type = "cField", cell = { x, y }, layer = L.LAYER_FLAT, name = name, sprite = "field00" })
end

local kTreeSprites = { "tree00_0", "tree00_1", "tree00_2", "tree00_3", "tree01_0", "tree01_1", "tree01_2" }

-- A tree; link (optional) gives it to the goblin camps of the same link number,
-- whose goblins steal from nothing else.
function Scene:tree(x, y, name, link)
  self.treeCount = (self.treeCount or 0) + 1
  return self:put({ type = "cSource", cell = { x, y }, name = name, data = link,
                    sprite = kTreeSprites[(self.treeCount - 1) % #kTreeSprites + 1] })
end

function Scene:nugget(x, y, name)
  return self:put({ type = "cSource", cell = { x, y }, name = name, sprite = "nugget00" })
end

function Scene:well(x, y, name)
  return self:put({ type = "cSource", cell = { x, y }, name = name, sprite = "well00" })
end

-- An enemy camp: sprite names the walker ("goblin_wood", "witch", "succub"...), tag
-- is "interval;maximum" until a script or the night changes them, link the goblins'
-- trees.
function Scene:camp(x, y, name, sprite, tag, link)
  return self:put({ type = "cBaseEnemy", cell = { x, y }, name = name, sprite = sprite, tag = tag, data = link })
end

-- The letters of a map picture that need no legend.
local kMapLetters = {
  B = { maker = "home", size = { 3, 3 } },
  h = { maker = "house", prefix = "house", size = { 3, 2 } },
  t = { maker = "tree", prefix = "tree" },
  n = { maker = "nugget", prefix = "nugget" },
  w = { maker = "well", prefix = "well" },
  f = { maker = "field", prefix = "field" },
  o = { maker = "worker", prefix = "worker" },
}

-- The cell an object stands on when its footprint of n cells starts at cell first.
local function anchor(n, first)
  if n % 2 == 0 then return first + n / 2 - 1 end
  return first + math.floor(n / 2)
end

-- Places the objects drawn in a picture of the grid: rows from the top (y = 24)
-- down, one character per cell from x = 0. '#' is scenery; '.', ' ', ':' and '%'
-- are free ground (the last two mark, for the designer, the screen's edge and the
-- HUD, where no clickable object may stand). The letters of kMapLetters and of the
-- legend make objects; a footprint is drawn in full, and the objects of a letter
-- are numbered from the bottom left. A legend entry is an object entry (type,
-- name, sprite, tag, data, size = { w, h }, door = true; a list as name or data
-- gives one value per object), a function(scene, x, y, index) for a one-cell
-- object that needs more, or { size = { w, h }, make = such a function }.
function Scene:map(rows, legend)
  legend = legend or {}
  if #rows ~= L.HEIGHT then self:error("map needs " .. L.HEIGHT .. " rows, has " .. #rows) end
  local cells = {}
  for row, text in ipairs(rows) do
    local y = L.HEIGHT - row
    for x = 0, #text - 1 do
      local c = text:sub(x + 1, x + 1)
      if c == "#" then
        self.scenery[key(x, y)] = true
      elseif not (c == "." or c == " " or c == ":" or c == "%") then
        cells[#cells + 1] = { x = x, y = y, c = c }
      end
    end
  end
  table.sort(cells, function(a, b)
    if a.y ~= b.y then return a.y < b.y end
    return a.x < b.x
  end)
  local drawn, used, counts = {}, {}, {}
  for _, cell in ipairs(cells) do drawn[key(cell.x, cell.y)] = cell.c end
  for _, cell in ipairs(cells) do
    if not used[key(cell.x, cell.y)] then
      self:mapObject(cell, legend[cell.c] or kMapLetters[cell.c], drawn, used, counts)
    end
  end
end

function Scene:mapObject(cell, spec, drawn, used, counts)
  local where = "map letter '" .. cell.c .. "' at " .. cell.x .. "," .. cell.y
  if not spec then self:error(where .. " has no meaning") end
  local size = type(spec) == "table" and spec.size or { 1, 1 }
  for x = cell.x, cell.x + size[1] - 1 do
    for y = cell.y, cell.y + size[2] - 1 do
      if drawn[key(x, y)] ~= cell.c or used[key(x, y)] then self:error(where .. " is not a whole footprint") end
      used[key(x, y)] = true
    end
  end
  local index = counts[cell.c] or 0
  counts[cell.c] = index + 1
  local ax, ay = anchor(size[1], cell.x), anchor(size[2], cell.y)
  local made
  if type(spec) == "function" then
    made = spec(self, ax, ay, index)
  elseif spec.make then
    made = spec.make(self, ax, ay, index)
  elseif spec.maker then
    made = self[spec.maker](self, ax, ay, spec.prefix and (spec.prefix .. index) or nil)
  else
    local entry = {}
    for field, value in pairs(spec) do
      if field ~= "size" and field ~= "door" then entry[field] = value end
    end
    if type(spec.name) == "table" then entry.name = spec.name[index + 1] end
    if type(spec.data) == "table" then entry.data = spec.data[index + 1] end
    entry.cell = { ax, ay }
    made = spec.door and self:site(entry) or self:put(entry)
  end
  -- The picture and the class must agree on the footprint, or the picture lies.
  if made and kBlocking[made.type] and (made.x0 ~= cell.x or made.y0 ~= cell.y or
                                        made.x1 ~= cell.x + size[1] - 1 or made.y1 ~= cell.y + size[2] - 1) then
    self:error(where .. " is drawn in another size than its footprint")
  end
end

-- Barriers count as passable: the player clears them.
function Scene:walkable(x, y)
  local holder = self.taken[key(x, y)]
  return L.inside(x, y) and not self.scenery[key(x, y)] and (holder == nil or holder.type == "cBarrier")
end

-- Flood fill from the home's door; then every blocking object must have a reached
-- cell beside its footprint, and every figure and door must stand on a reached cell.
function Scene:checkReach()
  local start = self.homeDoor
  if not start then self:error("has no home") end
  local reached = { [key(start.cx, start.cy)] = true }
  local queue = { { start.cx, start.cy } }
  local head = 1
  while queue[head] do
    local x, y = queue[head][1], queue[head][2]
    head = head + 1
    for _, step in ipairs({ { 0, -1 }, { -1, 0 }, { 1, 0 }, { 0, 1 } }) do
      local nx, ny = x + step[1], y + step[2]
      if not reached[key(nx, ny)] and self:walkable(nx, ny) then
        reached[key(nx, ny)] = true
        queue[#queue + 1] = { nx, ny }
      end
    end
  end
  self.reached = reached
  for _, e in ipairs(self.entries) do
    local label = e.name or e.type
    if kBlocking[e.type] then
      local beside = false
      for x = e.x0 - 1, e.x1 + 1 do
        for y = e.y0 - 1, e.y1 + 1 do
          local ring = (x == e.x0 - 1 or x == e.x1 + 1) ~= (y == e.y0 - 1 or y == e.y1 + 1)
          beside = beside or (ring and reached[key(x, y)] == true)
        end
      end
      if not beside then self:error(label .. " cannot be reached from the home") end
    elseif (kWalkers[e.type] or e.door) and not reached[key(e.cx, e.cy)] then
      self:error(label .. " does not stand on a reached walkable cell")
    end
  end
end

function Scene:finish()
  self:checkReach()
  for _, e in ipairs(self.entries) do
    L.place({ type = e.type, id = e.id, layer = e.layer, name = e.name, sprite = e.sprite, tag = e.tag, data = e.data },
            e.cx, e.cy)
  end
  for x = 0, L.WIDTH - 1 do
    for y = 0, L.HEIGHT - 1 do
      if self.scenery[key(x, y)] then L.block_cell(x, y) end
    end
  end
  L.finish()
  if os.getenv("LEVEL_MAP") then self:printMap() end
end

-- A picture of the placed level for the designer (LEVEL_MAP=1 on the compile), in
-- the map's own rows; '-' marks free cells the home does not reach.
function Scene:printMap()
  local marks = { cBuild = "H", cPlant = "P", cSource = "t", cField = "f", cAltar = "A", cAltarEnemy = "E",
                  cTunnelBuild = "T", cPrison = "J", cBell = "b", cBonfire = "F", cLake = "L", cTower = "T",
                  cBarrier = "x", cWorker = "o", cNode = "n", cBaseEnemy = "C", cTank = "K" }
  local picture = {}
  for _, e in ipairs(self.entries) do
    local mark = marks[e.type] or "?"
    if kBlocking[e.type] then
      for x = e.x0, e.x1 do
        for y = e.y0, e.y1 do picture[key(x, y)] = mark end
      end
    else
      picture[key(e.cx, e.cy)] = mark
    end
  end
  for y = L.HEIGHT - 1, 0, -1 do
    local row = {}
    for x = 0, L.WIDTH - 1 do
      local mark = picture[key(x, y)]
      if not mark then
        mark = L.inside(x, y) and (self.scenery[key(x, y)] and "#" or ".") or " "
        if mark == "." and self.reached and not self.reached[key(x, y)] then mark = "-" end
      end
      row[#row + 1] = mark
    end
    io.stderr:write(string.format("%2d %s\n", y, table.concat(row)))
  end
end

return M
