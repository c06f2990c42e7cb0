-- data/texture/objects: the hero and his wife (drawn with the walking figures of
-- art_enemies.lua, in the same four directions), the player's tower with its two
-- upgrades, site and shadow, the enemy tower, the cannonball, and the tank's hull
-- and its barrel in nine directions. A tower's hot spot is the middle of its one
-- grid cell; the tank's is the middle of its turret, where the barrel turns.

local ink = palette.ink

local function add(ops, more)
  if more.op then ops[#ops + 1] = more else for _, op in ipairs(more) do ops[#ops + 1] = op end end
end
local function polar(p, len, deg) local a = math.rad(deg); return { p[1] + math.cos(a) * len, p[2] + math.sin(a) * len } end

-- The hero ----------------------------------------------------------------------------

-- Steel armour, a helmet with a red plume, a red cape and a sword.
local hero = {
  scale = 1.1, skin = "#f2c496", skinDark = "#8a5a30", body = "#c8d0da", bodyDark = "#4a5260",
  legs = "#8a929e", boots = "#3a2a1a", belt = palette.gold_dark, item = "sword", itemLength = 16,
  head = function(ops, T, h, dir, f)
    local c = T(h[1], h[2])
    add(ops, poly{ points = { c[1] - 8.5, c[2] + 1, c[1] - 8, c[2] - 6, c[1], c[2] - 10, c[1] + 8, c[2] - 6, c[1] + 8.5, c[2] + 1 },
                   fill = "#c8d0da", outline = "#3a424e", width = 1.2 })
    if dir == 3 then
      add(ops, line{ x1 = c[1], y1 = c[2] - 2, x2 = c[1], y2 = c[2] + 5, width = 2, color = "#8a929e" })
    elseif dir == 1 then
      add(ops, ellipse{ cx = c[1], cy = c[2] + 1, rx = 7.5, ry = 6, fill = "#aab2be", outline = "#3a424e", width = 1 })
    else
      add(ops, poly{ points = { c[1] - 8 * f, c[2] - 2, c[1] - 8.5 * f, c[2] + 6, c[1] - 3 * f, c[2] + 6, c[1] - 3 * f, c[2] - 2 },
                     fill = "#aab2be", outline = "#3a424e", width = 1 })
    end
    local crest = (dir == 0 or dir == 2) and -4 * f or 0
    add(ops, poly{ points = { c[1] - 2 + crest * 0.3, c[2] - 9, c[1] + 2 + crest * 0.3, c[2] - 9, c[1] + crest - 1, c[2] - 18, c[1] + crest * 1.8, c[2] - 15 },
                   fill = palette.red, outline = palette.red_dark, width = 1 })
  end,
  back = function(ops, T, sh, dir, f, pose)
    local flow = pose.cape or 0
    if dir == 0 or dir == 2 then
      add(ops, poly{ points = flat({ T(sh[1] - 2 * f, sh[2] - 1), T(sh[1] + 2 * f, sh[2] - 1), T(-6 * f - flow * f, -6), T(-13 * f - flow * 2 * f, -9) }),
                     fill = "#c0302a", outline = "#6a1410", width = 1.2 })
    else
      add(ops, poly{ points = flat({ T(-7, sh[2] - 1), T(7, sh[2] - 1), T(10 + flow, -5), T(-10 - flow, -5) }),
                     fill = dir == 1 and "#d0403a" or "#8a1c18", outline = "#6a1410", width = 1.2 })
    end
  end,
  chest = function(ops, T, sh)
    local c = T(0, sh[2] + 6)
    add(ops, star{ cx = c[1], cy = c[2], r = 3.5, inner = 1.5, points = 5, fill = palette.gold })
  end,
}

local heroActions = {}
heroActions.wait = { count = 4, fps = 4, pose = function(dir, i)
  -- Standing guard, the sword point down, a look to each side and a blink.
  local p = { dir = 3, bob = (i % 2) * 0.6, blink = i == 3, itemAngle = 80, arms = { { 2, 10 }, { 2, 10 } }, legs = { { -2, 0 }, { 2, 0 } } }
  if i == 1 then p.lean = -1 elseif i == 2 then p.lean = 1 end
  return p
end }
heroActions.walk = { count = 6, fps = 8, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 6, 5, { itemAngle = 70 })
  return p
end }
heroActions.run = { count = 6, fps = 14, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 9, 7, { bounce = 2.5, lean = 3, itemAngle = 20, cape = 3 + (i % 2) * 2 })
  if dir == 0 or dir == 2 then p.arms = { { p.arms[1][1] + 2, 7 }, { 6, 6 } } end
  return p
