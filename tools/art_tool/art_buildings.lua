-- data/texture/objects: the barriers on the roads (logs, stones, broken bridges)
-- and the buildings (the house with its two upgrades, the home base and its
-- flag, the building site marker and the build icon). Frames that show work
-- run from the start of the work to its end; a barrier's hot spot is where it
-- lies, a building's the middle of its footprint.

local ink = palette.ink

-- Unit vectors of the grid's axes; normal_of gives the screen's normal of an
-- axis (pointing down), across_of the other axis, pointing down as well.
local function unit(v) local l = math.sqrt(v[1] * v[1] + v[2] * v[2]); return { v[1] / l, v[2] / l } end
local axisU, axisV = unit(grid_u), unit(grid_v)
local function normal_of(d) local n = { -d[2], d[1] }; if n[2] < 0 then n = { -n[1], -n[2] } end; return n end
local function across_of(d)
  local other = d == axisU and axisV or axisU
  if other[2] < 0 then other = { -other[1], -other[2] } end
  return other
end
local function along(p, d, s, n, t) return { p[1] + d[1] * s + n[1] * t, p[2] + d[2] * s + n[2] * t } end

-- Logs -----------------------------------------------------------------------

-- One log of length len and radius r lying along the first grid axis, its cut
-- end toward the left.
local function log(c, len, r)
  local d, n = axisU, normal_of(axisU)
  local back, front = along(c, d, -len / 2, n, 0), along(c, d, len / 2, n, 0)
  return {
    poly{ points = flat({ along(back, d, 0, n, -r), along(front, d, 0, n, -r), along(front, d, 0, n, r), along(back, d, 0, n, r) }),
          fill = "#9a6434", outline = "#4a2c14", width = 1.5 },
    line{ x1 = back[1], y1 = back[2] - r * 0.3, x2 = front[1], y2 = front[2] - r * 0.3, width = 1, color = "#c08a50" },
    circle{ cx = front[1], cy = front[2], r = r, fill = "#5a3a1a" },
    circle{ cx = back[1], cy = back[2], r = r, fill = "#e0b070", outline = "#4a2c14", width = 1.5 },
    circle{ cx = back[1], cy = back[2], r = r * 0.55, outline = "#a87840", width = 1 },
  }
end

