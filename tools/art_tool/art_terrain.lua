-- The painter of the play levels' ground. The level tool writes each level's ground
-- (data/level/terrain/levelNNN.lua, from the level's source through
-- tools/levels/level_terrain.lua): per cell of the path grid a mark (open grass,
-- path, yard, soil, a gap in a wall; water, rock, woods) and the worn paths. The
-- picture paints those very cells, so every blocked cell shows its obstacle at its
-- centre and every open one shows ground over all but a sliver of it (water, rock
-- and woods keep to their cells, art_terrain_obstacles.lua), in the colours of
-- tools/levels/terrain_palette.lua, which the level checks read back.
local levels_folder = manifest_folder .. "/../levels"
-- A manifest may point the painter at other ground files (the tool's own tests do).
local terrain_folder = rawget(_G, "terrain_folder") or manifest_folder .. "/../../data/level/terrain"
include("art_terrain_file.lua")
include("art_terrain_obstacles.lua")
local terrain_palette = dofile(levels_folder .. "/terrain_palette.lua")

-- The sky's band at the top of the picture; the woods along the top edge stand
-- against it.
local kSkyBand = 46

-- A fixed-seed generator (the multiplier keeps the products exact in doubles), so
-- the pictures come out the same on every run.
local function random(seed)
  local state = seed % 2147483646 + 1
  return function()
    state = (state * 16807) % 2147483647
    return state / 2147483647
  end
end

-- A missing file leaves plain ground with a warning; a file that is not the data it
-- should be stops the tool (art_terrain_file.lua).
local function load_terrain(name)
  local path = terrain_folder .. "/level" .. name .. ".lua"
  local terrain = read_terrain_file(path)
  if not terrain then
    io.stderr:write("art_tool: warning: cannot open " .. path .. ": level " .. name .. " gets plain ground\n")
  end
  return terrain
end

-- Cell geometry in picture pixels (y down) from the description's origin and axes.
local function geometry(t)
  local o, u, v = t.origin, t.u, t.v
  local g = {}
  function g.point(a, b) return o[1] + a * u[1] + b * v[1], o[2] + a * u[2] + b * v[2] end
  function g.centre(x, y) return g.point(x + 0.5, y + 0.5) end
  local cross = u[1] * v[2] - u[2] * v[1]
  -- The cell coordinates of a picture point.
  function g.cell_of(px, py)
    local dx, dy = px - o[1], py - o[2]
    return (dx * v[2] - dy * v[1]) / cross, (u[1] * dy - u[2] * dx) / cross
  end
  -- How far apart (pixels) the two sides of a cell lie that a step along the first
  -- axis crosses, and the two that a step along the second crosses.
  g.across_u = math.abs(cross) / math.sqrt(v[1] * v[1] + v[2] * v[2])
  g.across_v = math.abs(cross) / math.sqrt(u[1] * u[1] + u[2] * u[2])
  -- The cell's corners, grown about its centre by the factor.
  function g.cell(x, y, grow)
    local h = 0.5 * (grow or 1)
    local points = {}
    for _, c in ipairs({ { -h, -h }, { h, -h }, { h, h }, { -h, h } }) do
      local px, py = g.point(x + 0.5 + c[1], y + 0.5 + c[2])
      points[#points + 1] = px
      points[#points + 1] = py
    end
    return points
  end
  return g
end

-- The cells of each mark, in picture order from the top, so nearer things overlap
-- the farther ones.
local function cells_by_mark(t, g)
  local height = #t.rows
  local marks, list = {}, {}
  for row, text in ipairs(t.rows) do
    local y = height - row
    for x = 0, #text - 1 do
      local mark = text:sub(x + 1, x + 1)
      marks[x .. "," .. y] = mark
      local cx, cy = g.centre(x, y)
      list[mark] = list[mark] or {}
      table.insert(list[mark], { x = x, y = y, cx = cx, cy = cy })
    end
  end
  for _, cells in pairs(list) do
    table.sort(cells, function(a, b)
      if a.cy ~= b.cy then return a.cy < b.cy end
      return a.cx < b.cx
    end)
  end
  local function mark(x, y) return marks[x .. "," .. y] or " " end
  return list, mark
end

local function ground(pal, n, rnd)
  local ops = {
    gradient{ x = 0, y = 0, w = 1024, h = 768, from = pal.grass.light, to = pal.grass.base },
  }
  -- Soft light and shade over the meadow.
  for i = 1, 18 do
    ops[#ops + 1] = ellipse{ cx = rnd() * 1024, cy = 60 + rnd() * 708, rx = 50 + rnd() * 110, ry = 20 + rnd() * 40,
                             fill = (i % 2 == 0) and pal.grass.dark .. "40" or pal.grass.light .. "60" }
  end
  ops[#ops + 1] = speckle{ x = 0, y = 0, w = 1024, h = 768, count = 700, size = 1.6, color = pal.grass.dark .. "70",
                           seed = 300 + n }
  ops[#ops + 1] = speckle{ x = 0, y = 0, w = 1024, h = 768, count = 400, size = 1.3, color = pal.grass.light .. "90",
                           seed = 400 + n }
  return ops
end

local function sky(pal, rnd)
  local hills = {}
  for i = 0, 3 do
    hills[#hills + 1] = ellipse{ cx = i * 300 + rnd() * 140, cy = kSkyBand + 18, rx = 170 + rnd() * 80,
                                 ry = 26 + rnd() * 12, fill = pal.sky.hill }
  end
  for _ = 1, 3 do
    local x, y = rnd() * 1024, 8 + rnd() * 14
    hills[#hills + 1] = ellipse{ cx = x, cy = y, rx = 30 + rnd() * 20, ry = 6, fill = "#ffffffa0" }
  end
  return {
    gradient{ x = 0, y = 0, w = 1024, h = kSkyBand, from = pal.sky.top, to = pal.sky.bottom },
    group{ clip = { 0, 0, 1024, kSkyBand }, ops = hills },
  }
end

-- "#rrggbb" a share t of the way from one colour to another.
local function mix(from, to, t)
  local out = "#"
  for i = 2, 6, 2 do
    local a, b = tonumber(from:sub(i, i + 1), 16), tonumber(to:sub(i, i + 1), 16)
    out = out .. string.format("%02x", math.floor(a + (b - a) * t + 0.5))
  end
  return out
end

-- Open cells so high up that the sky would reach their centre keep their ground,
-- in the meadow's own shade there.
local function open_top(list, g, pal)
  local ops = {}
  for _, mark in ipairs({ ".", "=", ":", "%", "_" }) do
    for _, c in ipairs(list[mark] or {}) do
      if c.cy < kSkyBand + 8 then
        ops[#ops + 1] = poly{ points = g.cell(c.x, c.y, 1.04), fill = mix(pal.grass.light, pal.grass.base, c.cy / 768) }
      end
    end
  end
  return ops
end

local function soil(list, g, pal)
  local ops = {}
  for _, c in ipairs(list["%"] or {}) do
    ops[#ops + 1] = poly{ points = g.cell(c.x, c.y, 1.3), fill = pal.soil.base, outline = pal.soil.dark, width = 3 }
    for k = -1, 1 do
      local x1, y1 = g.point(c.x + 0.5 - 0.5, c.y + 0.5 + k * 0.24)
      local x2, y2 = g.point(c.x + 0.5 + 0.5, c.y + 0.5 + k * 0.24)
      ops[#ops + 1] = line{ x1 = x1, y1 = y1, x2 = x2, y2 = y2, width = 2.5, color = pal.soil.dark }
    end
  end
  return ops
end

-- The yard: one trodden oval round the home's cells, and the gaps of walls.
local function yard(list, pal)
  local ops = {}
  local cells = list[":"] or {}
  if #cells > 0 then
    local x0, y0, x1, y1 = math.huge, math.huge, -math.huge, -math.huge
    for _, c in ipairs(cells) do
      x0, y0, x1, y1 = math.min(x0, c.cx), math.min(y0, c.cy), math.max(x1, c.cx), math.max(y1, c.cy)
    end
    local cx, cy, rx, ry = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 + 24, (y1 - y0) / 2 + 18
    ops[#ops + 1] = ellipse{ cx = cx, cy = cy, rx = rx + 6, ry = ry + 5, fill = pal.dirt.dark .. "c0" }
    ops[#ops + 1] = ellipse{ cx = cx, cy = cy, rx = rx, ry = ry, fill = pal.dirt.base }
    ops[#ops + 1] = ellipse{ cx = cx - rx * 0.15, cy = cy - ry * 0.2, rx = rx * 0.6, ry = ry * 0.45,
                             fill = pal.dirt.light .. "70" }
  end
  for _, c in ipairs(list["_"] or {}) do
    ops[#ops + 1] = circle{ cx = c.cx, cy = c.cy, r = 24, fill = pal.dirt.base, outline = pal.dirt.dark, width = 4 }
  end
  return ops
end

-- The worn walks: a dark edge, the track and its lighter middle, between the centres
-- of the cells a walk steps on (stopping at the water a bridge crosses).
-- A run of cell centres with its corners cut twice, so the walk bends softly; the
-- curve keeps inside the cells it turns through.
local function smooth(points)
  for _ = 1, 2 do
    if #points < 3 then return points end
    local out = { points[1] }
    for i = 1, #points - 1 do
      local a, b = points[i], points[i + 1]
      if i > 1 then out[#out + 1] = { a[1] * 0.75 + b[1] * 0.25, a[2] * 0.75 + b[2] * 0.25 } end
      if i < #points - 1 then out[#out + 1] = { a[1] * 0.25 + b[1] * 0.75, a[2] * 0.25 + b[2] * 0.75 } end
    end
    out[#out + 1] = points[#points]
    points = out
  end
  return points
end

local function paths(t, g, mark, pal)
  local segments = {}
  local open = function(x, y) local m = mark(x, y); return m ~= "~" and m ~= " " end
  local function flush(run)
    run = smooth(run)
    for i = 1, #run - 1 do segments[#segments + 1] = { run[i][1], run[i][2], run[i + 1][1], run[i + 1][2] } end
  end
  for _, route in ipairs(t.paths or {}) do
    -- Runs of open cells: the water a bridge spans breaks a walk in two.
    local run = {}
    for i = 1, #route - 1, 2 do
      local x, y = route[i], route[i + 1]
      if open(x, y) then
        local cx, cy = g.centre(x, y)
        run[#run + 1] = { cx, cy }
      else
        flush(run)
        run = {}
      end
    end
    flush(run)
  end
  local ops = {}
  for _, pass in ipairs({ { 24, pal.dirt.dark .. "a0" }, { 18, pal.dirt.base }, { 5, pal.dirt.light .. "a0" } }) do
    for _, s in ipairs(segments) do
      ops[#ops + 1] = line{ x1 = s[1], y1 = s[2], x2 = s[3], y2 = s[4], width = pass[1], color = pass[2] }
    end
  end
  return ops
end

-- The whole picture of level n ("NNN"): meadow, sky, paths, yard, soil, water,
-- rocks and woods, in that order.
function terrain_scene(name, n)
  local t = load_terrain(name)
  local season = t and terrain_palette[t.season] and t.season or "summer"
  local pal = terrain_palette[season]
  local rnd = random(1000 + n * 7919)
  if not t then return join(ground(pal, n, rnd), sky(pal, rnd)) end
  local g = geometry(t)
  local list, mark = cells_by_mark(t, g)
  return join(ground(pal, n, rnd), sky(pal, rnd), open_top(list, g, pal), paths(t, g, mark, pal),
              yard(list, pal), soil(list, g, pal), terrain_water(list, g, mark, pal, rnd),
              terrain_rocks(list, g, mark, pal, season, rnd),
              terrain_woods(list, g, mark, pal, season, rnd))
end