end }
-- The strike: the sword rises behind the head and comes down in an arc (once).
heroActions.strike = { count = 6, fps = 12, pose = function(dir, i)
  local p = walker_swing(dir, { -60, -120, -150, -40, 40, 10 }, i, { lean = (i == 3 or i == 4) and 3 or 0 })
  if i == 3 or i == 4 then
    p.fx = function(T, head, f)
      -- The swish: an arc of fading strokes before the shoulder, and a spark.
      local c = T(0, -26)
      local side = dir == 0 or dir == 2
      local ops = {}
      local prev
      for k = 0, 8 do
        local a = math.rad(side and (-70 + k * 16) or (10 + k * 20))
        local p = side and { c[1] + math.cos(a) * 19 * f, c[2] + math.sin(a) * 19 } or { c[1] + math.cos(a) * 17, c[2] + math.sin(a) * 9 + 4 }
        if prev then
          add(ops, line{ x1 = prev[1], y1 = prev[2], x2 = p[1], y2 = p[2], width = 3, color = string.format("#ffe070%02x", 90 + k * 18) })
        end
        prev = p
      end
      add(ops, star{ cx = prev[1], cy = prev[2], r = 6, inner = 2.2, points = 4, fill = palette.yellow })
      return ops
    end
  end
  return p
end }

-- The wife -----------------------------------------------------------------------------

-- A long rose dress, blond hair in a bun; a frying pan for her idle swing.
local wife = {
  scale = 1.0, skin = "#f6d0a8", skinDark = "#9a6a3a", body = "#d84a8a", bodyDark = "#7a1a4a",
  boots = "#5a2a1a", dress = true, item = false, itemLength = 9,
  head = function(ops, T, h, dir, f)
    local c = T(h[1], h[2])
    local blond, blondDark = "#f2d060", "#9a7a20"
    if dir == 0 or dir == 2 then
      add(ops, ellipse{ cx = c[1] - 3.5 * f, cy = c[2] - 2.5, rx = 4.5, ry = 5, fill = blond, outline = blondDark, width = 0.8 })
      add(ops, circle{ cx = c[1] - 7.5 * f, cy = c[2] - 5, r = 3.5, fill = blond, outline = blondDark, width = 0.8 })
    elseif dir == 1 then
      add(ops, circle{ cx = c[1], cy = c[2], r = 7, fill = blond, outline = blondDark, width = 0.8 })
      add(ops, circle{ cx = c[1], cy = c[2] - 7, r = 4, fill = blond, outline = blondDark, width = 0.8 })
    else
      add(ops, poly{ points = { c[1] - 7.5, c[2] + 1, c[1] - 6, c[2] - 6, c[1], c[2] - 8, c[1] + 6, c[2] - 6, c[1] + 7.5, c[2] + 1, c[1] + 4, c[2] - 4, c[1] - 4, c[2] - 4 },
                     fill = blond, outline = blondDark, width = 0.8 })
      add(ops, circle{ cx = c[1], cy = c[2] - 9, r = 3.5, fill = blond, outline = blondDark, width = 0.8 })
    end
  end,
  chest = function(ops, T, sh)
    local c = T(0, sh[2] + 4)
    add(ops, walker_heart(c[1], c[2], 2, "#ffe0f0"))
  end,
}

