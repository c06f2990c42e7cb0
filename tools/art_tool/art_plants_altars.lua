-- data/texture/objects: the plants (mill, sawmill and gold mill with their two
-- upgrades, shadows, the mill's sails, the gold mill's yard, the seat circle and
-- the 2 x 2 building site), the special buildings paid off bit by bit
-- (lighthouse, ruins, ice castle, advisor's tower, source of the water of life,
-- with their shadows and the fountain), the frozen lake, the bonfire, the
-- altar with its spell orbs and the alarm bell; data/texture/particles: the
-- bonfire's light. Build frames run from the start of the work to its end; the
-- paid-off buildings show their paid share frame by frame. A building's hot spot
-- is the middle of its footprint.

local ink = palette.ink

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

-- The flat top of a block of height h.
local function top(f, h, fill, line)
  return poly{ points = flat({ raised(f[1], h), raised(f[2], h), raised(f[3], h), raised(f[4], h) }), fill = fill, outline = line, width = 1.5 }
end

local function on_wall(P, Q, s, h) return raised(between(P, Q, s), h) end
local function opening(P, Q, s0, s1, h0, h1, fill, line)
  return poly{ points = flat({ on_wall(P, Q, s0, h0), on_wall(P, Q, s1, h0), on_wall(P, Q, s1, h1), on_wall(P, Q, s0, h1) }),
               fill = fill, outline = line, width = 1.5 }
end
local function seg(a, b, width, color) return line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = width, color = color } end