local function chips(points)
  local ops = {}
  for _, p in ipairs(points) do
    ops[#ops + 1] = poly{ points = { p[1], p[2], p[1] + 5, p[2] - 2, p[1] + 3, p[2] + 2 }, fill = "#e0b070", outline = "#6a4420", width = 0.8 }
  end
  return ops
end

-- 112 x 72 frames on (56, 52): a pile of three logs, sawn up frame by frame.
local function log_pile(i)
  local n = normal_of(axisU)
  local backLog, frontLog = along({ 56, 50 }, axisU, 0, n, -9), along({ 56, 50 }, axisU, 0, n, 9)
  local top = { 56, 36 }
  if i == 0 then return join(log(backLog, 70, 9), log(frontLog, 70, 9), log(top, 64, 9)) end
  if i == 1 then
    return join(log(backLog, 70, 9), log(frontLog, 70, 9), log(along(top, axisU, -20, n, 0), 28, 9), log(along(top, axisU, 22, n, 0), 26, 9),
                chips({ { 80, 60 }, { 88, 54 } }))
  end
  if i == 2 then return join(log(frontLog, 70, 9), chips({ { 24, 40 }, { 80, 60 }, { 90, 50 }, { 60, 34 } })) end
  return join(log(along(frontLog, axisU, -24, n, 0), 20, 8), log(along(frontLog, axisU, 10, n, 0), 18, 8),
              chips({ { 30, 40 }, { 74, 58 }, { 86, 48 }, { 54, 30 }, { 66, 62 } }))
end

-- Stones ---------------------------------------------------------------------

-- A boulder broken up frame by frame: whole, cracked, in three chunks, rubble.
-- Drawn in a 96 x 80 box standing on (48, 60), scaled by k.
local function boulder(light, fill, dark, moss)
  return function(i, s)
    local k = s.w / 96
    local function P(list)
      local out = {}
      for j = 1, #list, 2 do out[#out + 1] = list[j] * k; out[#out + 1] = list[j + 1] * k end
      return out
    end
    local function rock(points, facet)
      return { poly{ points = P(points), fill = fill, outline = dark, width = 2 }, poly{ points = P(facet), fill = light } }
    end
    if i <= 1 then
      local ops = rock({ 16, 62, 20, 38, 36, 22, 58, 20, 76, 32, 82, 56, 68, 67, 28, 67 }, { 24, 40, 37, 26, 56, 24, 44, 36, 28, 46 })
      if moss then ops[#ops + 1] = ellipse{ cx = 60 * k, cy = 30 * k, rx = 10 * k, ry = 4 * k, fill = moss } end
      if i == 1 then
        for _, c in ipairs({ { 46, 22, 40, 40, 48, 52 }, { 40, 40, 26, 48 }, { 48, 52, 62, 62 }, { 62, 36, 48, 52 } }) do
          for j = 1, #c - 2, 2 do
            ops[#ops + 1] = line{ x1 = c[j] * k, y1 = c[j + 1] * k, x2 = c[j + 2] * k, y2 = c[j + 3] * k, width = 2 * k, color = dark }
          end
        end
      end
      return ops
    end
    if i == 2 then
      return join(rock({ 10, 64, 14, 44, 28, 34, 40, 46, 36, 66 }, { 16, 46, 28, 37, 30, 44 }),
                  rock({ 44, 40, 52, 24, 70, 26, 80, 44, 66, 52 }, { 52, 28, 68, 28, 58, 36 }),
                  rock({ 42, 68, 48, 52, 70, 56, 80, 66, 60, 72 }, { 50, 56, 66, 58, 56, 62 }))
    end
    local ops = {}
    for _, c in ipairs({ { 20, 60 }, { 34, 52 }, { 48, 64 }, { 62, 50 }, { 74, 62 }, { 44, 44 }, { 28, 68 } }) do
      ops[#ops + 1] = poly{ points = P({ c[1] - 6, c[2] + 3, c[1] - 3, c[2] - 4, c[1] + 5, c[2] - 3, c[1] + 6, c[2] + 4 }), fill = fill, outline = dark, width = 1.5 }
    end
    return ops
  end
end

-- Bridges --------------------------------------------------------------------

-- A bridge of length len and width w along the axis d, centred on (cx, cy):
-- frame 0 has only the ends left, each later frame lays more of the deck from
-- both banks, the last is whole. Wooden bridges have planks and rails, stone
-- ones slabs and low parapets.
local function bridge(d, len, w, stone)
  local deck, deckLine = "#b07a40", "#5a3a18"
  local rail, railWidth, railHeight = "#6a4420", 3, 10
  if stone then deck, deckLine, rail, railWidth, railHeight = "#b4b2a8", "#55544c", "#8a8a84", 6, 8 end
  local n = across_of(d)
  local count = 10
  return function(i, s)
    local c = { s.w / 2, s.hy }
    local built = {}
    for p = 0, count - 1 do built[p] = math.min(p, count - 1 - p) < 2 + i or i >= 3 end
    local ops = {}
    local piece = len / count
    local function at(p, side, up) return raised(along(c, d, -len / 2 + p * piece, n, side * w / 2), up or 0) end
    -- The rail on one side: segments over the laid planks, posts at their ends.
    local function rails(side)
      local p = 0
      while p < count do
        if built[p] then
          local q = p
          while q + 1 < count and built[q + 1] do q = q + 1 end
          local a, b = at(p, side, railHeight), at(q + 1, side, railHeight)
          ops[#ops + 1] = line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = railWidth, color = rail }
          for _, e in ipairs({ p, q + 1 }) do
            local foot, head = at(e, side, 0), at(e, side, railHeight + 2)
            ops[#ops + 1] = line{ x1 = foot[1], y1 = foot[2], x2 = head[1], y2 = head[2], width = railWidth, color = rail }
          end
          p = q + 1
        else
          p = p + 1
        end
      end
    end
    -- Bearers under the deck show where the planks will go.
    for _, side in ipairs({ -0.6, 0.6 }) do
      local a, b = at(0, side, -4), at(count, side, -4)
      ops[#ops + 1] = line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = 3, color = i >= 3 and deckLine or "#5a3a1860" }
    end
    rails(-1)
    for p = 0, count - 1 do
      if built[p] then
        ops[#ops + 1] = poly{ points = flat({ at(p + 0.06, -1), at(p + 0.94, -1), at(p + 0.94, 1), at(p + 0.06, 1) }), fill = deck, outline = deckLine, width = 1 }
      end
    end
    rails(1)
    return ops
  end
end

texture{
  path = "objects/barriers", size = { 1024, 1024 },
  strips = {
    strip{ name = "bridge00", x = 0, y = 0, w = 160, h = 96, count = 4, hx = 80, hy = 48, draw = bridge(axisU, 112, 40, false),
           note = "along the first grid axis; frame 0 broken, 3 mended" },
    strip{ name = "stone00", x = 640, y = 0, w = 96, h = 80, count = 4, hx = 48, hy = 60, draw = boulder("#b8bec6", "#9aa0a8", "#4a5058") },
    strip{ name = "bridge01", x = 0, y = 96, w = 128, h = 144, count = 4, hx = 64, hy = 76, draw = bridge(axisV, 112, 40, false),
           note = "along the second grid axis; frame 0 broken, 3 mended" },
    strip{ name = "log00", x = 512, y = 96, w = 112, h = 72, count = 4, hx = 56, hy = 52, draw = log_pile },
    strip{ name = "bridge_big00", x = 0, y = 240, w = 208, h = 128, count = 4, hx = 104, hy = 66, draw = bridge(axisU, 160, 56, true),
           note = "stone, along the first grid axis; frame 0 broken, 3 mended" },
    strip{ name = "bridge_big01", x = 0, y = 368, w = 176, h = 176, count = 4, hx = 88, hy = 92, draw = bridge(axisV, 160, 56, true),
           note = "stone, along the second grid axis; frame 0 broken, 3 mended" },
    strip{ name = "stone_big00", x = 0, y = 544, w = 144, h = 120, count = 4, hx = 72, hy = 90, draw = boulder("#c8aca0", "#a88c80", "#4a3430", "#6a9a3a") },
  },
}

-- Buildings ------------------------------------------------------------------

local plaster, beam, roofRed, roofRedDark = "#f0e0c0", "#7a5030", "#c04a30", "#8a3420"
local planks, plankLine = "#c89a60", "#7a5430"
local slab, slabDark = "#a8a8a0", "#5a5a54"

-- A footprint of a cells by b cells around (cx, cy), shrunk by k: corners
-- A (left), B (front), C (right), D (back).
local function footprint(cx, cy, a, b, k)
  local ha, hb = a / 2 * k, b / 2 * k
  return { grid_point(cx, cy, -ha, -hb), grid_point(cx, cy, ha, -hb), grid_point(cx, cy, ha, hb), grid_point(cx, cy, -ha, hb) }
end

-- The two walls that face the viewer (A-B and B-C) from height h0 to h1.
local function walls(f, h0, h1, fill, line)
  local A, B, C = f[1], f[2], f[3]
  return { poly{ points = flat({ raised(A, h0), raised(B, h0), raised(B, h1), raised(A, h1) }), fill = fill, outline = line, width = 1.5 },
           poly{ points = flat({ raised(B, h0), raised(C, h0), raised(C, h1), raised(B, h1) }), fill = fill, outline = line, width = 1.5 } }
end

-- A point on wall P-Q, a share s along it, h above the ground.
local function on_wall(P, Q, s, h) return raised(between(P, Q, s), h) end
local function opening(P, Q, s0, s1, h0, h1, fill, line)
  return poly{ points = flat({ on_wall(P, Q, s0, h0), on_wall(P, Q, s1, h0), on_wall(P, Q, s1, h1), on_wall(P, Q, s0, h1) }),
               fill = fill, outline = line, width = 1.5 }
end

-- A gable roof over walls of height h, its ridge r higher, running along the
-- long side; the eaves reach out past the walls.
local function gable(roofCorners, h, r, fill, dark, gableFill)
  local A, B, C, D = raised(roofCorners[1], h), raised(roofCorners[2], h), raised(roofCorners[3], h), raised(roofCorners[4], h)
  local RA, RB = raised(between(A, D, 0.5), r), raised(between(B, C, 0.5), r)
  return {
    back = poly{ points = flat({ D, C, RB, RA }), fill = dark, outline = ink, width = 1.5 },
    front = { poly{ points = flat({ A, B, RB, RA }), fill = fill, outline = ink, width = 1.5 },
              poly{ points = flat({ B, C, RB }), fill = gableFill, outline = ink, width = 1.5 } },
    rafters = function(color)
      local ops = {}
      for t = 0, 4 do
        local foot, top = between(A, B, t / 4), between(RA, RB, t / 4)
        ops[#ops + 1] = line{ x1 = foot[1], y1 = foot[2], x2 = top[1], y2 = top[2], width = 2, color = color }
      end
      ops[#ops + 1] = line{ x1 = RA[1], y1 = RA[2], x2 = RB[1], y2 = RB[2], width = 3, color = color }
      ops[#ops + 1] = line{ x1 = B[1], y1 = B[2], x2 = RB[1], y2 = RB[2], width = 2, color = color }
      ops[#ops + 1] = line{ x1 = C[1], y1 = C[2], x2 = RB[1], y2 = RB[2], width = 2, color = color }
      return ops
    end,
  }
end

local HX, HY = 112, 144 -- the house frame's hot spot
local houseWalls = footprint(HX, HY, 3, 2, 0.85)
local houseEaves = footprint(HX, HY, 3.25, 2.15, 0.85)
local storey = 44

-- Posts at the visible corners and the beam along the wall tops.
local function frame_posts(h, color)
  local ops = {}
  for k = 1, 3 do
    local p = houseWalls[k]
    ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = p[1], y2 = p[2] - h, width = 3, color = color }
  end
  local A, B, C = raised(houseWalls[1], h), raised(houseWalls[2], h), raised(houseWalls[3], h)
  ops[#ops + 1] = line{ x1 = A[1], y1 = A[2], x2 = B[1], y2 = B[2], width = 3, color = color }
  ops[#ops + 1] = line{ x1 = B[1], y1 = B[2], x2 = C[1], y2 = C[2], width = 3, color = color }
  return ops
end

-- Scaffold poles just outside the front walls.
local function scaffold(h)
  local ops = {}
  local A, B, C = houseWalls[1], houseWalls[2], houseWalls[3]
  for _, s in ipairs({ { A, B, 0.1 }, { A, B, 0.9 }, { B, C, 0.5 } }) do
    local p = raised(between(s[1], s[2], s[3]), -6)
    ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = p[1], y2 = p[2] - h - 12, width = 2.5, color = "#a07a48" }
  end
  local a, b = raised(between(A, B, 0.1), h * 0.6 - 6), raised(between(A, B, 0.9), h * 0.6 - 6)
  ops[#ops + 1] = line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = 3, color = "#a07a48" }
  return ops
end

local function foundation()
  return join({ poly{ points = flat(houseWalls), fill = slab, outline = slabDark, width = 2 } }, walls(houseWalls, -4, 0, "#8a8a84", slabDark))
end

-- Doors, windows, timber beams and a number plaque on finished walls.
local function details(storeys, level)
  local A, B, C = houseWalls[1], houseWalls[2], houseWalls[3]
  local ops = { opening(A, B, 0.42, 0.56, 0, 26, "#6a4020", ink) }
  for st = 0, storeys - 1 do
    local h = st * storey
    for _, s in ipairs({ 0.14, 0.74 }) do ops[#ops + 1] = opening(A, B, s, s + 0.12, h + 16, h + 32, "#8fc7ef", beam) end
    ops[#ops + 1] = opening(B, C, 0.35, 0.6, h + 16, h + 32, "#8fc7ef", beam)
    if st > 0 then
      local a, b, c = raised(A, h), raised(B, h), raised(C, h)
      ops[#ops + 1] = line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = 2.5, color = beam }
      ops[#ops + 1] = line{ x1 = b[1], y1 = b[2], x2 = c[1], y2 = c[2], width = 2.5, color = beam }
    end
  end
  local plaque = on_wall(A, B, 0.49, 33)
  ops[#ops + 1] = circle{ cx = plaque[1], cy = plaque[2], r = 5.5, fill = palette.gold, outline = palette.gold_dark }
  ops[#ops + 1] = label{ x = plaque[1] + 0.5, y = plaque[2] + 0.5, text = tostring(level), align = "center", valign = "middle", color = ink }
  return join(ops, frame_posts(storeys * storey, beam))
end

-- A finished house of the given storeys and roof colours.
local function house(storeys, roof, roofDark, level)
  local h = storeys * storey
  local r = gable(houseEaves, h - 2, 38, roof, roofDark, plaster)
  return join({ r.back }, foundation(), walls(houseWalls, 0, h, plaster, beam), details(storeys, level), r.front)
end

-- House, frames 0-4: foundation, low walls, wall frame, roof frame, finished.
local function house_build(i)
  if i == 4 then return house(1, roofRed, roofRedDark, 1) end
  local ops = foundation()
  if i == 0 then
    for k = 1, 3 do
      local p = houseWalls[k]
      ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = p[1], y2 = p[2] - 10, width = 3, color = planks }
    end
    return ops
  end
  local h = ({ 16, 32, storey })[i]
  ops = join(ops, walls(houseWalls, 0, h, planks, plankLine), frame_posts(storey, beam))
  if i == 3 then ops = join(ops, gable(houseEaves, storey - 2, 38, roofRed, roofRedDark, plaster).rafters(beam)) end
  return ops
end

-- First upgrade, frames 0-3: a second storey rises over the first.
local roofGreen, roofGreenDark = "#3a8a6a", "#1e5a44"
local function house_up1(i)
  if i == 3 then return house(2, roofGreen, roofGreenDark, 2) end
  local top = storey + ({ 12, 28, storey })[i + 1]
  local ops = join(foundation(), walls(houseWalls, 0, storey, plaster, beam), details(1, 1), walls(houseWalls, storey, top, planks, plankLine),
                   frame_posts(2 * storey, beam))
  if i == 2 then ops = join(ops, gable(houseEaves, 2 * storey - 2, 38, roofGreen, roofGreenDark, plaster).rafters(beam)) end
  return join(ops, scaffold(top))
end

-- Second upgrade, frames 0-3: a round tower grows at the right-hand corner.
local roofBlue, roofBlueDark = "#3a5aa8", "#22386a"
local function tower(h, finished)
  local foot = raised(houseWalls[3], -8)
  local x, y, rx = foot[1] - 4, foot[2], 17
  local ops = { ellipse{ cx = x, cy = y, rx = rx, ry = 6, fill = "#b8ae9a", outline = ink, width = 1.5 },
                rect{ x = x - rx, y = y - h, w = 2 * rx, h = h, fill = "#b8ae9a" },
                line{ x1 = x - rx, y1 = y, x2 = x - rx, y2 = y - h, width = 1.5, color = ink },
                line{ x1 = x + rx, y1 = y, x2 = x + rx, y2 = y - h, width = 1.5, color = ink } }
  for k = 1, math.floor(h / 14) do ops[#ops + 1] = line{ x1 = x - rx, y1 = y - k * 14, x2 = x + rx, y2 = y - k * 14, width = 1, color = "#7a7060" } end
  ops[#ops + 1] = ellipse{ cx = x, cy = y - h, rx = rx, ry = 6, fill = "#d0c8b4", outline = ink, width = 1.5 }
  if finished then
    ops[#ops + 1] = opening({ x - 6, y }, { x + 6, y }, 0, 1, h * 0.45, h * 0.45 + 14, "#8fc7ef", beam)
    ops[#ops + 1] = poly{ points = { x - rx - 4, y - h + 2, x + rx + 4, y - h + 2, x, y - h - 40 }, fill = roofBlue, outline = ink, width = 1.5 }
    ops[#ops + 1] = line{ x1 = x, y1 = y - h - 40, x2 = x, y2 = y - h - 52, width = 1.5, color = ink }
    ops[#ops + 1] = poly{ points = { x, y - h - 52, x + 12, y - h - 48, x, y - h - 44 }, fill = palette.yellow }
  end
  return ops
end
local function house_up2(i)
  if i == 3 then return join(house(2, roofBlue, roofBlueDark, 3), tower(92, true)) end
  local ops = house(2, roofGreen, roofGreenDark, 2)
  if i == 2 then
    local t = tower(92, false)
    for k = 0, 3 do
      local a = k * math.pi / 4
      local foot = raised(houseWalls[3], -8)
      t[#t + 1] = line{ x1 = foot[1] - 4 + math.cos(a) * 20, y1 = foot[2] - 90, x2 = foot[1] - 4, y2 = foot[2] - 132, width = 2, color = beam }
    end
    return join(ops, t)
  end
  return join(ops, tower(({ 24, 56 })[i + 1], false))
end

-- The building site: the 3 x 2 footprint, its cells and stakes at the corners.
local function zone()
  local f = footprint(HX, HY, 3, 2, 1)
  local ops = { poly{ points = flat(f), fill = "#7ad06a48", outline = "#ffffffd0", width = 2 } }
  for _, a in ipairs({ -0.5, 0.5 }) do
    local p, q = grid_point(HX, HY, a, -1), grid_point(HX, HY, a, 1)
    ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = q[1], y2 = q[2], width = 1, color = "#ffffff80" }
  end
  local p, q = grid_point(HX, HY, -1.5, 0), grid_point(HX, HY, 1.5, 0)
  ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = q[1], y2 = q[2], width = 1, color = "#ffffff80" }
  for _, c in ipairs(f) do
    ops[#ops + 1] = line{ x1 = c[1], y1 = c[2], x2 = c[1], y2 = c[2] - 12, width = 3, color = "#a07a48" }
    ops[#ops + 1] = circle{ cx = c[1], cy = c[2] - 12, r = 2.5, fill = palette.red }
  end
  return ops
end

local function house_shadow()
  local A, B, C, D = houseWalls[1], houseWalls[2], houseWalls[3], houseWalls[4]
  local s = { 20, -18 }
  local function moved(p) return { p[1] + s[1], p[2] + s[2] } end
  return { poly{ points = flat({ A, B, moved(B), moved(C), moved(D), D }), fill = "#00000048" } }
end

-- The home base: a stone hall on 3 x 3 cells with a hipped roof whose top,
-- 104 above the middle, carries the flag.
local function base()
  local cx, cy = 120, 136
  local f = footprint(cx, cy, 3, 3, 0.85)
  local eaves = footprint(cx, cy, 3.3, 3.3, 0.85)
  local h = 54
  local apex = { cx, cy - 104 }
  local E = {}
  for k = 1, 4 do E[k] = raised(eaves[k], h - 2) end
  local stone, stoneDark = "#b8ae9a", "#5a5244"
  local ops = {
    poly{ points = flat({ E[4], E[1], apex }), fill = "#22386a", outline = ink, width = 1.5 },
    poly{ points = flat({ E[3], E[4], apex }), fill = "#22386a", outline = ink, width = 1.5 },
  }
  ops = join(ops, walls(f, 0, h, stone, stoneDark))
  local A, B, C = f[1], f[2], f[3]
  for _, t in ipairs({ 18, 36 }) do
    local a, b, c = raised(A, t), raised(B, t), raised(C, t)
    ops[#ops + 1] = line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = 1, color = "#8a8070" }
    ops[#ops + 1] = line{ x1 = b[1], y1 = b[2], x2 = c[1], y2 = c[2], width = 1, color = "#8a8070" }
  end
  ops[#ops + 1] = opening(A, B, 0.4, 0.6, 0, 34, "#5a3418", ink)
  local plate = on_wall(A, B, 0.5, 43)
  ops[#ops + 1] = rect{ x = plate[1] - 15, y = plate[2] - 5, w = 30, h = 11, r = 2, fill = palette.paper, outline = ink }
  ops[#ops + 1] = label{ x = plate[1], y = plate[2] + 1, text = "HOME", align = "center", valign = "middle", color = ink }
  for _, s in ipairs({ 0.12, 0.76 }) do ops[#ops + 1] = opening(A, B, s, s + 0.1, 18, 34, "#f6d743", stoneDark) end
  ops[#ops + 1] = opening(B, C, 0.2, 0.32, 18, 34, "#f6d743", stoneDark)
  ops[#ops + 1] = opening(B, C, 0.62, 0.74, 18, 34, "#f6d743", stoneDark)
  ops[#ops + 1] = poly{ points = flat({ E[1], E[2], apex }), fill = roofBlue, outline = ink, width = 1.5 }
  ops[#ops + 1] = poly{ points = flat({ E[2], E[3], apex }), fill = "#30509a", outline = ink, width = 1.5 }
  return ops
end

-- The flag on the base's roof (64 x 64 frames on the foot of its pole), looped.
local function flag(i)
  local phase = i * math.pi / 3
  local top, bottom = {}, {}
  for k = 0, 5 do
    local x = 10 + k * 9
    local wave = math.sin(phase + k * 0.9) * 3 * (k / 5)
    top[#top + 1] = { x, 8 + wave }
    bottom[#bottom + 1] = { x, 30 + wave }
  end
  local outline = {}
  for _, p in ipairs(top) do outline[#outline + 1] = p end
  for k = #bottom, 1, -1 do outline[#outline + 1] = bottom[k] end
  local mid = top[4]
  return { poly{ points = flat(outline), fill = palette.red, outline = palette.red_dark, width = 1.5 },
           star{ cx = mid[1] - 3, cy = mid[2] + 11, r = 6, fill = palette.yellow },
           line{ x1 = 8, y1 = 62, x2 = 8, y2 = 6, width = 3, color = "#5a4020" },
           circle{ cx = 8, cy = 5, r = 3, fill = palette.gold, outline = palette.gold_dark } }
end

-- The build icon: frame 0 when the stock cannot pay, frame 1 when it can.
local function build_icon(i)
  local disc, rim, head, handle = "#707070d0", "#3a3a3a", "#a0a0a0", "#8a8a8a"
  if i == 1 then disc, rim, head, handle = "#3aa040e8", palette.white, "#d8dee6", "#a0622a" end
  local hx, hy = 40, 22
  local d, n = { 0.634, -0.775 }, { 0.775, 0.634 }
  local function p(a, b) return { hx + n[1] * a + d[1] * b, hy + n[2] * a + d[2] * b } end
  return { circle{ cx = 32, cy = 32, r = 26, fill = disc, outline = rim, width = 3 },
           line{ x1 = 20, y1 = 47, x2 = hx, y2 = hy, width = 6, color = handle },
           poly{ points = flat({ p(-13, -5), p(11, -5), p(11, 5), p(-13, 5) }), fill = head, outline = ink, width = 1.5 } }
end

texture{
  path = "objects/buildings", size = { 1024, 1024 },
  strips = {
    strip{ name = "house00", x = 0, y = 0, w = 224, h = 200, count = 5, columns = 4, hx = HX, hy = HY, draw = house_build,
           note = "building: foundation to finished house" },
    strip{ name = "zone3x2", x = 224, y = 200, w = 224, h = 200, hx = HX, hy = HY, draw = zone },
    strip{ name = "house00_sh", x = 448, y = 200, w = 224, h = 200, hx = HX, hy = HY, draw = house_shadow },
    strip{ name = "icon_build", x = 672, y = 200, w = 64, h = 64, count = 2, draw = build_icon,
           note = "frame 0: the stock cannot pay, 1: it can" },
    strip{ name = "base00_flag", x = 672, y = 264, w = 64, h = 64, count = 6, columns = 3, fps = 10, hx = 8, hy = 62, draw = flag },
    strip{ name = "house00_up1", x = 0, y = 400, w = 224, h = 200, count = 4, hx = HX, hy = HY, draw = house_up1,
           note = "first upgrade: a second storey" },
    strip{ name = "house00_up2", x = 0, y = 600, w = 224, h = 200, count = 4, hx = HX, hy = HY, draw = house_up2,
           note = "second upgrade: a tower" },
    strip{ name = "base00", x = 0, y = 800, w = 240, h = 208, hx = 120, hy = 136, draw = base },
  },
}