local function sparkles(dir, i, color)
  return function(T, head, f)
    local fw = walker_forward(dir)
    local ops = {}
    for k = 0, 4 do
      local a = math.rad(k * 72 + i * 30)
      local d = 6 + i * 3
      local c = { head[1] + fw[1] * (8 + i * 3) + math.cos(a) * d * 0.6, head[2] + 4 + fw[2] * (8 + i * 3) + math.sin(a) * d * 0.4 }
      add(ops, star{ cx = c[1], cy = c[2], r = 3 - (k % 2), inner = 1.1, points = 4, rotation = i * 20, fill = color })
    end
    return ops
  end
end

local wifeActions = {}
wifeActions.walk = { count = 6, fps = 8, pose = function(dir, i) return walker_step(dir, i, 6, 5, 5, {}) end }
wifeActions.run = { count = 6, fps = 12, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 8, 7, { bounce = 2, lean = 2 })
  if dir == 0 or dir == 2 then p.arms = { { p.arms[1][1] + 2, 7 }, { p.arms[2][1] + 2, 7 } } end
  return p
end }
-- Magic: both hands raised toward the target, golden sparks streaming out (once).
wifeActions.magic = { count = 6, fps = 8, pose = function(dir, i)
  local lift = ({ 4, -2, -8, -10, -8, -2 })[i + 1]
  local p = { dir = dir, legs = { { -2, 0 }, { 2, 0 } }, bob = (i == 3) and 1 or 0 }
  p.arms = (dir == 0 or dir == 2) and { { 8, lift }, { 10, lift - 2 } } or { { 5, lift }, { 5, lift } }
  if i >= 1 then p.fx = sparkles(dir, i, palette.yellow) end
  return p
end }
-- The one-view idle animations, each played once.
local wifeIdle = {}
wifeIdle.stand = { count = 4, fps = 4, pose = function(dir, i)
  return { dir = 3, blink = i == 2, bob = (i % 2) * 0.5, arms = { { -3, 9 }, { -3, 9 } } }
end }
wifeIdle.hair = { count = 6, fps = 6, pose = function(dir, i)
  local up = ({ 8, -4, -12, -12, -10, 6 })[i + 1]
  local p = { dir = 3, blink = i >= 2 and i <= 3, arms = { { 1, 11 }, { -4, up } } }
  if i >= 2 and i <= 4 then p.arms[1] = { -4, up + 2 } end
  if i == 4 then p.fx = function(T, head) return { star{ cx = head[1] + 9, cy = head[2] - 9, r = 3, inner = 1.2, points = 4, fill = palette.white } } end end
  return p
end }
wifeIdle.skovoroda = { count = 6, fps = 8, pose = function(dir, i)
  local p = walker_swing(0, { 60, -30, -110, -150, -60, 40 }, i, { item = "pan" })
  p.legs = { { -2, 0 }, { 3, 0 } }
  return p
end }

-- Towers ---------------------------------------------------------------------------------

local TW, TH, THX, THY = 128, 208, 64, 176
local stone, stoneDark, stoneLine = "#b8ae9a", "#5a5244", "#8a8070"