-- A gable roof over corners at height h, its ridge r higher along A-D / B-C.
local function gable(f, h, r, fill, dark, gableFill)
  local A, B, C, D = raised(f[1], h), raised(f[2], h), raised(f[3], h), raised(f[4], h)
  local RA, RB = raised(between(A, D, 0.5), r), raised(between(B, C, 0.5), r)
  return {
    back = poly{ points = flat({ D, C, RB, RA }), fill = dark, outline = ink, width = 1.5 },
    front = { poly{ points = flat({ A, B, RB, RA }), fill = fill, outline = ink, width = 1.5 },
              poly{ points = flat({ B, C, RB }), fill = gableFill, outline = ink, width = 1.5 } },
    rafters = function(color)
      local ops = { seg(RA, RB, 3, color), seg(B, RB, 2, color), seg(C, RB, 2, color) }
      for t = 0, 4 do ops[#ops + 1] = seg(between(A, B, t / 4), between(RA, RB, t / 4), 2, color) end
      return ops
    end,
  }
end

-- A shadow cast up and to the right of a footprint.
local function shadow_of(f, s)
  local A, B, C, D = f[1], f[2], f[3], f[4]
  local function moved(p) return { p[1] + s[1], p[2] + s[2] } end
  return { poly{ points = flat({ A, B, moved(B), moved(C), moved(D), D }), fill = "#00000048" } }
end

-- A standing cylinder with its foot centred on (x, y): radius rx, height h.
local function cylinder(x, y, rx, h, fill, edge, bands)
  local ops = { ellipse{ cx = x, cy = y, rx = rx, ry = rx * 0.35, fill = fill, outline = edge, width = 1.5 },
                rect{ x = x - rx, y = y - h, w = 2 * rx, h = h, fill = fill },
                line{ x1 = x - rx, y1 = y, x2 = x - rx, y2 = y - h, width = 1.5, color = edge },
                line{ x1 = x + rx, y1 = y, x2 = x + rx, y2 = y - h, width = 1.5, color = edge } }
  for _, b in ipairs(bands or {}) do ops[#ops + 1] = rect{ x = x - rx + 0.75, y = y - b[2], w = 2 * rx - 1.5, h = b[2] - b[1], fill = b[3] } end
  ops[#ops + 1] = ellipse{ cx = x, cy = y - h, rx = rx, ry = rx * 0.35, fill = fill, outline = edge, width = 1.5 }
  return ops
end

local function plate(x, y, text, fill)
  return { rect{ x = x - #text * 3 - 3, y = y - 5, w = #text * 6 + 6, h = 11, r = 2, fill = fill or palette.paper, outline = ink },
           label{ x = x, y = y + 1, text = text, align = "center", valign = "middle", color = ink } }
end

-- Plants -----------------------------------------------------------------------

-- Frames of 160 x 168 on (80, 120), 2 x 2 cells.
local PW, PH, PX, PY = 160, 168, 80, 120
local plantWalls = footprint(PX, PY, 2, 2, 0.8)
local plantEaves = footprint(PX, PY, 2.2, 2.2, 0.8)
local planks, plankLine, beam = "#c89a60", "#7a5430", "#7a5030"
local slab, slabDark = "#a8a8a0", "#5a5a54"

local kinds = {
  mill = { wall = "#f0e6cc", line = "#8a6a40", roof = "#b05a30", roofDark = "#783a1c", sign = "MILL", window = "#8fc7ef" },
  sawmill = { wall = "#d8a868", line = "#6a4420", roof = "#4c8a3a", roofDark = "#2e5a22", sign = "SAW", window = "#f6d743" },
  goldmill = { wall = "#a8a49c", line = "#4a4844", roof = "#e0b030", roofDark = "#9a7410", sign = "GOLD", window = "#f6d743" },
}
local wallHeight = { 34, 54, 54 }

local function foundation()
  return join({ poly{ points = flat(plantWalls), fill = slab, outline = slabDark, width = 2 } }, walls(plantWalls, -4, 0, "#8a8a84", slabDark))
end

-- A finished plant at level 1 to 3: its walls, windows, sign and level plaque,
-- the gable roof; level 3 adds a round turret with a pennant at the right.
local function plant(k, level)
  local h = wallHeight[level]
  local A, B, C = plantWalls[1], plantWalls[2], plantWalls[3]
  local r = gable(plantEaves, h - 2, 30, k.roof, k.roofDark, k.wall)
  local ops = join({ r.back }, foundation(), walls(plantWalls, 0, h, k.wall, k.line))
  ops[#ops + 1] = opening(A, B, 0.4, 0.6, 0, 19, "#6a4020", ink)
  ops[#ops + 1] = opening(B, C, 0.3, 0.7, h - 20, h - 8, k.window, k.line)
  if level > 1 then
    ops[#ops + 1] = seg(raised(A, 30), raised(B, 30), 2.5, k.line)
    ops[#ops + 1] = seg(raised(B, 30), raised(C, 30), 2.5, k.line)
    ops[#ops + 1] = opening(A, B, 0.15, 0.3, 36, 48, k.window, k.line)
    ops[#ops + 1] = opening(A, B, 0.7, 0.85, 36, 48, k.window, k.line)
  end
  ops = join(ops, plate(on_wall(A, B, 0.5, 27)[1], on_wall(A, B, 0.5, 27)[2], k.sign), r.front)
  local badge = on_wall(B, C, 0.5, h + 10)
  ops[#ops + 1] = circle{ cx = badge[1], cy = badge[2], r = 6, fill = palette.gold, outline = palette.gold_dark }
  ops[#ops + 1] = label{ x = badge[1] + 0.5, y = badge[2] + 0.5, text = tostring(level), align = "center", valign = "middle", color = ink }
  if level == 3 then
    local foot = raised(C, -4)
    ops = join(ops, cylinder(foot[1] - 8, foot[2], 12, 74, k.wall, k.line, { { 30, 34, k.line } }))
    local x, y = foot[1] - 8, foot[2] - 74
    ops[#ops + 1] = poly{ points = { x - 15, y + 2, x + 15, y + 2, x, y - 28 }, fill = k.roof, outline = ink, width = 1.5 }
    ops[#ops + 1] = seg({ x, y - 28 }, { x, y - 40 }, 1.5, ink)
    ops[#ops + 1] = poly{ points = { x, y - 40, x + 11, y - 36, x, y - 32 }, fill = palette.red }
  end
  return ops
end

-- Scaffold poles just outside the front walls up to height h.
local function scaffold(h)
  local A, B, C = plantWalls[1], plantWalls[2], plantWalls[3]
  local ops = {}
  for _, s in ipairs({ { A, B, 0.08 }, { A, B, 0.92 }, { B, C, 0.5 } }) do
    local p = raised(between(s[1], s[2], s[3]), -6)
    ops[#ops + 1] = seg(p, raised(p, h + 12), 2.5, "#a07a48")
  end
  ops[#ops + 1] = seg(raised(between(A, B, 0.08), h * 0.6 - 6), raised(between(A, B, 0.92), h * 0.6 - 6), 3, "#a07a48")
  return ops
end

local function posts(h)
  local ops = {}
  for k = 1, 3 do ops[#ops + 1] = seg(plantWalls[k], raised(plantWalls[k], h), 3, beam) end
  ops[#ops + 1] = seg(raised(plantWalls[1], h), raised(plantWalls[2], h), 3, beam)
  ops[#ops + 1] = seg(raised(plantWalls[2], h), raised(plantWalls[3], h), 3, beam)
  return ops
end

-- The plant built, frames 0-4: foundation, low walls, wall frame, roof frame, finished.
local function plant_build(k)
  return function(i)
    if i == 4 then return plant(k, 1) end
    local ops = foundation()
    if i == 0 then
      for c = 1, 3 do ops[#ops + 1] = seg(plantWalls[c], raised(plantWalls[c], 10), 3, planks) end
      return ops
    end
    ops = join(ops, walls(plantWalls, 0, ({ 12, 24, 34 })[i], planks, plankLine), posts(34))
    if i == 3 then ops = join(ops, gable(plantEaves, 32, 30, k.roof, k.roofDark, k.wall).rafters(beam)) end
    return ops
  end
end

-- First upgrade, frames 0-3: the walls grow a second storey.
local function plant_up1(k)
  return function(i)
    if i == 3 then return plant(k, 2) end
    local topH = 34 + ({ 6, 14, 20 })[i + 1]
    local ops = join(foundation(), walls(plantWalls, 0, 34, k.wall, k.line), walls(plantWalls, 34, topH, planks, plankLine), posts(54),
                     { opening(plantWalls[1], plantWalls[2], 0.4, 0.6, 0, 19, "#6a4020", ink) })
    if i == 2 then ops = join(ops, gable(plantEaves, 52, 30, k.roof, k.roofDark, k.wall).rafters(beam)) end
    return join(ops, scaffold(topH))
  end
end

-- Second upgrade, frames 0-3: a turret rises at the right-hand corner.
local function plant_up2(k)
  return function(i)
    if i == 3 then return plant(k, 3) end
    local ops = plant(k, 2)
    local foot = raised(plantWalls[3], -4)
    ops = join(ops, cylinder(foot[1] - 8, foot[2], 12, ({ 20, 44, 74 })[i + 1], planks, plankLine))
    if i == 2 then
      for a = -1, 1 do ops[#ops + 1] = seg({ foot[1] - 8 + a * 14, foot[2] - 74 }, { foot[1] - 8, foot[2] - 102 }, 2, beam) end
    end
    return ops
  end
end

local function plant_shadow() return shadow_of(plantWalls, { 14, -16 }) end

-- The building site: the 2 x 2 footprint, its cells and stakes at the corners.
local function zone2x2()
  local f = footprint(PX, PY, 2, 2, 0.95)
  local ops = { poly{ points = flat(f), fill = "#7ad06a48", outline = "#ffffffd0", width = 2 },
                seg(grid_point(PX, PY, 0, -1), grid_point(PX, PY, 0, 1), 1, "#ffffff80"),
                seg(grid_point(PX, PY, -1, 0), grid_point(PX, PY, 1, 0), 1, "#ffffff80") }
  for _, c in ipairs(f) do
    ops[#ops + 1] = seg(c, raised(c, 12), 3, "#a07a48")
    ops[#ops + 1] = circle{ cx = c[1], cy = c[2] - 12, r = 2.5, fill = palette.red }
  end
  return ops
end

-- The mill's sails: 96 x 136 frames, hub 88 above the mill's hot spot; four
-- frames turn them through a quarter turn, so the loop is seamless.
local FAN_HX, FAN_HY, FAN_CX, FAN_CY = 48, 132, 48, 44
local function fan(i)
  local ops = {}
  for s = 0, 3 do
    local a = math.rad(s * 90 + i * 22.5 + 10)
    local d, n = { math.cos(a), math.sin(a) }, { -math.sin(a), math.cos(a) }
    local function p(l, w) return { FAN_CX + d[1] * l + n[1] * w, FAN_CY + d[2] * l + n[2] * w } end
    ops[#ops + 1] = poly{ points = flat({ p(8, 0), p(40, 0), p(40, 11), p(10, 9) }), fill = "#f4ecd8e8", outline = "#6a4420", width = 1.5 }
    ops[#ops + 1] = seg(p(10, 4.5), p(40, 5.5), 1, "#a07a48")
    ops[#ops + 1] = seg(p(0, 0), p(42, 0), 3, "#6a4420")
  end
  ops[#ops + 1] = circle{ cx = FAN_CX, cy = FAN_CY, r = 5, fill = "#5a3a1a", outline = ink }
  return ops
end

-- The gold mill's yard, drawn under it: paving round the footprint and a cart
-- of gold at the left.
local GW, GH, GX, GY = 224, 184, 112, 122
local function gold_seat()
  local PX, PY = GX, GY
  local f = footprint(PX, PY, 2.5, 2.5, 1)
  local ops = { poly{ points = flat(f), fill = "#b8b0a0c0", outline = "#6a6458", width = 2 } }
  for t = 1, 4 do
    ops[#ops + 1] = seg(between(f[1], f[2], t / 5), between(f[4], f[3], t / 5), 1, "#8a8478")
    ops[#ops + 1] = seg(between(f[1], f[4], t / 5), between(f[2], f[3], t / 5), 1, "#8a8478")
  end
  local c = grid_point(PX, PY, -1.0, -0.2)
  ops[#ops + 1] = poly{ points = { c[1] - 12, c[2] - 10, c[1] + 12, c[2] - 10, c[1] + 9, c[2] + 2, c[1] - 9, c[2] + 2 }, fill = "#7a5030", outline = ink, width = 1.2 }
  for _, d in ipairs({ { -6, -12 }, { 0, -14 }, { 6, -12 }, { -2, -17 }, { 4, -17 } }) do
    ops[#ops + 1] = circle{ cx = c[1] + d[1], cy = c[2] + d[2], r = 3.5, fill = palette.gold, outline = palette.gold_dark, width = 1 }
  end
  ops[#ops + 1] = circle{ cx = c[1] - 7, cy = c[2] + 3, r = 3, fill = "#3a3a3a" }
  ops[#ops + 1] = circle{ cx = c[1] + 7, cy = c[2] + 3, r = 3, fill = "#3a3a3a" }
  return ops
end

-- The circle under a seat's head icon, tinted by the game.
local function head_circle()
  return { circle{ cx = 12, cy = 12, r = 11, fill = "#ffffff70", outline = "#ffffffff", width = 2 } }
end

local function plant_strips(name, k, y, extra)
  local list = {
    strip{ name = name, x = 0, y = y, w = PW, h = PH, count = 5, hx = PX, hy = PY, draw = plant_build(k), note = "building: foundation to finished" },
    strip{ name = name .. "_sh", x = 5 * PW, y = y, w = PW, h = PH, hx = PX, hy = PY, draw = plant_shadow },
    strip{ name = name .. "_up1", x = 0, y = y + PH, w = PW, h = PH, count = 4, hx = PX, hy = PY, draw = plant_up1(k), note = "first upgrade: a second storey" },
    strip{ name = name .. "_up2", x = 0, y = y + 2 * PH, w = PW, h = PH, count = 4, hx = PX, hy = PY, draw = plant_up2(k), note = "second upgrade: a turret" },
  }
  for _, s in ipairs(extra or {}) do list[#list + 1] = s end
  return list
end

texture{
  path = "objects/plants", size = { 1024, 1024 },
  strips = join(
    plant_strips("mill00", kinds.mill, 0, {
      strip{ name = "mill00_fan", x = 4 * PW, y = PH, w = 96, h = 136, count = 4, fps = 8, hx = FAN_HX, hy = FAN_HY, draw = fan,
             note = "looped while workers sit inside" },
      strip{ name = "zone2x2", x = 4 * PW, y = 2 * PH, w = PW, h = PH, hx = PX, hy = PY, draw = zone2x2 },
      strip{ name = "icon_head_circle", x = 5 * PW, y = 2 * PH, w = 24, h = 24, draw = head_circle, note = "under each seat's head" },
    }),
    plant_strips("sawmill00", kinds.sawmill, 3 * PH)),
}

texture{
  path = "objects/plants_gold", size = { 1024, 512 },
  strips = plant_strips("goldmill00", kinds.goldmill, 0, {
    strip{ name = "goldmill00_seat", x = 4 * PW, y = PH, w = GW, h = GH, hx = GX, hy = GY, draw = gold_seat, note = "the yard, drawn under the gold mill" },
  }),
}

-- Special buildings ------------------------------------------------------------

-- Frames 0-4 show the paid share: frame 0 as work starts, frame 4 nearly or
-- fully paid (the finished look).
local stoneCol, stoneDark = "#c8bca0", "#6a5e44"

-- The lighthouse: 160 x 200 on (80, 156), 2 x 2 cells; a striped tower whose
-- lamp room stands 110 above the hot spot, where its fire and smoke burn.
local LW, LH, LX, LY = 160, 200, 80, 156
local lightFoot = footprint(LX, LY, 2, 2, 0.8)
local function lighthouse(i)
  local ops = join({ poly{ points = flat(lightFoot), fill = slab, outline = slabDark, width = 2 } }, walls(lightFoot, -4, 0, "#8a8a84", slabDark))
  local h = ({ 18, 42, 66, 90, 104 })[i + 1]
  local bands = {}
  for b = 0, 5 do
    if b * 36 + 18 < h then bands[#bands + 1] = { b * 36 + 18, math.min(b * 36 + 36, h), palette.red } end
  end
  ops = join(ops, cylinder(LX, LY - 2, 24, h, palette.white, ink, bands))
  ops[#ops + 1] = opening({ LX - 6, LY - 2 }, { LX + 6, LY - 2 }, 0, 1, 0, 16, "#6a4020", ink)
  if i == 4 then
    local y = LY - 2 - h
    ops[#ops + 1] = ellipse{ cx = LX, cy = y, rx = 32, ry = 9, fill = "#4a4a4a", outline = ink, width = 1.5 }
    ops[#ops + 1] = rect{ x = LX - 16, y = y - 22, w = 32, h = 22, fill = "#fff3b0c0", outline = ink, width = 1.5 }
    ops[#ops + 1] = seg({ LX, y }, { LX, y - 22 }, 1.5, ink)
    ops[#ops + 1] = poly{ points = { LX - 20, y - 21, LX + 20, y - 21, LX, y - 44 }, fill = palette.red, outline = ink, width = 1.5 }
  else
    for _, dx in ipairs({ -30, 30 }) do ops[#ops + 1] = seg({ LX + dx, LY + 2 }, { LX + dx * 0.9, LY - h - 14 }, 2.5, "#a07a48") end
    ops[#ops + 1] = seg({ LX - 29, LY - h + 4 }, { LX + 29, LY - h + 4 }, 3, "#a07a48")
  end
  return ops
end

-- The advisor's tower: 160 x 200 on (80, 156), 2 x 2 cells; a square tower of
-- purple stone under a pointed roof with a star.
local towerFoot = footprint(LX, LY, 1.3, 1.3, 1)
local function advisor(i)
  local h = ({ 16, 36, 56, 76, 88 })[i + 1]
  local ops = join({ poly{ points = flat(footprint(LX, LY, 2, 2, 0.8)), fill = slab, outline = slabDark, width = 2 } },
                   walls(towerFoot, 0, h, "#9a7ac8", "#3e2a6a"))
  local A, B, C = towerFoot[1], towerFoot[2], towerFoot[3]
  ops[#ops + 1] = opening(A, B, 0.35, 0.65, 0, 20, "#4a2a18", ink)
  for _, t in ipairs({ 30, 58 }) do
    if t + 14 < h then
      ops[#ops + 1] = opening(A, B, 0.4, 0.6, t, t + 12, palette.yellow, "#3e2a6a")
      ops[#ops + 1] = opening(B, C, 0.4, 0.6, t, t + 12, palette.yellow, "#3e2a6a")
    end
  end
  if i == 4 then
    local apex = { LX, LY - h - 56 }
    local E = footprint(LX, LY, 1.6, 1.6, 1)
    for k = 1, 4 do E[k] = raised(E[k], h) end
    ops[#ops + 1] = poly{ points = flat({ E[1], E[2], apex }), fill = "#4a3a9a", outline = ink, width = 1.5 }
    ops[#ops + 1] = poly{ points = flat({ E[2], E[3], apex }), fill = "#3a2a7a", outline = ink, width = 1.5 }
    ops[#ops + 1] = star{ cx = apex[1], cy = apex[2] - 6, r = 8, fill = palette.yellow, outline = palette.gold_dark }
  else
    ops[#ops + 1] = top(towerFoot, h, "#b8a0dc", "#3e2a6a")
  end
  return ops
end

-- The ruins: 288 x 200 on (144, 128), 4 x 3 cells; a temple whose columns
-- and roof come back frame by frame out of the rubble.
local RW, RH, RX, RY = 288, 200, 144, 128
local ruinFoot = footprint(RX, RY, 4, 3, 0.85)
local function column(p, h, broken)
  local ops = cylinder(p[1], p[2], 7, h, stoneCol, stoneDark)
  if broken then ops[#ops + 1] = poly{ points = { p[1] - 7, p[2] - h, p[1] + 7, p[2] - h - 5, p[1] + 7, p[2] - h }, fill = stoneCol, outline = stoneDark } end
  return ops
end
local function rubble(points)
  local ops = {}
  for _, c in ipairs(points) do
    ops[#ops + 1] = poly{ points = { c[1] - 7, c[2] + 3, c[1] - 4, c[2] - 4, c[1] + 6, c[2] - 3, c[1] + 7, c[2] + 4 }, fill = stoneCol, outline = stoneDark, width = 1.2 }
  end
  return ops
end
local function ruins(i)
  local f = ruinFoot
  local ops = join({ poly{ points = flat(f), fill = "#b8ac90", outline = stoneDark, width = 2 } }, walls(f, -8, 0, "#9a8e72", stoneDark))
  local h = 50
  local spots = {}
  for t = 0, 4 do spots[#spots + 1] = between(f[1], f[2], t / 4) end
  for t = 1, 3 do spots[#spots + 1] = between(f[2], f[3], t / 3) end
  local heights = ({ { 10, 24, 6, 18, 12, 8, 20, 14 }, { 26, 34, 16, 30, 20, 18, 34, 26 }, { 40, h, 32, h, 42, 36, h, 40 },
                     { h, h, h, h, h, h, h, h }, { h, h, h, h, h, h, h, h } })[i + 1]
  -- Back columns first, so the front ones stand before them.
  for t = 1, 3 do
    local p = between(f[4], f[3], t / 3)
    if i >= 2 then ops = join(ops, column(p, heights[t + 4], heights[t + 4] < h)) end
  end
  for k, p in ipairs(spots) do ops = join(ops, column(p, heights[k], heights[k] < h)) end
  if i >= 3 then
    local E = footprint(RX, RY, 4.1, 3.1, 0.85)
    for k = 1, 4 do E[k] = raised(E[k], h) end
    ops = join(ops, walls({ E[1], E[2], E[3] }, 0, 8, stoneCol, stoneDark))
    local tops = {}
    for k = 1, 4 do tops[k] = raised(E[k], 8) end
    if i == 4 then
      local RA, RB = raised(between(tops[1], tops[4], 0.5), 20), raised(between(tops[2], tops[3], 0.5), 20)
      ops[#ops + 1] = poly{ points = flat({ tops[4], tops[3], RB, RA }), fill = "#9a4a30", outline = ink, width = 1.5 }
      ops[#ops + 1] = poly{ points = flat({ tops[1], tops[2], RB, RA }), fill = "#c86a48", outline = ink, width = 1.5 }
      ops[#ops + 1] = poly{ points = flat({ tops[2], tops[3], RB }), fill = stoneCol, outline = ink, width = 1.5 }
    else
      ops[#ops + 1] = poly{ points = flat(tops), fill = "#d8ccb0", outline = stoneDark, width = 1.5 }
    end
  end
  if i < 4 then
    local pile = { { 40, 150 }, { 60, 168 }, { 120, 182 }, { 200, 168 }, { 238, 140 }, { 96, 160 }, { 170, 176 }, { 250, 120 } }
    local keep = {}
    for k = 1, #pile - i * 2 do keep[#keep + 1] = pile[k] end
    ops = join(ops, rubble(keep))
  end
  return ops
end

-- The ice castle: 288 x 200 on (144, 128), 4 x 3 cells; icy walls between
-- three round towers, growing frame by frame.
local iceFill, iceLine, iceTop = "#c8ecf8", "#3a7a9a", "#eafaff"
local CW, CH, CX, CY = 288, 232, 144, 152
local castleFoot = footprint(CX, CY, 4, 3, 0.8)
local function castle(i)
  local f = castleFoot
  local wallH = ({ 8, 20, 32, 44, 48 })[i + 1]
  local towerH = ({ 12, 26, 40, 52, 60 })[i + 1]
  local ops = { poly{ points = flat(footprint(CX, CY, 4, 3, 0.9)), fill = "#e4f4fa", outline = iceLine, width = 1.5 } }
  local function tower(p, low)
    local towerH = low and towerH * 0.7 or towerH
    local t = cylinder(p[1], p[2], 15, towerH, iceFill, iceLine, { { towerH * 0.45, towerH * 0.45 + 3, "#a0d4ec" } })
    if i == 4 then
      t[#t + 1] = poly{ points = { p[1] - 19, p[2] - towerH + 2, p[1] + 19, p[2] - towerH + 2, p[1], p[2] - towerH - 26 }, fill = iceTop, outline = iceLine, width = 1.5 }
      t[#t + 1] = seg({ p[1], p[2] - towerH - 26 }, { p[1], p[2] - towerH - 36 }, 1.5, iceLine)
      t[#t + 1] = poly{ points = { p[1], p[2] - towerH - 36, p[1] + 12, p[2] - towerH - 32, p[1], p[2] - towerH - 28 }, fill = palette.blue }
    end
    return t
  end
  ops = join(ops, tower(f[4], true))
  local back = { poly{ points = flat({ raised(f[1], 0), raised(f[4], 0), raised(f[4], wallH), raised(f[1], wallH) }), fill = "#b0dcee", outline = iceLine, width = 1.5 },
                 poly{ points = flat({ raised(f[4], 0), raised(f[3], 0), raised(f[3], wallH), raised(f[4], wallH) }), fill = "#b0dcee", outline = iceLine, width = 1.5 } }
  ops = join(ops, back, walls(f, 0, wallH, iceFill, iceLine))
  -- Battlements along the front walls.
  if i >= 3 then
    for _, e in ipairs({ { f[1], f[2] }, { f[2], f[3] } }) do
      for t = 0, 6 do
        local a, b = on_wall(e[1], e[2], t / 7 + 0.02, wallH), on_wall(e[1], e[2], t / 7 + 0.09, wallH)
        ops[#ops + 1] = poly{ points = { a[1], a[2], b[1], b[2], b[1], b[2] - 7, a[1], a[2] - 7 }, fill = iceTop, outline = iceLine, width = 1 }
      end
    end
  end
  ops[#ops + 1] = opening(f[1], f[2], 0.42, 0.58, 0, math.min(28, wallH), "#5aa0c8", iceLine)
  return join(ops, tower(f[1]), tower(f[3]), tower(f[2]))
end

-- The source of the water of life: 304 x 208 on (152, 120), 4 x 4 cells; a
-- round basin of white stone whose rim rises frame by frame and fills with
-- shining water at the end.
local SW, SH, SX, SY = 304, 208, 152, 120
local function source(i)
  local ops = { ellipse{ cx = SX, cy = SY, rx = 136, ry = 72, fill = "#b8c8a0", outline = "#6a7a50", width = 1.5 } }
  local rim = ({ 0, 8, 16, 22, 22 })[i + 1]
  local rx, ry = 104, 52
  if i == 0 then
    for k = 0, 15 do
      local a = k * math.pi / 8
      local x, y = SX + math.cos(a) * rx, SY + math.sin(a) * ry
      if k % 3 ~= 2 then ops[#ops + 1] = rect{ x = x - 6, y = y - 5, w = 12, h = 8, r = 1.5, fill = palette.white, outline = stoneDark, width = 1 } end
    end
    return ops
  end
  ops[#ops + 1] = ellipse{ cx = SX, cy = SY - rim, rx = rx, ry = ry, fill = "#e8e4dc", outline = stoneDark, width = 1.5 }
  ops[#ops + 1] = rect{ x = SX - rx, y = SY - rim, w = 2 * rx, h = rim, fill = "#e8e4dc" }
  ops[#ops + 1] = ellipse{ cx = SX, cy = SY, rx = rx, ry = ry, fill = "#00000000", outline = stoneDark, width = 1.5 }
  ops[#ops + 1] = rect{ x = SX - rx + 1, y = SY - rim, w = 2 * rx - 2, h = rim, fill = "#e8e4dc" }
  ops[#ops + 1] = ellipse{ cx = SX, cy = SY - rim, rx = rx, ry = ry, fill = "#f4f2ec", outline = stoneDark, width = 1.5 }
  local water = i == 4 and "#40d8e0" or "#9a9a8a"
  ops[#ops + 1] = ellipse{ cx = SX, cy = SY - rim, rx = rx - 12, ry = ry - 8, fill = water, outline = stoneDark, width = 1.2 }
  if i >= 3 then
    ops = join(ops, cylinder(SX, SY - rim, 14, 18, "#f4f2ec", stoneDark))
  end
  if i == 4 then
    ops[#ops + 1] = glow{ cx = SX, cy = SY - rim, r = 80, color = "#a0fff860" }
    for _, s in ipairs({ { -60, -6 }, { 40, 10 }, { 70, -12 }, { -30, 18 } }) do
      ops[#ops + 1] = star{ cx = SX + s[1], cy = SY - rim + s[2], r = 6, inner = 2, fill = palette.white }
    end
  end
  return ops
end

-- The fountain that the finished source brings into view: 96 x 128 on
-- (48, 112), a jet and falling drops, looped.
local function fountain(i)
  local ops = { ellipse{ cx = 48, cy = 112, rx = 30, ry = 10, fill = "#40d8e0", outline = "#2a7a8a", width = 1.5 } }
  ops[#ops + 1] = rect{ x = 45, y = 30, w = 6, h = 82, fill = "#c8f8ffd0" }
  ops[#ops + 1] = glow{ cx = 48, cy = 32, r = 16, color = "#e0ffffc0" }
  for k = 0, 5 do
    local t = ((k + i) % 6) / 6
    for _, side in ipairs({ -1, 1 }) do
      local x = 48 + side * (6 + t * 24)
      local y = 30 + t * 70 - math.sin(t * math.pi) * 14
      ops[#ops + 1] = circle{ cx = x, cy = y, r = 3 - t * 1.2, fill = "#8ae8f4" }
    end
  end
  return ops
end

local function big_shadow(f, s) return function() return shadow_of(f, s) end end
-- A tall tower's shadow: a long strip from its foot up to the right.
local function tower_shadow(w, dx, dy)
  return function()
    return { poly{ points = { LX - w, LY - 2, LX + w, LY + 4, LX + w + dx, LY + 4 + dy, LX - w + dx, LY - 2 + dy }, fill = "#00000048" } }
  end
end

texture{
  path = "objects/specials", size = { 1024, 1024 },
  strips = {
    strip{ name = "lighthouse00", x = 0, y = 0, w = LW, h = LH, count = 5, hx = LX, hy = LY, draw = lighthouse,
           note = "paid share, frame by frame; the lamp room 110 above the hot spot" },
    strip{ name = "lighthouse00_sh", x = 5 * LW, y = 0, w = LW, h = LH, hx = LX, hy = LY, draw = tower_shadow(22, 50, -70) },
    strip{ name = "tower_advisor", x = 0, y = LH, w = LW, h = LH, count = 5, hx = LX, hy = LY, draw = advisor, note = "paid share, frame by frame" },
    strip{ name = "tower_advisor_sh", x = 5 * LW, y = LH, w = LW, h = LH, hx = LX, hy = LY, draw = tower_shadow(30, 44, -62) },
    strip{ name = "ruins00", x = 0, y = 2 * LH, w = RW, h = RH, count = 5, columns = 3, hx = RX, hy = RY, draw = ruins,
           note = "paid share, frame by frame: rubble to a restored temple" },
    strip{ name = "ruins00_sh", x = 2 * RW, y = 2 * LH + RH, w = RW, h = RH, hx = RX, hy = RY, draw = big_shadow(ruinFoot, { 18, -18 }) },
    strip{ name = "source_fountain", x = 0, y = 2 * LH + 2 * RH, w = 96, h = 128, count = 6, fps = 10, hx = 48, hy = 112,
           draw = fountain, note = "looped; shown once the source is restored" },
  },
}

-- The frozen lake: 256 x 160 on (128, 80), 3 x 3 cells of ice with cracks and
-- glints; the open water is the level's ground, so only the ice is drawn.
local function ice()
  local f = footprint(128, 80, 3, 3, 0.98)
  local edge = {}
  for k = 1, 4 do
    local p, q = f[k], f[k % 4 + 1]
    for t = 0, 3 do
      local m = between(p, q, t / 4)
      local wobble = (t % 2 == 1) and 5 or 0
      edge[#edge + 1] = { m[1] + (128 - m[1]) * wobble / 120, m[2] + (80 - m[2]) * wobble / 70 }
    end
  end
  local ops = { poly{ points = flat(edge), fill = "#d8f0fae8", outline = "#7ab0cc", width = 2 },
                poly{ points = flat(footprint(128, 80, 2.2, 2.2, 1)), fill = "#e8f8ffa0" } }
  for _, c in ipairs({ { 80, 70, 104, 84, 118, 76 }, { 150, 60, 170, 72, 196, 70 }, { 120, 110, 140, 98, 160, 104 }, { 104, 84, 100, 102 } }) do
    for j = 1, #c - 2, 2 do ops[#ops + 1] = line{ x1 = c[j], y1 = c[j + 1], x2 = c[j + 2], y2 = c[j + 3], width = 1.2, color = "#7ab0cc" } end
  end
  for _, g in ipairs({ { 70, 86 }, { 176, 58 }, { 144, 120 } }) do
    ops[#ops + 1] = star{ cx = g[1], cy = g[2], r = 5, inner = 1.5, fill = palette.white }
  end
  return ops
end

texture{
  path = "objects/specials_big", size = { 1024, 1024 },
  strips = {
    strip{ name = "castle_ice", x = 0, y = 0, w = CW, h = CH, count = 5, columns = 3, hx = CX, hy = CY, draw = castle,
           note = "paid share, frame by frame" },
    strip{ name = "castle_ice_sh", x = 2 * CW, y = CH, w = CW, h = CH, hx = CX, hy = CY, draw = big_shadow(castleFoot, { 20, -20 }) },
    strip{ name = "source_life_water", x = 0, y = 2 * CH, w = SW, h = SH, count = 5, columns = 3, hx = SX, hy = SY, draw = source,
           note = "paid share, frame by frame: scattered stones to a shining basin" },
    strip{ name = "source_life_water_sh", x = 2 * SW, y = 2 * CH + SH, w = SW, h = SH, hx = SX, hy = SY,
           draw = function() return { ellipse{ cx = SX + 14, cy = SY - 10, rx = 130, ry = 66, fill = "#00000030" } } end },
  },
}

-- Bonfire, altar, bell -----------------------------------------------------------

-- The bonfire, unlit: stones round a stack of logs, 96 x 80 on (48, 58); its
-- fire and smoke are effects, its light the texture "effect_fire".
local function bonfire()
  local ops = { ellipse{ cx = 48, cy = 58, rx = 30, ry = 12, fill = "#4a4038", outline = "#2a2420", width = 1.5 } }
  for k = 0, 9 do
    local a = k * math.pi / 5
    ops[#ops + 1] = ellipse{ cx = 48 + math.cos(a) * 32, cy = 58 + math.sin(a) * 13, rx = 6, ry = 4, fill = palette.stone, outline = "#4a5058", width = 1 }
  end
  for _, l in ipairs({ { 30, 62, 64, 44 }, { 66, 62, 32, 44 }, { 40, 64, 58, 38 }, { 56, 64, 42, 38 } }) do
    ops[#ops + 1] = line{ x1 = l[1], y1 = l[2], x2 = l[3], y2 = l[4], width = 6, color = "#4a2c14" }
    ops[#ops + 1] = line{ x1 = l[1], y1 = l[2], x2 = l[3], y2 = l[4], width = 4, color = "#9a6434" }
  end
  ops[#ops + 1] = circle{ cx = 48, cy = 50, r = 4, fill = "#c04020" }
  return ops
end

-- The altar: 160 x 120 on (80, 80), 2 x 2 cells; a low stone dais with a
-- bowl 16 above the hot spot, over which the spell's orb hovers.
local function altar()
  local base = footprint(80, 80, 2, 2, 0.75)
  local block = footprint(80, 80, 0.9, 0.9, 1)
  local ops = join({ top(base, 0, "#8a8a84", slabDark) }, walls(base, 0, 6, "#a8a8a0", slabDark), { top(base, 6, "#c0c0b8", slabDark) },
                   walls(block, 6, 16, "#d8d4c8", "#5a5650"), { top(block, 16, "#ece8dc", "#5a5650") })
  ops[#ops + 1] = ellipse{ cx = 80, cy = 64, rx = 14, ry = 5, fill = "#6a5ac0", outline = ink, width = 1.5 }
  for _, c in ipairs(base) do
    local p = raised(c, 6)
    ops = join(ops, cylinder(p[1], p[2], 3, 12, "#d8d4c8", "#5a5650"))
    ops[#ops + 1] = circle{ cx = p[1], cy = p[2] - 14, r = 2.5, fill = "#c8a0ff" }
  end
  return ops
end

-- The spells' orbs: 40 x 40 on their middle, four frames each, looped; "_off"
-- a grey orb with a dim sign, "_on" a bright pulsing one.
local spells = {
  { "spell_fast_workers", "#f08c2a", "arrows" }, { "spell_fast_food", "#6cc04a", "apple" },
  { "spell_restore_tree", "#2e9a4a", "tree" }, { "spell_freeze_water", "#5ab8f0", "flake" },
  { "spell_kill_enemies", "#f0d030", "bolt" }, { "spell_shield", "#3a78c8", "shield" },
  { "enemy_spell_kill_workers", "#c02828", "cross" }, { "enemy_spell_kill_towers", "#8a2ac0", "tower" },
}
local function sign(kind, c)
  if kind == "arrows" then
    return { poly{ points = { 11, 12, 19, 20, 11, 28, 15, 20 }, fill = c }, poly{ points = { 20, 12, 28, 20, 20, 28, 24, 20 }, fill = c } }
  elseif kind == "apple" then
    return { circle{ cx = 20, cy = 22, r = 7, fill = c }, line{ x1 = 20, y1 = 15, x2 = 22, y2 = 11, width = 1.5, color = c },
             ellipse{ cx = 25, cy = 12, rx = 3, ry = 1.5, fill = c } }
  elseif kind == "tree" then
    return { poly{ points = { 20, 9, 29, 25, 11, 25 }, fill = c }, rect{ x = 18, y = 25, w = 4, h = 6, fill = c } }
  elseif kind == "flake" then
    local ops = {}
    for k = 0, 2 do
      local a = k * math.pi / 3
      ops[#ops + 1] = line{ x1 = 20 - math.cos(a) * 10, y1 = 20 - math.sin(a) * 10, x2 = 20 + math.cos(a) * 10, y2 = 20 + math.sin(a) * 10, width = 2.5, color = c }
    end
    return ops
  elseif kind == "bolt" then
    return { poly{ points = { 22, 8, 13, 22, 19, 22, 16, 32, 27, 17, 21, 17 }, fill = c } }
  elseif kind == "shield" then
    return { poly{ points = { 12, 11, 28, 11, 28, 20, 20, 30, 12, 20 }, fill = c } }
  elseif kind == "cross" then
    return { line{ x1 = 12, y1 = 12, x2 = 28, y2 = 28, width = 4, color = c }, line{ x1 = 28, y1 = 12, x2 = 12, y2 = 28, width = 4, color = c } }
  end
  return { rect{ x = 14, y = 14, w = 12, h = 16, fill = c }, rect{ x = 12, y = 11, w = 4, h = 4, fill = c }, rect{ x = 18, y = 11, w = 4, h = 4, fill = c },
           rect{ x = 24, y = 11, w = 4, h = 4, fill = c }, line{ x1 = 12, y1 = 30, x2 = 30, y2 = 10, width = 2, color = "#ffffff" } }
end
local function orb(color, kind, on)
  return function(i)
    local a = i * math.pi / 2
    if not on then
      return join({ circle{ cx = 20, cy = 20, r = 14, fill = "#7a7a84", outline = "#3a3a44", width = 1.5 } }, sign(kind, "#a8a8b0"),
                  { circle{ cx = 20 + math.cos(a) * 7, cy = 20 + math.sin(a) * 7, r = 2, fill = "#c8c8d0" } })
    end
    local pulse = ({ 0, 2, 3, 2 })[i + 1]
    return join({ glow{ cx = 20, cy = 20, r = 16 + pulse, color = color .. "c0" },
                  circle{ cx = 20, cy = 20, r = 14, fill = color, outline = palette.white, width = 1.5 } },
                sign(kind, palette.white), { circle{ cx = 14, cy = 14, r = 3, fill = "#ffffffa0" } })
  end
end

-- The alarm bell: 112 x 160 on (56, 148): a small roof on two posts; the
-- swinging bell hangs from (56, 44) in frames of the same size and hot spot.
local function bell_stand()
  local wood, woodDark = "#9a6434", "#4a2c14"
  return {
    ellipse{ cx = 56, cy = 148, rx = 40, ry = 10, fill = "#8a8a84", outline = slabDark, width = 1.5 },
    line{ x1 = 24, y1 = 150, x2 = 24, y2 = 36, width = 7, color = woodDark }, line{ x1 = 24, y1 = 150, x2 = 24, y2 = 36, width = 5, color = wood },
    line{ x1 = 88, y1 = 150, x2 = 88, y2 = 36, width = 7, color = woodDark }, line{ x1 = 88, y1 = 150, x2 = 88, y2 = 36, width = 5, color = wood },
    line{ x1 = 16, y1 = 40, x2 = 96, y2 = 40, width = 7, color = woodDark }, line{ x1 = 16, y1 = 40, x2 = 96, y2 = 40, width = 5, color = wood },
    poly{ points = { 8, 38, 104, 38, 56, 8 }, fill = "#c04a30", outline = ink, width = 1.5 },
  }
end
-- Frame i swings the bell by 28 degrees times sin(2 pi (i - 5) / 8): frame 5
-- hangs straight, where the bell rests.
local function bell_swing(i)
  local a = math.rad(28 * math.sin(2 * math.pi * (i - 5) / 8))
  local px, py = 56, 44
  local function R(x, y) return { px + x * math.cos(a) - y * math.sin(a), py + x * math.sin(a) + y * math.cos(a) } end
  local body = {}
  for _, p in ipairs({ { -6, 2 }, { 6, 2 }, { 10, 12 }, { 12, 26 }, { 18, 34 }, { -18, 34 }, { -12, 26 }, { -10, 12 } }) do body[#body + 1] = R(p[1], p[2]) end
  local c = R(0, 38)
  return { seg(R(0, -2), R(0, 4), 3, ink), circle{ cx = c[1], cy = c[2], r = 4, fill = "#5a3a10", outline = ink },
           poly{ points = flat(body), fill = "#d8a030", outline = "#6a4410", width = 1.5 }, seg(R(-14, 30), R(14, 30), 1.5, "#8a5a10") }
end

texture{
  path = "objects/altars", size = { 1024, 512 },
  strips = (function()
    local list = {
      strip{ name = "bell00", x = 0, y = 0, w = 112, h = 160, hx = 56, hy = 148, draw = bell_stand },
      strip{ name = "bell00_bell", x = 112, y = 0, w = 112, h = 160, count = 8, fps = 15, hx = 56, hy = 148, draw = bell_swing,
             note = "a whole swing; frame 5 hangs at rest" },
      strip{ name = "altar00", x = 0, y = 160, w = 160, h = 120, hx = 80, hy = 80, draw = altar },
      strip{ name = "ice", x = 0, y = 320, w = 256, h = 160, hx = 128, hy = 80, draw = ice, note = "a frozen 3 x 3 lake" },
      strip{ name = "bonfire", x = 160, y = 160, w = 96, h = 80, hx = 48, hy = 58, draw = bonfire, note = "unlit; the fire is an effect" },
    }
    for k, s in ipairs(spells) do
      local x, y = 256 + ((k - 1) % 4) * 192, 160 + math.floor((k - 1) / 4) * 40
      list[#list + 1] = strip{ name = s[1] .. "_off", x = x, y = y, w = 40, h = 40, count = 4, fps = 8, draw = orb(s[2], s[3], false) }
      list[#list + 1] = strip{ name = s[1] .. "_on", x = x, y = y + 80, w = 40, h = 40, count = 4, fps = 8, draw = orb(s[2], s[3], true) }
    end
    return list
  end)(),
}

-- The bonfire's light, tinted by the game and laid over the scene.
picture("particles/effect_fire", 128, 128, { glow{ cx = 64, cy = 64, r = 64, color = "#ffffffff", power = 1.4 } })
