-- Scene building for the play levels 020-039: objects are placed on cells of the
-- game grid (at the cell's centre) with the footprints the level start marks,
-- either one by one or drawn as a picture of the grid (Scene:map). A placement
-- that overlaps another footprint, leaves the level area or lands under the HUD
-- stops the compile. Finish() checks that the home's door reaches every clickable
-- object and worker over walkable cells (four neighbours, as the path finder
-- walks) and writes the 31 x 25 grid tail.
local M = {}

local kWidth, kHeight = 31, 25
local kAreaWidth, kAreaHeight = 1024, 768
-- Clickable objects keep this far from the screen edges (world units).
local kEdge = 56
-- The HUD's usable controls, widened by a margin: the task frames (top right) and
-- the menu button (bottom right). Screen y is up.
local kHudRects = {
  { x0 = 808 - 110, y0 = 554 - 150, x1 = 1024, y1 = 768 },
  { x0 = 896 - 110, y0 = 0, x1 = 1024, y1 = 48 + 90 },
}

-- Footprints (columns x rows of cells) as the classes set them up.
local kFootprints = {
  base00 = { 3, 3 }, house00 = { 3, 2 },
  mill00 = { 2, 2 }, sawmill00 = { 2, 2 }, goldmill00 = { 2, 2 },
  lighthouse00 = { 2, 2 }, ruins00 = { 4, 3 }, castle_ice = { 4, 3 }, tower_advisor = { 2, 2 },
  source_life_water = { 4, 4 }, lake00 = { 3, 3 },
}
local kTypeFootprints = { cPrison = { 2, 2 }, cAltar = { 2, 2 }, cAltarEnemy = { 2, 2 } }
-- Classes whose footprint the level start marks on the grid.
local kBlocking = {
  cBuild = true, cPlant = true, cAltar = true, cAltarEnemy = true, cBarrier = true, cSource = true,
  cField = true, cLake = true, cTower = true, cPrison = true, cBell = true, cBonfire = true, cTunnelBuild = true,
}
-- Objects that must stand on a free walkable cell reached from the home.
local kWalkers = { cWorker = true, cHero = true, cWife = true, cBaseEnemy = true, cBandit = true }

local function insideArea(cx, cy)
  if cx < 0 or cy < 0 or cx >= kWidth or cy >= kHeight then return false end
  local x, y = cell_centre(cx, cy)
  return x >= 0 and x <= kAreaWidth and y >= 0 and y <= kAreaHeight
end
M.insideArea = insideArea

-- The cells a footprint of n cells covers along one axis around cell c, as the
-- level screen's footprint range computes it for an object at the cell's centre.
local function span(n, c)
  local half = math.floor(n / 2)
  if n % 2 == 0 then return c + 1 - half, c + half end
  return c - half, c + half
end

local function key(x, y) return x * 100 + y end

local Scene = {}
Scene.__index = Scene

-- A new scene: level { name }, the background and the id counter.
function M.scene(name, idea)
  level { name = name, version = 100 }
  local scene = setmetatable({ name = name, idea = idea, nextId = 2, entries = {}, taken = {}, blocked = {},
                               scenery = {} }, Scene)
  object { type = "cBack", id = 1, name = "back" }
  return scene
end

function Scene:error(text)
  if os.getenv("LEVEL_MAP") then self:printMap() end
  error("level " .. self.name .. ": " .. text, 3)
end

-- Places an entry: cell = { x, y } (or at = { x, y }, a world point); the entry's
-- other fields go to the level file as given. Returns the entry with its id,
-- cell and world position filled in.
function Scene:put(entry)
  local cx, cy
  if entry.cell then
    cx, cy = entry.cell[1], entry.cell[2]
  else
    cx, cy = point_to_cell(entry.at[1], entry.at[2])
  end
  if not insideArea(cx, cy) then self:error("cell " .. cx .. "," .. cy .. " lies outside the level area") end
  entry.id = entry.id or self.nextId
  self.nextId = math.max(self.nextId, entry.id) + 1
  entry.cx, entry.cy = cx, cy
  entry.x, entry.y = cell_centre(cx, cy)
  local size = kFootprints[entry.sprite or ""] or kTypeFootprints[entry.type] or { 1, 1 }
  entry.x0, entry.x1 = span(size[1], cx)
  entry.y0, entry.y1 = span(size[2], cy)
  if kBlocking[entry.type] or entry.solid then
    for x = entry.x0, entry.x1 do
      for y = entry.y0, entry.y1 do
        if not insideArea(x, y) then self:error((entry.name or entry.type) .. " reaches outside the level area") end
        local other = self.taken[key(x, y)]
        if other then self:error((entry.name or entry.type) .. " overlaps " .. (other.name or other.type)) end
        self.taken[key(x, y)] = entry
      end
    end
  end
  if entry.clickable ~= false and (kBlocking[entry.type] or entry.type == "cTank") then
    if entry.x < kEdge or entry.x > kAreaWidth - kEdge or entry.y < kEdge or entry.y > kAreaHeight - 150 then
      self:error((entry.name or entry.type) .. " stands too near the screen edge")
    end
    for _, r in ipairs(kHudRects) do
      if entry.x > r.x0 and entry.x < r.x1 and entry.y > r.y0 and entry.y < r.y1 then
        self:error((entry.name or entry.type) .. " stands under the HUD")
      end
    end
  end
  self.entries[#self.entries + 1] = entry
  return entry
end

-- A door (route point) of a holder, at a cell offset from the holder's cell.
function Scene:node(holder, dx, dy, name)
  return self:put({ type = "cNode", cell = { holder.cx + dx, holder.cy + dy }, name = name or ((holder.name or "node") .. "_door"),
                    data = holder.id, door = true })
end

function Scene:home(x, y)
  local home = self:put({ type = "cBuild", cell = { x, y }, name = "home", sprite = "base00" })
  self.homeEntry = home
  self.homeDoor = self:node(home, 2, -1, "home_door")
  return home
end

-- A building with a door on the cell below the middle of its footprint.
function Scene:site(entry)
  local building = self:put(entry)
  self:put({ type = "cNode", cell = { building.cx, building.y0 - 1 }, name = (building.name or "site") .. "_door",
             data = building.id, door = true })
  return building
end

function Scene:worker(x, y, name)
  return self:put({ type = "cWorker", cell = { x, y }, layer = 6, name = name })
end

-- A house site (max level from the tag, 0 without one) with its door below it.
function Scene:house(x, y, name, tag)
  local house = self:put({ type = "cBuild", cell = { x, y }, name = name, sprite = "house00", tag = tag })
  self:node(house, 0, -1)
  return house
end

function Scene:field(x, y, name, sprite)
  return self:put({ type = "cField", cell = { x, y }, layer = 4, name = name, sprite = sprite or "field00" })
end

local kTreeSprites = { "tree00_0", "tree00_1", "tree00_2", "tree00_3", "tree01_0", "tree01_1", "tree01_2" }
-- A tree; link (optional) ties it to the goblin camps of the same link number.
function Scene:tree(x, y, name, link)
  self.treeCount = (self.treeCount or 0) + 1
  return self:put({ type = "cSource", cell = { x, y }, name = name, data = link,
                    sprite = kTreeSprites[(self.treeCount - 1) % #kTreeSprites + 1] })
end

-- A goblins' grove: trees that only the camps with the same link number steal from.
function Scene:grove(prefix, link, points)
  for i, point in ipairs(points) do self:tree(point[1], point[2], prefix .. (i - 1), link) end
end

-- An enemy camp: sprite is the walker ("goblin_wood", "witch", "succub"...), tag
-- "interval;maximum" until a script or the night changes it.
function Scene:camp(x, y, name, sprite, tag, link)
  return self:put({ type = "cBaseEnemy", cell = { x, y }, name = name, sprite = sprite, tag = tag, data = link })
end

function Scene:nugget(x, y, name)
  return self:put({ type = "cSource", cell = { x, y }, name = name, sprite = "nugget00" })
end

function Scene:well(x, y, name)
  return self:put({ type = "cSource", cell = { x, y }, name = name, sprite = "well00" })
end

-- Rows of objects: maker is a scene method name, points a list of { x, y } and
-- prefix names them prefix0, prefix1...
function Scene:many(maker, prefix, points)
  local made = {}
  for i, point in ipairs(points) do
    made[i] = self[maker](self, point[1], point[2], prefix .. (i - 1))
  end
  return made
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

-- The anchor cell of a footprint of n cells that starts at cell first (the cell
-- whose centre the object stands on).
local function anchor(n, first)
  if n % 2 == 0 then return first + n / 2 - 1 end
  return first + math.floor(n / 2)
end

-- Places the objects drawn in a picture of the grid: rows from the top (y = 24)
-- down, one character per cell from x = 0. '#' is scenery; '.', ' ', ':' and
-- '%' free ground (the last two mark, for the designer, the screen's edge and the
-- HUD, where no clickable object may stand); the letters of kMapLetters and of legend make objects. A legend entry is
-- an object entry (name, type, sprite, tag, data, size = { w, h }, door = true),
-- a function(scene, x, y, index) for what needs more, or { size, make = that
-- function } for a footprint of more than one cell. A footprint is drawn in
-- full; objects of one letter are found from the bottom left.
function Scene:map(rows, legend)
  legend = legend or {}
  if #rows ~= kHeight then self:error("map needs " .. kHeight .. " rows, has " .. #rows) end
  local cells = {}
  for row, text in ipairs(rows) do
    local y = kHeight - row
    for x = 0, #text - 1 do
      local c = text:sub(x + 1, x + 1)
      if c == "#" then
        self.scenery[key(x, y)] = true
      elseif c ~= "." and c ~= " " and c ~= ":" and c ~= "%" then
        cells[#cells + 1] = { x = x, y = y, c = c }
      end
    end
  end
  table.sort(cells, function(a, b) if a.y ~= b.y then return a.y < b.y end return a.x < b.x end)
  local grid, used, counts = {}, {}, {}
  for _, cell in ipairs(cells) do grid[key(cell.x, cell.y)] = cell.c end
  for _, cell in ipairs(cells) do
    if not used[key(cell.x, cell.y)] then
      local spec = legend[cell.c] or kMapLetters[cell.c]
      if not spec then self:error("map letter '" .. cell.c .. "' has no meaning") end
      local size = type(spec) == "table" and spec.size or { 1, 1 }
      for x = cell.x, cell.x + size[1] - 1 do
        for y = cell.y, cell.y + size[2] - 1 do
          if grid[key(x, y)] ~= cell.c or used[key(x, y)] then
            self:error("map letter '" .. cell.c .. "' at " .. cell.x .. "," .. cell.y .. " is not a whole footprint")
          end
          used[key(x, y)] = true
        end
      end
      local index = counts[cell.c] or 0
      counts[cell.c] = index + 1
      local ax, ay = anchor(size[1], cell.x), anchor(size[2], cell.y)
      local made
      if type(spec) == "function" then
        spec(self, ax, ay, index)
      elseif spec.make then
        made = spec.make(self, ax, ay, index)
      elseif spec.maker then
        local name = spec.prefix and (spec.prefix .. index) or nil
        made = self[spec.maker](self, ax, ay, name)
      else
        local entry = {}
        for k, v in pairs(spec) do entry[k] = v end
        entry.size, entry.door = nil, nil
        if type(spec.name) == "table" then entry.name = spec.name[index + 1] end
        if type(spec.data) == "table" then entry.data = spec.data[index + 1] end
        entry.cell = { ax, ay }
        if spec.door then made = self:site(entry) else made = self:put(entry) end
      end
      if made and made.x0 and (made.x0 ~= cell.x or made.y0 ~= cell.y or made.x1 - made.x0 + 1 ~= size[1] or
                                made.y1 - made.y0 + 1 ~= size[2]) and (made.x1 ~= made.x0 or made.y1 ~= made.y0 or
                                size[1] ~= 1 or size[2] ~= 1) then
        self:error("map letter '" .. cell.c .. "' at " .. cell.x .. "," .. cell.y .. " is drawn in another size than its footprint")
      end
    end
  end
end

-- Blocks scenery cells (water, rock): a list of { x, y } cells.
function Scene:block(cells)
  for _, cell in ipairs(cells) do self.scenery[key(cell[1], cell[2])] = true end
end

-- Barriers and bridges count as passable: the player clears them.
local function walkable(self, x, y)
  local holder = self.taken[key(x, y)]
  return insideArea(x, y) and not self.scenery[key(x, y)] and (holder == nil or holder.type == "cBarrier")
end

-- Flood fill from the home's door; then every blocking object must have a reached
-- cell beside its footprint (or a reached door), and every walker and door must
-- stand on a reached cell.
function Scene:checkReach()
  local start = self.homeDoor
  if not start then self:error("has no home") end
  local reached = {}
  local queue = { { start.cx, start.cy } }
  reached[key(start.cx, start.cy)] = true
  local head = 1
  while queue[head] do
    local x, y = queue[head][1], queue[head][2]
    head = head + 1
    for _, d in ipairs({ { 0, -1 }, { -1, 0 }, { 1, 0 }, { 0, 1 } }) do
      local nx, ny = x + d[1], y + d[2]
      if not reached[key(nx, ny)] and walkable(self, nx, ny) then
        reached[key(nx, ny)] = true
        queue[#queue + 1] = { nx, ny }
      end
    end
  end
  self.reached = reached
  for _, e in ipairs(self.entries) do
    local label = e.name or e.type
    if kBlocking[e.type] and not e.unreachable then
      local ok = false
      for x = e.x0 - 1, e.x1 + 1 do
        for y = e.y0 - 1, e.y1 + 1 do
          local edge = (x == e.x0 - 1 or x == e.x1 + 1) ~= (y == e.y0 - 1 or y == e.y1 + 1)
          if edge and reached[key(x, y)] then ok = true end
        end
      end
      if not ok then self:error(label .. " cannot be reached from the home") end
    elseif (kWalkers[e.type] or e.door) and not e.unreachable then
      if not reached[key(e.cx, e.cy)] then self:error(label .. " does not stand on a reached walkable cell") end
    end
  end
end

-- Writes the objects and the grid tail: cells inside the level area walkable (0,
-- footprints too: the level start marks them), scenery and the outside -1.
function Scene:finish()
  self:checkReach()
  for _, e in ipairs(self.entries) do
    object({ type = e.type, id = e.id, layer = e.layer, name = e.name, sprite = e.sprite, tag = e.tag, data = e.data,
             x = e.x, y = e.y })
  end
  local cells = {}
  for x = 0, kWidth - 1 do
    for y = 0, kHeight - 1 do
      local cost = -1
      if insideArea(x, y) and not self.scenery[key(x, y)] then cost = 0 end
      cells[#cells + 1] = cost
    end
  end
  grid { width = kWidth, height = kHeight, cells = cells }
  if os.getenv("LEVEL_MAP") then self:printMap() end
end

-- A picture of the grid for the designer (LEVEL_MAP=1): rows from the top.
function Scene:printMap()
  local marks = { cBuild = "H", cPlant = "P", cSource = "t", cField = "f", cAltar = "A", cAltarEnemy = "E",
                  cTunnelBuild = "T", cPrison = "J", cBell = "B", cBonfire = "F", cLake = "L", cTower = "w",
                  cBarrier = "x", cWorker = "o", cNode = "n", cBaseEnemy = "C", cTank = "K" }
  local map = {}
  for _, e in ipairs(self.entries) do
    local mark = marks[e.type] or "?"
    if kBlocking[e.type] then
      for x = e.x0, e.x1 do for y = e.y0, e.y1 do map[key(x, y)] = mark end end
    else
      map[key(e.cx, e.cy)] = mark
    end
  end
  for y = kHeight - 1, 0, -1 do
    local row = {}
    for x = 0, kWidth - 1 do
      local mark = map[key(x, y)]
      if not mark then
        mark = insideArea(x, y) and (self.scenery[key(x, y)] and "#" or ".") or " "
        if mark == "." and self.reached and not self.reached[key(x, y)] then mark = "-" end
      end
      row[#row + 1] = mark
    end
    io.stderr:write(string.format("%2d %s\n", y, table.concat(row)))
  end
end

return M