-- A round tower of height h on the cell: its wall, courses of stone, a door and
-- slits; done adds the battlements and the cannon.
local function round_tower(h, colors, done, level)
  local c = colors or {}
  local fill, dark, lines = c.fill or stone, c.dark or stoneDark, c.lines or stoneLine
  local x, y, rx, ry = THX, THY, 30, 11
  local ops = { ellipse{ cx = x, cy = y, rx = rx + 6, ry = ry + 3, fill = "#8a8478", outline = "#4a463e", width = 1.5 },
                rect{ x = x - rx, y = y - h, w = 2 * rx, h = h, fill = fill },
                ellipse{ cx = x, cy = y, rx = rx, ry = ry, fill = fill, outline = dark, width = 1.5 },
                rect{ x = x - rx + 1, y = y - h, w = 2 * rx - 2, h = h, fill = fill },
                line{ x1 = x - rx, y1 = y, x2 = x - rx, y2 = y - h, width = 1.5, color = dark },
                line{ x1 = x + rx, y1 = y, x2 = x + rx, y2 = y - h, width = 1.5, color = dark } }
  for k = 1, math.floor(h / 14) do
    add(ops, line{ x1 = x - rx, y1 = y - k * 14 + 3, x2 = x + rx, y2 = y - k * 14 + 3, width = 1, color = lines })
  end
  -- A shade on the right side for roundness.
  add(ops, rect{ x = x + rx * 0.45, y = y - h, w = rx * 0.55, h = h, fill = "#00000028" })
  if h >= 30 then
    add(ops, rect{ x = x - 7, y = y - 24, w = 14, h = 22, r = 6, fill = "#5a3418", outline = ink, width = 1.2 })
  end
  if done then
    for _, sy in ipairs({ h * 0.55, h * 0.85 }) do
      if sy < h - 10 and sy > 30 then add(ops, rect{ x = x - 2, y = y - sy - 8, w = 4, h = 10, fill = "#1c1e24" }) end
    end
    -- The top: a platform ring and battlements.
    add(ops, ellipse{ cx = x, cy = y - h, rx = rx + 4, ry = ry + 2, fill = c.top or "#d0c8b4", outline = dark, width = 1.5 })
    for k = 0, 4 do
      local bx = x - rx - 2 + k * (2 * rx + 4) / 4
      add(ops, rect{ x = bx - 4, y = y - h - 4, w = 8, h = 9, fill = fill, outline = dark, width = 1.2 })
    end
  else
    add(ops, ellipse{ cx = x, cy = y - h, rx = rx, ry = ry, fill = "#d0c8b4", outline = dark, width = 1.5 })
  end
  if level then
    local px, py = x, y - h * 0.5 - 4
    add(ops, circle{ cx = px, cy = py, r = 6, fill = palette.gold, outline = palette.gold_dark })
    add(ops, label{ x = px + 0.5, y = py + 0.5, text = tostring(level), align = "center", valign = "middle", color = ink })
  end
  return ops
end

-- A cannon on the platform at height h, its mouth to the lower right.
local function cannon_on(h, big, color)
  local x, y = THX, THY - h - 6
  local len = big and 30 or 24
  local mouth = polar({ x, y }, len, 20)
  return { line{ x1 = x - 4, y1 = y - 2, x2 = mouth[1], y2 = mouth[2], width = big and 11 or 9, color = ink },
           line{ x1 = x - 4, y1 = y - 2, x2 = mouth[1], y2 = mouth[2], width = big and 8 or 6, color = color or "#3a3e46" },
           circle{ cx = mouth[1], cy = mouth[2], r = big and 5.5 or 4.5, fill = "#1a1a1e", outline = ink },
           rect{ x = x - 10, y = y - 2, w = 16, h = 8, r = 2, fill = "#7a5030", outline = ink, width = 1.2 },
           circle{ cx = x - 6, cy = y + 6, r = 4, fill = "#5a3a1a", outline = ink, width = 1 } }
end

local function scaffold(h)
  local ops = {}
  for _, dx in ipairs({ -36, 36 }) do
    add(ops, line{ x1 = THX + dx, y1 = THY + 4, x2 = THX + dx, y2 = THY - h - 14, width = 2.5, color = "#a07a48" })
  end
  for k = 1, 2 do
    local y = THY - k * (h + 10) / 3
    add(ops, line{ x1 = THX - 38, y1 = y, x2 = THX + 38, y2 = y, width = 3, color = "#a07a48" })
  end
  return ops
end

local function flag_on(h, color, wave)
  local x, y = THX - 18, THY - h - 8
  return { line{ x1 = x, y1 = y, x2 = x, y2 = y - 34, width = 2, color = "#4a3020" },
           poly{ points = { x, y - 34, x + 18, y - 30 + wave, x + 16, y - 24 + wave, x, y - 22 }, fill = color, outline = ink, width = 1 } }
