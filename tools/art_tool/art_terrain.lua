-- The painter of the play levels' ground. The level tool writes each level's ground
-- (data/level/terrain/levelNNN.lua, from the level's source through
-- tools/levels/level_terrain.lua): per cell of the path grid a mark (open grass,
-- path, yard, soil, a gap in a wall; water, rock, woods) and the worn paths. The
-- picture paints those very cells, so every blocked cell shows its obstacle at its
-- centre and every open one shows ground there, in the colours of
-- tools/levels/terrain_palette.lua, which the level checks read back.
local levels_folder = manifest_folder .. "/../levels"
-- A manifest may point the painter at other ground files (the tool's own tests do).
local terrain_folder = rawget(_G, "terrain_folder") or manifest_folder .. "/../../data/level/terrain"
include("art_terrain_file.lua")
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

-- Water as round banks: a disc on every water cell and a broad stroke to each
-- water neighbour (and on past the level's edge where the water runs off it), in a
-- dark bank, the water and a lighter current along the middle.
local function water(list, g, mark, pal, rnd)
  local cells = list["~"] or {}
  local strokes, discs = {}, {}
  for _, c in ipairs(cells) do
    discs[#discs + 1] = c
    for _, step in ipairs({ { 1, 0 }, { 0, 1 }, { -1, 0 }, { 0, -1 } }) do
      local nx, ny = c.x + step[1], c.y + step[2]
      local toward = mark(nx, ny)
      local back = mark(c.x - step[1], c.y - step[2])
      if (toward == "~" and step[1] + step[2] > 0) or (toward == " " and back == "~") then
        local x2, y2 = g.centre(nx, ny)
        strokes[#strokes + 1] = { c.cx, c.cy, x2, y2, toward == "~", c.x, c.y, nx, ny }
      end
    end
  end
  local ops = {}
  for _, pass in ipairs({ { 31, pal.water.dark }, { 26, pal.water.base } }) do
    for _, c in ipairs(discs) do ops[#ops + 1] = circle{ cx = c.cx, cy = c.cy, r = pass[1], fill = pass[2] } end
    for _, st in ipairs(strokes) do
      ops[#ops + 1] = line{ x1 = st[1], y1 = st[2], x2 = st[3], y2 = st[4], width = pass[1] * 2, color = pass[2] }
    end
  end
  -- The current runs along brooks; a pond's middle gets a soft shine instead.
  local function neighbours(x, y)
    local count = 0
    for _, step in ipairs({ { 1, 0 }, { 0, 1 }, { -1, 0 }, { 0, -1 } }) do
      count = count + (mark(x + step[1], y + step[2]) == "~" and 1 or 0)
    end
    return count
  end
  for _, st in ipairs(strokes) do
    if neighbours(st[6], st[7]) <= 2 and (not st[5] or neighbours(st[8], st[9]) <= 2) then
      ops[#ops + 1] = line{ x1 = st[1], y1 = st[2], x2 = st[3], y2 = st[4], width = 14, color = pal.water.light .. "80" }
    end
  end
  for _, c in ipairs(cells) do
    if neighbours(c.x, c.y) >= 3 then
      ops[#ops + 1] = ellipse{ cx = c.cx - 4, cy = c.cy - 3, rx = 18, ry = 10, fill = pal.water.light .. "50" }
    end
  end
  for _, c in ipairs(cells) do
    local x, y = c.cx + (rnd() - 0.5) * 20, c.cy + (rnd() - 0.5) * 16
    ops[#ops + 1] = line{ x1 = x - 6, y1 = y, x2 = x + 6, y2 = y, width = 2, color = pal.water.light }
  end
  return ops
end

local function rocks(list, g, pal, season, rnd)
  local cells = list["^"] or {}
  local ops = {}
  for i, c in ipairs(cells) do
    local jx, jy = (rnd() - 0.5) * 5, (rnd() - 0.5) * 4
    local side = (i % 2 == 0) and 1 or -1
    ops[#ops + 1] = ellipse{ cx = c.cx + 5, cy = c.cy + 9, rx = 25, ry = 12, fill = "#00000030" }
    ops[#ops + 1] = ellipse{ cx = c.cx + side * 14, cy = c.cy - 8, rx = 14, ry = 11, fill = pal.rock.base,
                             outline = pal.rock.dark, width = 3 }
    ops[#ops + 1] = ellipse{ cx = c.cx + jx, cy = c.cy + jy, rx = 22, ry = 16, fill = pal.rock.base,
                             outline = pal.rock.dark, width = 3 }
    ops[#ops + 1] = ellipse{ cx = c.cx + jx - 7, cy = c.cy + jy - 6, rx = 8, ry = 4, fill = pal.rock.light }
    if season == "snow" then
      ops[#ops + 1] = ellipse{ cx = c.cx + jx, cy = c.cy + jy - 11, rx = 13, ry = 5, fill = pal.grass.light }
    end
  end
  return ops
end

local function crown(ops, x, y, r, pal)
  ops[#ops + 1] = circle{ cx = x, cy = y, r = r, fill = pal.woods.base, outline = pal.woods.dark, width = 3 }
  ops[#ops + 1] = circle{ cx = x - r * 0.3, cy = y - r * 0.35, r = r * 0.35, fill = pal.woods.light }
end

local function fir(ops, x, y, size, pal)
  ops[#ops + 1] = rect{ x = x - 3, y = y + size * 0.55, w = 6, h = size * 0.3, fill = pal.soil.dark }
  ops[#ops + 1] = poly{ points = { x - size, y + size * 0.6, x, y - size * 1.9, x + size, y + size * 0.6 },
                        fill = pal.woods.base, outline = pal.woods.dark, width = 3 }
  ops[#ops + 1] = poly{ points = { x - size * 0.35, y - size * 1.0, x, y - size * 1.9, x + size * 0.35, y - size * 1.0 },
                        fill = pal.grass.light }
end

local function woods(list, g, pal, season, rnd)
  local cells = list["T"] or {}
  local ops = {}
  for _, c in ipairs(cells) do
    ops[#ops + 1] = ellipse{ cx = c.cx + 4, cy = c.cy + 12, rx = 22, ry = 9, fill = "#00000038" }
  end
  for _, c in ipairs(cells) do
    local jx, jy = (rnd() - 0.5) * 5, (rnd() - 0.5) * 4
    if season == "snow" then
      fir(ops, c.cx - 14, c.cy - 8, 13, pal)
      fir(ops, c.cx + 14, c.cy - 10, 12, pal)
      fir(ops, c.cx + jx, c.cy + jy, 19, pal)
    else
      crown(ops, c.cx - 15, c.cy - 14, 17, pal)
      crown(ops, c.cx + 15, c.cy - 15, 16, pal)
      crown(ops, c.cx + jx, c.cy - 4 + jy, 21, pal)
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
              yard(list, pal), soil(list, g, pal), water(list, g, mark, pal, rnd), rocks(list, g, pal, season, rnd),
              woods(list, g, pal, season, rnd))
end