end

-- Level 0, frames 0-3: foundation, low wall, full wall in scaffold, finished.
local function tower_build(i)
  if i == 3 then return join(round_tower(72, nil, true, 1), cannon_on(72, false)) end
  local h = ({ 6, 30, 72 })[i + 1]
  local ops = round_tower(h, nil, false)
  if i >= 1 then ops = join(ops, scaffold(h)) end
  return ops
end
-- First upgrade: the tower grows a storey (its gun taken down meanwhile) and
-- gets a bigger gun.
local function tower_up1(i)
  if i == 3 then return join(round_tower(96, nil, true, 2), cannon_on(96, true), flag_on(96, palette.blue, 0)) end
  local h = ({ 78, 88, 96 })[i + 1]
  return join(round_tower(h, nil, false), scaffold(h))
end
-- Second upgrade: a brass-trimmed top and a second gun.
local brass = { fill = "#c8bea8", dark = "#5a4a2a", lines = "#a08a58", top = "#e0c070" }
local function tower_up2(i)
  if i == 3 then
    return join(round_tower(112, brass, true, 3), cannon_on(112, true, "#8a6a30"), moved(-22, 6, cannon_on(112, false, "#8a6a30")),
                flag_on(112, palette.gold, 0))
  end
  local h = ({ 100, 106, 112 })[i + 1]
  return join(round_tower(h, i >= 2 and brass or nil, false), scaffold(h))
end

-- The empty site: the one cell outlined, stakes at its corners (the site shows
-- frame 0; the others only shift the stakes' flags).
local function zone(i)
  local c = { grid_point(THX, THY, -0.5, -0.5), grid_point(THX, THY, 0.5, -0.5), grid_point(THX, THY, 0.5, 0.5), grid_point(THX, THY, -0.5, 0.5) }
  local ops = { poly{ points = flat(c), fill = "#7ad06a48", outline = "#ffffffd0", width = 2 } }
  for _, p in ipairs(c) do
    add(ops, line{ x1 = p[1], y1 = p[2], x2 = p[1], y2 = p[2] - 12, width = 3, color = "#a07a48" })
    add(ops, poly{ points = { p[1], p[2] - 12, p[1] + 6, p[2] - 10 + (i % 2), p[1], p[2] - 8 }, fill = palette.red })
  end
  return ops
end

local function tower_shadow()
  return { poly{ points = { THX - 30, THY, THX + 30, THY, THX + 62, THY - 48, THX + 30, THY - 62 }, fill = "#00000040" },
           ellipse{ cx = THX, cy = THY, rx = 32, ry = 12, fill = "#00000040" } }
end

-- The enemy tower: black stone, a red banner with a skull, a gun; its flag waves.
local dark = { fill = "#5a5660", dark = "#1a181e", lines = "#3a3840", top = "#6a6670" }
local function tower_enemy(i)
  local wave = ({ 0, 2, 0, -2 })[i + 1]
  local ops = join(round_tower(100, dark, true), cannon_on(100, true, "#2a2a2e"), flag_on(100, palette.red, wave))
  local bx, by = THX - 10, THY - 78
  add(ops, poly{ points = { bx, by, bx + 20, by, bx + 20, by + 30, bx + 10, by + 24, bx, by + 30 }, fill = palette.red, outline = palette.red_dark, width = 1.2 })
  add(ops, circle{ cx = bx + 10, cy = by + 10, r = 5, fill = "#f4f0e4" })
  add(ops, circle{ cx = bx + 8, cy = by + 10, r = 1.3, fill = ink })
  add(ops, circle{ cx = bx + 12, cy = by + 10, r = 1.3, fill = ink })
  add(ops, rect{ x = bx + 7.5, y = by + 14, w = 5, h = 3, fill = "#f4f0e4" })
  return ops
end

local function cannonball()
  return { circle{ cx = 24, cy = 24, r = 20, fill = "#2a2a30", outline = "#0a0a0c", width = 2 },
           ellipse{ cx = 17, cy = 16, rx = 7, ry = 5, fill = "#8a8a94" },
           circle{ cx = 15, cy = 14, r = 2.5, fill = "#e0e0e8" } }
end

-- The tank ---------------------------------------------------------------------------------

-- The hull (208 x 144 on the turret ring at (104, 64)): tracks, a sloped body and a
-- skull on its front plate.
local function tank_hull()
  local cx, cy = 104, 64
  local olive, oliveDark, track = "#6a6a3a", "#2e2e18", "#3a3a34"
  local ops = {
    ellipse{ cx = cx, cy = cy + 52, rx = 92, ry = 14, fill = "#00000040" },
    rect{ x = cx - 90, y = cy - 40, w = 180, h = 22, r = 10, fill = track, outline = ink, width = 2 },
    rect{ x = cx - 90, y = cy + 26, w = 180, h = 26, r = 12, fill = track, outline = ink, width = 2 },
  }
  for k = 0, 7 do
    add(ops, circle{ cx = cx - 72 + k * 20.5, cy = cy + 39, r = 8, fill = "#5a5a50", outline = ink, width = 1.5 })
    add(ops, circle{ cx = cx - 72 + k * 20.5, cy = cy + 39, r = 2.5, fill = "#8a8a80" })
  end
  add(ops, poly{ points = { cx - 82, cy - 26, cx + 82, cy - 26, cx + 90, cy + 26, cx - 90, cy + 26 }, fill = olive, outline = oliveDark, width = 2 })
  add(ops, poly{ points = { cx - 90, cy + 26, cx + 90, cy + 26, cx + 84, cy + 36, cx - 84, cy + 36 }, fill = "#4e4e2a", outline = oliveDark, width = 1.5 })
  for k = 0, 9 do add(ops, circle{ cx = cx - 76 + k * 17, cy = cy + 31, r = 1.5, fill = "#2e2e18" }) end
  -- The turret ring, where the barrel's turret sits.
  add(ops, ellipse{ cx = cx, cy = cy, rx = 34, ry = 20, fill = "#4e4e2a", outline = oliveDark, width = 2 })
  -- A skull on the front plate, left of the turret.
  local sx, sy = cx - 58, cy + 8
  add(ops, circle{ cx = sx, cy = sy, r = 8, fill = "#f4f0e4", outline = ink, width = 1 })
  add(ops, rect{ x = sx - 4, y = sy + 5, w = 8, h = 5, fill = "#f4f0e4", outline = ink, width = 1 })
  add(ops, circle{ cx = sx - 3, cy = sy, r = 2, fill = ink })
  add(ops, circle{ cx = sx + 3, cy = sy, r = 2, fill = ink })
  add(ops, rect{ x = cx + 50, y = cy - 16, w = 24, h = 10, r = 2, fill = "#8a6a3a", outline = ink, width = 1 })
  return ops
end

-- The barrel in the directions of the tank's table (y up in the level, so the
-- picture's y is the table's negated): frame i points along row i, its muzzle 106
-- out from the turret's middle, where the flash shows at 110.
local gunVectors = { { 92, -49 }, { 69, -70 }, { 42, -84 }, { 4, -89 }, { -38, -88 }, { -66, -74 }, { -89, -55 }, { -106, -33 }, { -99, -2 } }
local GW, GH, GX, GY = 232, 128, 116, 18
local function tank_gun(i)
  local v = gunVectors[i + 1]
  local l = math.sqrt(v[1] * v[1] + v[2] * v[2])
  local d = { v[1] / l, -v[2] / l }
  local n = { -d[2], d[1] }
  local function at(t, w) return { GX + d[1] * t + n[1] * w, GY + d[2] * t + n[2] * w } end
  local ops = { ellipse{ cx = GX, cy = GY, rx = 30, ry = 15, fill = "#5a5a30", outline = "#1e1e10", width = 2 },
                ellipse{ cx = GX - 3, cy = GY - 4, rx = 10, ry = 5, fill = "#7a7a48" } }
  add(ops, poly{ points = flat({ at(8, -6.5), at(96, -5.5), at(96, 5.5), at(8, 6.5) }), fill = "#4a4a28", outline = ink, width = 1.5 })
  add(ops, poly{ points = flat({ at(92, -8), at(106, -8), at(106, 8), at(92, 8) }), fill = "#3a3a20", outline = ink, width = 1.5 })
  add(ops, line{ x1 = at(10, -2)[1], y1 = at(10, -2)[2], x2 = at(92, -2)[1], y2 = at(92, -2)[2], width = 1.5, color = "#8a8a58" })
  -- The hatch on top of the turret, over the barrel's root.
  add(ops, circle{ cx = GX, cy = GY - 2, r = 7, fill = "#6a6a3a", outline = ink, width = 1.2 })
  return ops
end

-- Layout -------------------------------------------------------------------------------------

-- objects/heroes: the hero (48 x 64 on (24, 61)), one row per direction of run,
-- walk and strike, then his stand; the wife (44 x 64 on (22, 61)), one row per
-- direction of run, walk and magic, then her three idle animations.
local strips = {}
walker_strips(strips, "hero_", hero, heroActions, { "run", "walk", "strike" }, 0, 0, 48, 64, 24, 61,
              { strike = "played once; the blow lands as it ends" })
walker_single(strips, "hero_wait0", hero, heroActions.wait, 0, 256, 48, 64, 24, 61, "played once: standing")
walker_strips(strips, "wife_", wife, wifeActions, { "run", "walk", "magic" }, 0, 320, 44, 64, 22, 61,
              { magic = "played once: her spell ends with it" })
walker_single(strips, "wife_stand0", wife, wifeIdle.stand, 0, 576, 44, 64, 22, 61, "played once")
walker_single(strips, "wife_hair0", wife, wifeIdle.hair, 176, 576, 44, 64, 22, 61, "played once: tidying her hair")
walker_single(strips, "wife_skovoroda0", wife, wifeIdle.skovoroda, 440, 576, 44, 64, 22, 61, "played once: swinging her frying pan")
texture{ path = "objects/heroes", size = { 1024, 1024 }, strips = strips }

texture{
  path = "objects/towers", size = { 1024, 1024 },
  strips = {
    strip{ name = "tower00", x = 0, y = 0, w = TW, h = TH, count = 4, hx = THX, hy = THY, draw = tower_build,
           note = "building: foundation to finished tower" },
    strip{ name = "tower00_up1", x = 512, y = 0, w = TW, h = TH, count = 4, hx = THX, hy = THY, draw = tower_up1,
           note = "first upgrade: a storey and a bigger gun" },
    strip{ name = "tower00_up2", x = 0, y = TH, w = TW, h = TH, count = 4, hx = THX, hy = THY, draw = tower_up2,
           note = "second upgrade: brass top and a second gun" },
    strip{ name = "zone1x1", x = 512, y = TH, w = TW, h = TH, count = 4, hx = THX, hy = THY, draw = zone,
           note = "the empty one-cell site" },
    strip{ name = "tower_enemy00", x = 0, y = 2 * TH, w = TW, h = TH, count = 4, fps = 6, hx = THX, hy = THY, draw = tower_enemy },
    strip{ name = "tower00_sh", x = 512, y = 2 * TH, w = TW, h = TH, hx = THX, hy = THY, draw = tower_shadow },
    strip{ name = "cannon", x = 640, y = 2 * TH, w = 48, h = 48, draw = cannonball, note = "drawn at 0.3 scale in flight" },
    strip{ name = "tank", x = 704, y = 2 * TH, w = 208, h = 144, hx = 104, hy = 64, draw = tank_hull },
    strip{ name = "tank_gun", x = 0, y = 3 * TH, w = GW, h = GH, count = 9, columns = 4, hx = GX, hy = GY, draw = tank_gun,
           note = "one frame per barrel direction of the tank's table" },
  },
}
