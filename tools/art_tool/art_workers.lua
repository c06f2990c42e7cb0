-- data/texture/objects: the worker (its walking and working animations in four
-- directions: 0 right, 1 away, 2 left, 3 toward the viewer; its one-view rest,
-- work and cheer animations), the worker's effects (explosion, shield, ice
-- block), the thought cloud with its exclamation mark, and the prison with its
-- shadow, head icon and opening laser. A worker frame is 40 x 56 and stands on
-- its hot spot (20, 53), the middle between its feet.

local ink = palette.ink
local skin, skinDark = "#f2c496", "#8a5a30"
local tunic, tunicDark = "#3a78c8", "#1c3c6e"
local pants, boots = "#6a4a2a", "#2e1e10"
local hair, cap, capDark = "#5a3818", "#e0402a", "#7c1c18"
local wood, woodDark = "#a0703a", "#4a2c14"
local iron, ironDark = "#c8ced6", "#4a5058"

local FW, FH, HX, HY = 40, 56, 20, 53

-- Small helpers ----------------------------------------------------------------

local function add(ops, more)
  if more.op then ops[#ops + 1] = more else for _, op in ipairs(more) do ops[#ops + 1] = op end end
end
local function seg(a, b, width, color) return line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = width, color = color } end
local function polar(p, len, deg) local a = math.rad(deg); return { p[1] + math.cos(a) * len, p[2] + math.sin(a) * len } end

-- A limb: a thick dark stroke under a lighter one, so limbs read against the body.
local function limb(a, b, width, fill, dark)
  return { seg(a, b, width + 2, dark), seg(a, b, width, fill) }
end

-- The tool held in hand h along angle deg (screen degrees, 0 = +x, 90 = down):
-- a handle and a head across its end.
local function tool(kind, h, deg, f)
  local tip = polar(h, 13, deg)
  local back = polar(h, -3, deg)
  local ops = limb(back, tip, 2, wood, woodDark)
  local across = deg + 90 * f
  if kind == "hammer" then
    local a, b = polar(tip, 4, across), polar(tip, -4, across)
    add(ops, seg(a, b, 6, ironDark))
    add(ops, seg(a, b, 4, iron))
  elseif kind == "pick" then
    local a, b = polar(tip, 8, across), polar(tip, -8, across)
    local mid = polar(tip, 1, deg)
    add(ops, poly{ points = flat({ a, mid, b, polar(tip, -1.5, deg) }), fill = iron, outline = ironDark, width = 1.2 })
  elseif kind == "axe" then
    local a, b = polar(tip, 8, across), polar(polar(tip, 8, across), -7, deg)
    add(ops, poly{ points = flat({ polar(tip, 1, deg), a, b, polar(tip, -6, deg) }), fill = iron, outline = ironDark, width = 1.2 })
  end
  return ops
end

local function sack(cx, cy, r)
  return { ellipse{ cx = cx, cy = cy, rx = r, ry = r * 0.85, fill = "#c8a060", outline = "#5a3e18", width = 1.5 },
           line{ x1 = cx - r * 0.4, y1 = cy - r * 0.75, x2 = cx + r * 0.4, y2 = cy - r * 0.75, width = 2, color = "#5a3e18" },
           label{ x = cx, y = cy + 1, text = "$", align = "center", valign = "middle", color = "#8a6a30" } }
end

local function heart(cx, cy, s, fill)
  return { circle{ cx = cx - s * 0.5, cy = cy - s * 0.3, r = s * 0.55, fill = fill },
           circle{ cx = cx + s * 0.5, cy = cy - s * 0.3, r = s * 0.55, fill = fill },
           poly{ points = { cx - s * 1.02, cy - s * 0.1, cx + s * 1.02, cy - s * 0.1, cx, cy + s * 1.1 }, fill = fill } }
end

-- Three stars circling over the head of a dazed worker, phase from 0 to 1.
local function dazed_stars(cx, cy, phase)
  local ops = {}
  for k = 0, 2 do
    local a = (phase + k / 3) * 2 * math.pi
    ops[#ops + 1] = star{ cx = cx + math.cos(a) * 11, cy = cy + math.sin(a) * 3, r = 3.5, inner = 1.5, points = 5,
                          fill = palette.yellow, outline = "#8a6a00", width = 0.8 }
  end
  return ops
end

-- The figure ----------------------------------------------------------------------

-- Draws the worker from a pose:
--   dir: 0 right, 1 away, 2 left, 3 toward the viewer.
--   bob: pixels the body is raised; lean: pixels the shoulders move forward.
--   legs: two feet { forward offset, lift } (side views) or { sideways, lift }.
--   arms: two hands relative to the shoulder, { forward, down } in side views,
--         { outward, down } in front and back views; the second is the working arm.
--   tool, toolAngle: a tool in the second hand (angle in the figure's own
--         forward-positive degrees); sack, ropes, stars, mouth, blink, sweat.
local function figure(p)
  local dir = p.dir
  local side = dir == 0 or dir == 2
  local f = dir == 2 and -1 or 1
  local bob, lean = p.bob or 0, p.lean or 0
  local hip = { HX, 38 - bob }
  local shoulder = { HX + lean * f, 26 - bob }
  local head = { HX + lean * f * 1.2, 17 - bob }
  local legs = p.legs or { { 0, 0 }, { 0, 0 } }
  local arms = p.arms or { { 1, 11 }, { 1, 11 } }
  local ops = {}

  local function X(dx) return HX + dx * f end
  local function toolDeg(deg) return f == 1 and deg or 180 - deg end

  if side then
    local back = { hip[1] - 1 * f, hip[2] }
    local handB = { shoulder[1] + arms[1][1] * f, shoulder[2] + arms[1][2] }
    local handF = { shoulder[1] + arms[2][1] * f, shoulder[2] + arms[2][2] }
    -- Behind the body: a sack on the back, the far arm and the far leg.
    if p.sack then add(ops, sack(shoulder[1] - 7 * f, shoulder[2] + 1, 8)) end
    add(ops, limb(shoulder, handB, 3, skin, skinDark))
    local footB = { X(legs[1][1]), HY - legs[1][2] }
    add(ops, limb(back, footB, 4, "#5a3c20", boots))
    add(ops, ellipse{ cx = footB[1] + 2 * f, cy = footB[2], rx = 3.5, ry = 1.8, fill = boots })
    -- The body: a tunic leaning with the shoulders, a belt.
    add(ops, poly{ points = { shoulder[1] - 5, shoulder[2] - 1, shoulder[1] + 5, shoulder[2] - 1,
                              hip[1] + 6, hip[2] + 3, hip[1] - 6, hip[2] + 3 }, fill = tunic, outline = tunicDark, width = 1.5 })
    add(ops, seg({ hip[1] - 6, hip[2] }, { hip[1] + 6, hip[2] }, 2, "#5a3a1a"))
    local footF = { X(legs[2][1]), HY - legs[2][2] }
    add(ops, limb({ hip[1] + 1 * f, hip[2] }, footF, 4, pants, boots))
    add(ops, ellipse{ cx = footF[1] + 2 * f, cy = footF[2], rx = 3.5, ry = 1.8, fill = boots })
    -- The head in profile: the face on the facing side, hair on the back, a cap
    -- whose brim points where the worker looks.
    add(ops, circle{ cx = head[1], cy = head[2], r = 7, fill = skin, outline = skinDark, width = 1.2 })
    add(ops, ellipse{ cx = head[1] - 3 * f, cy = head[2] + 1, rx = 4, ry = 5.5, fill = hair })
    add(ops, ellipse{ cx = head[1] + 7 * f, cy = head[2] + 1, rx = 1.8, ry = 1.5, fill = skin, outline = skinDark, width = 0.8 })
    add(ops, poly{ points = { head[1] - 7, head[2] - 2, head[1] - 6, head[2] - 7, head[1], head[2] - 9,
                              head[1] + 6, head[2] - 7, head[1] + 7, head[2] - 2 }, fill = cap, outline = capDark, width = 1.2 })
    add(ops, poly{ points = { head[1] + 4 * f, head[2] - 3, head[1] + 11 * f, head[2] - 2, head[1] + 4 * f, head[2] - 1 },
                   fill = capDark })
    if p.blink then
      add(ops, seg({ head[1] + 2.5 * f, head[2] }, { head[1] + 5 * f, head[2] }, 1.2, ink))
    elseif p.xeyes then
      add(ops, seg({ head[1] + 2.5 * f, head[2] - 1.5 }, { head[1] + 5 * f, head[2] + 1.5 }, 1, ink))
      add(ops, seg({ head[1] + 2.5 * f, head[2] + 1.5 }, { head[1] + 5 * f, head[2] - 1.5 }, 1, ink))
    else
      add(ops, circle{ cx = head[1] + 3.5 * f, cy = head[2], r = 1.3, fill = ink })
    end
    if p.mouth == "open" then
      add(ops, ellipse{ cx = head[1] + 4.5 * f, cy = head[2] + 4, rx = 1.5, ry = 2, fill = "#6a1010" })
    end
    if p.ropes then
      add(ops, seg({ shoulder[1] - 6, shoulder[2] + 5 }, { shoulder[1] + 6, shoulder[2] + 7 }, 2, "#c8a060"))
      add(ops, seg({ shoulder[1] - 6, shoulder[2] + 10 }, { shoulder[1] + 6, shoulder[2] + 12 }, 2, "#c8a060"))
    end
    -- The near arm, holding the tool, in front of everything.
    if p.tool then add(ops, tool(p.tool, handF, toolDeg(p.toolAngle or 0), f)) end
    add(ops, limb(shoulder, handF, 3, skin, skinDark))
    add(ops, circle{ cx = handF[1], cy = handF[2], r = 2, fill = skin, outline = skinDark, width = 0.8 })
    if p.ropes then
      add(ops, seg({ handF[1], handF[2] }, { handF[1] + 12 * f, handF[2] - 3 }, 1.5, "#c8a060"))
    end
  else
    local front = dir == 3
    local sL, sR = { shoulder[1] - 6, shoulder[2] }, { shoulder[1] + 6, shoulder[2] }
    local handL = { sL[1] - arms[1][1], sL[2] + arms[1][2] }
    local handR = { sR[1] + arms[2][1], sR[2] + arms[2][2] }
    -- Facing away, the sack and the tool's far side are in front of the body.
    if p.sack and front then add(ops, sack(shoulder[1] + 9, shoulder[2] - 2, 7)) end
    if p.tool and front then add(ops, tool(p.tool, handR, p.toolAngle or 0, 1)) end
    local footL = { hip[1] - 4 + legs[1][1], HY - legs[1][2] }
    local footR = { hip[1] + 4 + legs[2][1], HY - legs[2][2] }
    add(ops, limb({ hip[1] - 3, hip[2] }, footL, 4, pants, boots))
    add(ops, limb({ hip[1] + 3, hip[2] }, footR, 4, pants, boots))
    add(ops, ellipse{ cx = footL[1], cy = footL[2], rx = 3, ry = 2, fill = boots })
    add(ops, ellipse{ cx = footR[1], cy = footR[2], rx = 3, ry = 2, fill = boots })
    add(ops, poly{ points = { sL[1], sL[2] - 1, sR[1], sR[2] - 1, hip[1] + 7, hip[2] + 3, hip[1] - 7, hip[2] + 3 },
                   fill = front and tunic or tunicDark, outline = tunicDark, width = 1.5 })
    add(ops, seg({ hip[1] - 7, hip[2] }, { hip[1] + 7, hip[2] }, 2, "#5a3a1a"))
    if front then
      add(ops, circle{ cx = hip[1], cy = hip[2], r = 1.6, fill = palette.gold })
    else
      add(ops, seg({ shoulder[1], shoulder[2] + 1 }, { hip[1], hip[2] - 1 }, 1, "#2a5290"))
    end
    if p.ropes then
      add(ops, seg({ sL[1] - 2, sL[2] + 5 }, { sR[1] + 2, sR[2] + 7 }, 2, "#c8a060"))
      add(ops, seg({ sL[1] - 2, sL[2] + 10 }, { sR[1] + 2, sR[2] + 12 }, 2, "#c8a060"))
    end
    add(ops, limb(sL, handL, 3, skin, skinDark))
    add(ops, limb(sR, handR, 3, skin, skinDark))
    add(ops, circle{ cx = handL[1], cy = handL[2], r = 2, fill = skin, outline = skinDark, width = 0.8 })
    add(ops, circle{ cx = handR[1], cy = handR[2], r = 2, fill = skin, outline = skinDark, width = 0.8 })
    -- The head: a face with two eyes toward the viewer, only hair from behind.
    add(ops, circle{ cx = head[1], cy = head[2], r = 7, fill = skin, outline = skinDark, width = 1.2 })
    if front then
      add(ops, seg({ head[1] - 6, head[2] - 3 }, { head[1] + 6, head[2] - 3 }, 2, hair))
      if p.blink then
        add(ops, seg({ head[1] - 3.8, head[2] }, { head[1] - 1.2, head[2] }, 1.2, ink))
        add(ops, seg({ head[1] + 1.2, head[2] }, { head[1] + 3.8, head[2] }, 1.2, ink))
      elseif p.xeyes then
        for _, ex in ipairs({ -2.5, 2.5 }) do
          add(ops, seg({ head[1] + ex - 1.4, head[2] - 1.4 }, { head[1] + ex + 1.4, head[2] + 1.4 }, 1, ink))
          add(ops, seg({ head[1] + ex - 1.4, head[2] + 1.4 }, { head[1] + ex + 1.4, head[2] - 1.4 }, 1, ink))
        end
      else
        local look = p.look or 0
        add(ops, circle{ cx = head[1] - 2.5 + look, cy = head[2], r = 1.3, fill = ink })
        add(ops, circle{ cx = head[1] + 2.5 + look, cy = head[2], r = 1.3, fill = ink })
      end
      if p.mouth == "open" then
        add(ops, ellipse{ cx = head[1], cy = head[2] + 4, rx = 1.8, ry = 2.2, fill = "#6a1010" })
      elseif p.mouth ~= "none" then
        add(ops, seg({ head[1] - 2, head[2] + 3.5 }, { head[1] + 2, head[2] + 3.5 }, 1.2, "#8a3020"))
      end
    else
      add(ops, circle{ cx = head[1], cy = head[2] + 0.5, r = 6.2, fill = hair })
    end
    add(ops, poly{ points = { head[1] - 7, head[2] - 2, head[1] - 6, head[2] - 7, head[1], head[2] - 9,
                              head[1] + 6, head[2] - 7, head[1] + 7, head[2] - 2 }, fill = cap, outline = capDark, width = 1.2 })
    if front then
      add(ops, ellipse{ cx = head[1], cy = head[2] - 2, rx = 7.5, ry = 1.8, fill = capDark })
    end
    if p.sack and not front then add(ops, sack(shoulder[1], shoulder[2] + 4, 9)) end
    if p.tool and not front then add(ops, tool(p.tool, handR, p.toolAngle or 0, 1)) end
  end
  if p.stars then add(ops, dazed_stars(head[1], head[2] - 10, p.stars)) end
  if p.sweat then
    add(ops, ellipse{ cx = head[1] + 9, cy = head[2] - 4 + p.sweat, rx = 1.3, ry = 2, fill = "#8fd0ff", outline = "#2a6aa0", width = 0.6 })
    add(ops, ellipse{ cx = head[1] - 9, cy = head[2] - 1 + p.sweat, rx = 1.3, ry = 2, fill = "#8fd0ff", outline = "#2a6aa0", width = 0.6 })
  end
  if p.heart then add(ops, heart(head[1] + 10 * f, head[2] - 9, 2.6, "#ff5a8a")) end
  return ops
end

-- Poses ----------------------------------------------------------------------------

-- A stride of n frames: feet swing by stride, arms against them.
local function step_pose(dir, i, n, stride, armSwing, extra)
  local t = i / n * 2 * math.pi
  local s = math.sin(t)
  local p = { dir = dir, bob = math.abs(math.cos(t)) * (extra.bounce or 1) }
  if dir == 0 or dir == 2 then
    p.legs = { { -s * stride, math.max(0, -math.cos(t)) * 2 }, { s * stride, math.max(0, math.cos(t)) * 2 } }
    p.arms = { { s * armSwing, 10 }, { -s * armSwing, 10 } }
  else
    p.legs = { { -math.max(0, s), math.max(0, s) * (stride * 0.6) }, { math.max(0, -s), math.max(0, -s) * (stride * 0.6) } }
    p.arms = { { 1 + math.abs(s) * armSwing * 0.2, 10 - s * armSwing * 0.6 }, { 1 + math.abs(s) * armSwing * 0.2, 10 + s * armSwing * 0.6 } }
  end
  for k, v in pairs(extra) do p[k] = v end
  return p
end

local actions = {}

actions.stand = { count = 2, fps = 2, pose = function(dir, i) return { dir = dir, bob = i * 0.6, blink = i == 1 } end }
actions.walk = { count = 6, fps = 10, pose = function(dir, i) return step_pose(dir, i, 6, 6, 5, {}) end }
actions.run = { count = 6, fps = 14, pose = function(dir, i)
  local p = step_pose(dir, i, 6, 9, 7, { bounce = 2.5, lean = 3 })
  if dir == 0 or dir == 2 then
    p.arms = { { p.arms[1][1] + 2, 7 }, { p.arms[2][1] + 2, 7 } }
  else
    p.arms = { { 4, p.arms[1][2] - 3 }, { 4, p.arms[2][2] - 3 } }
  end
  return p
end }
actions.bag = { count = 6, fps = 10, pose = function(dir, i)
  local p = step_pose(dir, i, 6, 5, 0, { sack = true, lean = 1 })
  if dir == 0 or dir == 2 then p.arms = { { -4, -1 }, { 4, 9 } } else p.arms = { { 1, 10 }, { -1, -2 } } end
  return p
end }
actions.tied = { count = 6, fps = 8, pose = function(dir, i)
  local p = step_pose(dir, i, 6, 4, 0, { ropes = true, heart = (i % 3) ~= 2 })
  p.arms = (dir == 0 or dir == 2) and { { 0, 11 }, { 1, 11 } } or { { -1, 11 }, { -1, 11 } }
  return p
end }
actions.scared = { count = 4, fps = 12, pose = function(dir, i)
  local p = step_pose(dir, i, 4, 7, 0, { mouth = "open", sweat = i % 2 * 2, bounce = 2 })
  local wave = (i % 2 == 0) and 2 or -2
  p.arms = (dir == 0 or dir == 2) and { { -7 + wave, -12 }, { 11, -9 - wave } } or { { 5 + wave, -13 }, { 5 - wave, -13 } }
  return p
end }
actions.kontuz = { count = 6, fps = 8, pose = function(dir, i)
  local sway = math.sin(i / 6 * 2 * math.pi) * 2
  return { dir = dir, lean = sway, xeyes = true, stars = i / 6, arms = { { 4 - sway, 10 }, { 4 + sway, 10 } },
           legs = { { -2, 0 }, { 2, 0 } }, mouth = "open" }
end }

-- Work: the tool swings from raised to the blow and back; angles in the figure's
-- own degrees (0 forward, -90 up).
local function swing(kind, angles)
  return function(dir, i)
    local a = angles[i + 1]
    local hit = i == 2
    local hand = polar({ 0, 0 }, 11, a)
    local p = { dir = dir, tool = kind, toolAngle = a, lean = hit and 2 or 0, legs = { { -3, 0 }, { 3, 0 } } }
    if dir == 0 or dir == 2 then
      p.arms = { { hand[1] * 0.7, hand[2] * 0.7 + 3 }, { hand[1], hand[2] } }
    else
      p.arms = { { 1, 10 }, { hand[1] * 0.5 + 2, hand[2] } }
      p.toolAngle = math.deg(math.atan2(hand[2], hand[1] * 0.5 + 2))
    end
    return p
  end
end
actions.build = { count = 4, fps = 5, pose = swing("hammer", { -120, -60, 25, -40 }) }
actions.pick = { count = 4, fps = 5, pose = swing("pick", { -130, -50, 40, -60 }) }
actions.hack = { count = 4, fps = 5, pose = swing("axe", { -110, -50, 5, -50 }) }

-- The spark of the blow, added to the hit frame of each work animation.
local function blow(kind, dir, ops)
  local f = dir == 2 and -1 or 1
  local x = (dir == 0 or dir == 2) and HX + 20 * f or HX + 16
  local y = (dir == 0 or dir == 2) and 36 or 34
  if kind == "hammer" then
    add(ops, star{ cx = x - 2 * f, cy = y, r = 5, inner = 2, points = 4, fill = palette.yellow, outline = palette.orange, width = 0.8 })
  elseif kind == "pick" then
    for k = 0, 2 do add(ops, rect{ x = x - 4 + k * 3 * f, y = y - 4 - k * 2, w = 2.5, h = 2.5, fill = "#9aa0a8", outline = "#4a5058", width = 0.6 }) end
  else
    for k = 0, 2 do add(ops, poly{ points = { x + k * f, y - 6 + k * 3, x + (k + 4) * f, y - 7 + k * 3, x + (k + 2) * f, y - 4 + k * 3 },
                                   fill = "#e0b070", outline = woodDark, width = 0.6 }) end
  end
end

local directed = {
  { "stand", nil }, { "walk", nil }, { "run", nil }, { "bag", nil }, { "hack", "axe" },
  { "build", "hammer" }, { "pick", "pick" }, { "tied", nil }, { "kontuz", nil }, { "scared", nil },
}

-- One-view animations (drawn facing the viewer) -------------------------------------

-- A worker sitting on the ground facing the viewer; hands relative to the shoulders.
local function seated(p)
  local ops = {}
  local head = { HX + (p.tilt or 0), 29 }
  local sL, sR = { HX - 6, 37 }, { HX + 6, 37 }
  -- Knees drawn up toward the viewer, boots in front.
  add(ops, limb({ HX - 4, 48 }, { HX - 7, 44 }, 5, pants, boots))
  add(ops, limb({ HX + 4, 48 }, { HX + 7, 44 }, 5, pants, boots))
  add(ops, poly{ points = { sL[1], sL[2] - 1, sR[1], sR[2] - 1, HX + 8, 50, HX - 8, 50 }, fill = tunic, outline = tunicDark, width = 1.5 })
  add(ops, limb({ HX - 7, 44 }, { HX - 8, 51 }, 4, pants, boots))
  add(ops, limb({ HX + 7, 44 }, { HX + 8, 51 }, 4, pants, boots))
  add(ops, ellipse{ cx = HX - 8, cy = 52, rx = 3.5, ry = 2, fill = boots })
  add(ops, ellipse{ cx = HX + 8, cy = 52, rx = 3.5, ry = 2, fill = boots })
  local handL = { sL[1] + (p.left or { -2, 8 })[1], sL[2] + (p.left or { -2, 8 })[2] }
  local handR = { sR[1] + (p.right or { 2, 8 })[1], sR[2] + (p.right or { 2, 8 })[2] }
  add(ops, circle{ cx = head[1], cy = head[2], r = 7, fill = skin, outline = skinDark, width = 1.2 })
  add(ops, seg({ head[1] - 6, head[2] - 3 }, { head[1] + 6, head[2] - 3 }, 2, hair))
  if p.blink then
    add(ops, seg({ head[1] - 3.8, head[2] }, { head[1] - 1.2, head[2] }, 1.2, ink))
    add(ops, seg({ head[1] + 1.2, head[2] }, { head[1] + 3.8, head[2] }, 1.2, ink))
  else
    local look = p.look or 0
    add(ops, circle{ cx = head[1] - 2.5 + look, cy = head[2] - (p.up or 0), r = 1.3, fill = ink })
    add(ops, circle{ cx = head[1] + 2.5 + look, cy = head[2] - (p.up or 0), r = 1.3, fill = ink })
  end
  if p.mouth == "open" then
    add(ops, ellipse{ cx = head[1], cy = head[2] + 4, rx = 2, ry = 2, fill = "#6a1010" })
  else
    add(ops, seg({ head[1] - 2, head[2] + 3.5 }, { head[1] + 2, head[2] + 3.5 }, 1.2, "#8a3020"))
  end
  add(ops, poly{ points = { head[1] - 7, head[2] - 2, head[1] - 6, head[2] - 7, head[1], head[2] - 9,
                            head[1] + 6, head[2] - 7, head[1] + 7, head[2] - 2 }, fill = cap, outline = capDark, width = 1.2 })
  add(ops, ellipse{ cx = head[1], cy = head[2] - 2, rx = 7.5, ry = 1.8, fill = capDark })
  if p.behindHand then add(ops, p.behindHand(handR)) end
  add(ops, limb(sL, handL, 3, skin, skinDark))
  add(ops, limb(sR, handR, 3, skin, skinDark))
  add(ops, circle{ cx = handL[1], cy = handL[2], r = 2, fill = skin, outline = skinDark, width = 0.8 })
  add(ops, circle{ cx = handR[1], cy = handR[2], r = 2, fill = skin, outline = skinDark, width = 0.8 })
  if p.inHand then add(ops, p.inHand(handR)) end
  return ops
end

local function apple(bitten)
  return function(h)
    local ops = { circle{ cx = h[1], cy = h[2] - 3, r = 3.5, fill = palette.red, outline = palette.red_dark, width = 1 },
                  seg({ h[1], h[2] - 6 }, { h[1] + 1, h[2] - 8.5 }, 1, woodDark) }
    if bitten then add(ops, circle{ cx = h[1] + 3, cy = h[2] - 3, r = 1.8, fill = "#f8f0d0" }) end
    return ops
  end
end
local function mug(tilt)
  return function(h)
    local x, y = h[1] - 2, h[2] - 6
    local ops = { rect{ x = x, y = y, w = 6, h = 7, fill = "#c08040", outline = woodDark, width = 1 },
                  ellipse{ cx = x + 3, cy = y, rx = 3, ry = 1.2, fill = "#f8f0e0" } }
    if tilt then ops[#ops + 1] = ellipse{ cx = x - 1, cy = y - 1, rx = 1.5, ry = 1, fill = "#8fd0ff" } end
    return ops
  end
end

local single = {
  -- Gathering from the ground: a hand reaches down and drops the crop into a basket.
  { name = "worker_collect0", count = 4, fps = 8, draw = function(i)
    local reach = ({ { 4, 20 }, { 6, 12 }, { -2, 8 }, { 2, 16 } })[i + 1]
    local ops = figure{ dir = 3, bob = -4, lean = 0, legs = { { -3, 0 }, { 3, 0 } }, arms = { { -4, 12 }, reach } }
    add(ops, poly{ points = { 4, 44, 14, 44, 12, 53, 6, 53 }, fill = "#c89040", outline = woodDark, width = 1.2 })
    if i == 1 then add(ops, circle{ cx = HX + 12, cy = 38, r = 2.5, fill = palette.gold, outline = palette.gold_dark, width = 0.8 }) end
    add(ops, circle{ cx = 9, cy = 44, r = 2.2, fill = palette.gold, outline = palette.gold_dark, width = 0.8 })
    return ops
  end },
  -- Hauling the well's rope hand over hand.
  { name = "worker_water0", count = 4, fps = 4, draw = function(i)
    local up = (i % 2 == 0) and { { 1, -10 }, { 1, -2 } } or { { 1, -2 }, { 1, -10 } }
    local ops = { seg({ HX, 0 }, { HX, 30 }, 1.5, "#d8c8a0") }
    add(ops, figure{ dir = 1, arms = { { -5, up[1][2] }, { -5, up[2][2] } }, legs = { { -2, 0 }, { 2, 0 } } })
    add(ops, ellipse{ cx = HX + 12, cy = 8 + (i % 2) * 2, rx = 1.3, ry = 2, fill = "#8fd0ff", outline = "#2a6aa0", width = 0.6 })
    return ops
  end },
  { name = "worker_sit0", count = 4, fps = 2, draw = function(i)
    return seated{ blink = i == 2, tilt = i == 3 and 1 or 0 }
  end },
  -- Sitting up and looking round, a question mark over the head.
  { name = "worker_alert0", count = 4, fps = 3, draw = function(i)
    local look = ({ 0, -1.5, 1.5, 0 })[i + 1]
    local ops = seated{ look = look, tilt = look, up = 0.5, mouth = i == 3 and "open" or nil }
    if i >= 1 then add(ops, label{ x = HX + 11, y = 6, text = "?", align = "center", color = palette.yellow, outline = ink }) end
    return ops
  end },
  -- An apple from the knee to the mouth and back, bitten.
  { name = "worker_eat0", count = 4, fps = 3, draw = function(i)
    local hand = ({ { 2, 8 }, { -2, 0 }, { -6, -6 }, { 2, 6 } })[i + 1]
    return seated{ right = hand, inHand = apple(i >= 2), mouth = i == 2 and "open" or nil }
  end },
  -- A mug raised and tipped.
  { name = "worker_drink0", count = 4, fps = 3, draw = function(i)
    local hand = ({ { 2, 8 }, { -2, 0 }, { -6, -4 }, { 2, 6 } })[i + 1]
    return seated{ right = hand, inHand = mug(i == 2), blink = i == 2 }
  end },
  -- A cheering jump: crouch, spring up with both arms raised, land.
  { name = "worker_jump0", count = 6, fps = 8, draw = function(i)
    local bob = ({ -3, 4, 9, 7, 2, -2 })[i + 1]
    local armsUp = i >= 1 and i <= 4
    local ops = figure{ dir = 3, bob = bob, mouth = armsUp and "open" or nil,
                        arms = armsUp and { { 5, -13 }, { 5, -13 } } or { { 3, 8 }, { 3, 8 } },
                        legs = i == 2 and { { -2, 0 }, { 2, 0 } } or { { -1, 0 }, { 1, 0 } } }
    if armsUp then
      add(ops, star{ cx = 5, cy = 8, r = 3, inner = 1.2, points = 4, fill = palette.yellow })
      add(ops, star{ cx = 35, cy = 6, r = 3, inner = 1.2, points = 4, fill = palette.yellow })
    end
    return ops
  end },
}

-- Effects ----------------------------------------------------------------------------

-- The explosion (96 x 96 on (48, 84), the worker's feet): a flash, a fireball
-- that swells and darkens into smoke, and flying bits; played once.
local function explosion(i)
  local t = i / 7
  local ops = {}
  if i == 0 then
    add(ops, glow{ cx = 48, cy = 62, r = 30, color = "#fff8c0f0", power = 1.2 })
    add(ops, star{ cx = 48, cy = 62, r = 22, inner = 8, points = 8, fill = palette.white })
    return ops
  end
  local r = 14 + t * 26
  local smoke = math.min(1, t * 1.4)
  local fire = math.max(0, 1 - t * 1.2)
  local puffs = { { 0, 0 }, { -0.6, 0.2 }, { 0.6, 0.25 }, { -0.3, -0.5 }, { 0.35, -0.45 } }
  for _, q in ipairs(puffs) do
    local cx, cy = 48 + q[1] * r, 60 - t * 12 + q[2] * r
    add(ops, circle{ cx = cx, cy = cy, r = r * 0.55, fill = string.format("#505058%02x", math.floor(200 * smoke * (1 - t * 0.6))) })
  end
  if fire > 0 then
    add(ops, glow{ cx = 48, cy = 60 - t * 10, r = r, color = string.format("#ff8a20%02x", math.floor(230 * fire)), power = 1.0 })
    add(ops, star{ cx = 48, cy = 60 - t * 10, r = r * 0.8, inner = r * 0.45, points = 9, rotation = i * 17,
                   fill = string.format("#ffd040%02x", math.floor(255 * fire)) })
  end
  for k = 0, 5 do
    local a = math.rad(k * 60 + 20)
    local d = 10 + t * 34
    add(ops, rect{ x = 48 + math.cos(a) * d - 1.5, y = 58 + math.sin(a) * d * 0.7 - 1.5, w = 3, h = 3,
                   fill = k % 2 == 0 and tunic or pants })
  end
  return ops
end

-- The shield (128 x 128 on its middle): a glassy disc with a rim of runes, so
-- its turning shows; the game scales it and turns it both ways.
local function shield()
  local ops = { circle{ cx = 64, cy = 64, r = 60, fill = "#7ab8ff30" },
                ring{ cx = 64, cy = 64, r = 58, width = 4, color = "#a0d0ffc0" },
                ring{ cx = 64, cy = 64, r = 44, width = 2, color = "#d0e8ff90" } }
  for k = 0, 7 do
    local a = math.rad(k * 45)
    local c = { 64 + math.cos(a) * 51, 64 + math.sin(a) * 51 }
    add(ops, star{ cx = c[1], cy = c[2], r = k % 2 == 0 and 5 or 3.5, inner = 1.6, points = 4, rotation = k * 45, fill = "#f0f8ffd0" })
  end
  add(ops, ellipse{ cx = 44, cy = 38, rx = 14, ry = 6, fill = "#ffffff40" })
  return ops
end

-- The ice block (56 x 72 on (28, 66)) that a frozen worker stands in.
local function ice()
  return {
    poly{ points = { 6, 10, 44, 4, 52, 14, 52, 62, 28, 70, 4, 62 }, fill = "#b8e8ff88", outline = "#4a90c0", width = 2 },
    poly{ points = { 6, 10, 44, 4, 52, 14, 14, 18 }, fill = "#e8f8ffa0", outline = "#4a90c0", width = 1.5 },
    line{ x1 = 14, y1 = 18, x2 = 14, y2 = 66, width = 1.2, color = "#4a90c080" },
    line{ x1 = 10, y1 = 24, x2 = 10, y2 = 40, width = 2.5, color = "#ffffffb0" },
    line{ x1 = 44, y1 = 30, x2 = 40, y2 = 36, width = 1.2, color = "#ffffffa0" },
    line{ x1 = 40, y1 = 36, x2 = 46, y2 = 42, width = 1.2, color = "#ffffffa0" },
  }
end

-- The thought cloud (96 x 80, the mark's place at (48, 39) when not mirrored by
-- the game): puffs round the middle and little bubbles trailing down to the
-- lower right, toward the worker. Only the first frame is drawn.
local function cloud(i)
  local ops = {}
  local puffs = { { 48, 34, 26, 20 }, { 26, 36, 14, 13 }, { 70, 36, 14, 13 }, { 36, 20, 14, 12 }, { 60, 20, 14, 12 }, { 48, 48, 18, 10 } }
  for _, c in ipairs(puffs) do add(ops, ellipse{ cx = c[1], cy = c[2], rx = c[3] + 2 + i * 0.5, ry = c[4] + 2, fill = "#6a7890" }) end
  for _, c in ipairs(puffs) do add(ops, ellipse{ cx = c[1], cy = c[2], rx = c[3] + i * 0.5, ry = c[4], fill = "#f8fbff" }) end
  add(ops, circle{ cx = 76, cy = 62, r = 5, fill = "#f8fbff", outline = "#6a7890", width = 2 })
  add(ops, circle{ cx = 85, cy = 72, r = 3, fill = "#f8fbff", outline = "#6a7890", width = 1.5 })
  return ops
end

-- The exclamation mark (16 x 32 on its middle), bobbing, looped.
local function exclamation(i)
  local dy = ({ 0, -1.5, -2, -1.5 })[i + 1]
  return { poly{ points = { 4, 3 + dy, 12, 3 + dy, 10, 20 + dy, 6, 20 + dy }, fill = palette.red, outline = palette.red_dark, width = 1.5 },
           circle{ cx = 8, cy = 26 + dy, r = 3.2, fill = palette.red, outline = palette.red_dark, width = 1.5 } }
end

-- The prison ---------------------------------------------------------------------------

-- A stone lock-up on 2 x 2 grid cells (192 x 176 frame on the middle of its
-- footprint, (96, 124)): barred windows, an iron door and a flat roof.
local PX, PY = 96, 124
local function corners(k) return { grid_point(PX, PY, -k, -k), grid_point(PX, PY, k, -k), grid_point(PX, PY, k, k), grid_point(PX, PY, -k, k) } end
local prisonWalls, prisonRoof, prisonHeight = corners(0.85), corners(0.95), 58

local function prison()
  local A, B, C, D = prisonWalls[1], prisonWalls[2], prisonWalls[3], prisonWalls[4]
  local h = prisonHeight
  local stone, stoneSide, stoneDark = "#9aa0a8", "#7a808a", "#3a3e46"
  local ops = {
    poly{ points = flat(corners(1.0)), fill = "#8a8478", outline = "#4a463e", width = 1.5 },
    poly{ points = flat({ A, B, raised(B, h), raised(A, h) }), fill = stone, outline = stoneDark, width = 2 },
    poly{ points = flat({ B, C, raised(C, h), raised(B, h) }), fill = stoneSide, outline = stoneDark, width = 2 },
  }
  -- Courses of stone on both walls.
  for row = 1, 3 do
    local y = row * h / 4
    add(ops, seg(raised(A, y), raised(B, y), 1, stoneDark))
    add(ops, seg(raised(B, y), raised(C, y), 1, stoneDark))
  end
  -- The door in the front wall and a barred window in each wall.
  local function quad(P, Q, s0, s1, h0, h1, fill, line)
    return poly{ points = flat({ raised(between(P, Q, s0), h0), raised(between(P, Q, s1), h0),
                                 raised(between(P, Q, s1), h1), raised(between(P, Q, s0), h1) }), fill = fill, outline = line, width = 1.5 }
  end
  add(ops, quad(A, B, 0.38, 0.62, 0, 34, "#5a5e66", ink))
  for k = 1, 3 do
    local p = raised(between(A, B, 0.38 + k * 0.06), 0)
    add(ops, seg(p, raised(p, 34), 1.5, "#2a2e34"))
  end
  add(ops, circle{ cx = between(A, B, 0.58)[1], cy = between(A, B, 0.58)[2] - 17, r = 2, fill = palette.gold })
  for _, w in ipairs({ { A, B, 0.1, 0.28 }, { A, B, 0.72, 0.9 }, { B, C, 0.3, 0.7 } }) do
    add(ops, quad(w[1], w[2], w[3], w[4], 30, 46, "#1c1e24", ink))
    for k = 1, 3 do
      local p = raised(between(w[1], w[2], w[3] + (w[4] - w[3]) * k / 4), 30)
      add(ops, seg(p, raised(p, 16), 2, iron))
    end
  end
  -- The roof slab and its battlements.
  local RA, RB, RC, RD = raised(prisonRoof[1], h), raised(prisonRoof[2], h), raised(prisonRoof[3], h), raised(prisonRoof[4], h)
  add(ops, poly{ points = flat({ RA, RB, RC, RD }), fill = "#6a7078", outline = stoneDark, width = 2 })
  add(ops, poly{ points = flat({ RA, RB, raised(RB, -6), raised(RA, -6) }), fill = "#5a6068", outline = stoneDark, width = 1.5 })
  add(ops, poly{ points = flat({ RB, RC, raised(RC, -6), raised(RB, -6) }), fill = "#4a5058", outline = stoneDark, width = 1.5 })
  for k = 0, 4 do
    local p = between(RA, RB, k / 4)
    add(ops, rect{ x = p[1] - 4, y = p[2] - 9, w = 8, h = 9, fill = stone, outline = stoneDark, width = 1.2 })
  end
  for k = 1, 4 do
    local p = between(RB, RC, k / 4)
    add(ops, rect{ x = p[1] - 4, y = p[2] - 9, w = 8, h = 9, fill = stoneSide, outline = stoneDark, width = 1.2 })
  end
  return ops
end

-- Its shadow: the footprint stretched up and to the right, as the houses' are.
local function prison_shadow()
  local A, B, C, D = prisonWalls[1], prisonWalls[2], prisonWalls[3], prisonWalls[4]
  local s = { 24, -22 }
  local function moved(p) return { p[1] + s[1], p[2] + s[2] } end
  return { poly{ points = flat({ A, B, moved(B), moved(C), moved(D), D }), fill = "#00000048" } }
end

-- A captive's head (20 x 20 on its middle), drawn in a row over the prison.
local function head_icon()
  return { circle{ cx = 10, cy = 11, r = 7.5, fill = skin, outline = skinDark, width = 1.2 },
           seg({ 4, 8 }, { 16, 8 }, 2, hair),
           circle{ cx = 7.5, cy = 11, r = 1.2, fill = ink }, circle{ cx = 12.5, cy = 11, r = 1.2, fill = ink },
           seg({ 8, 15 }, { 12, 15 }, 1.2, "#8a3020"),
           poly{ points = { 2.5, 9, 3.5, 4, 10, 1.5, 16.5, 4, 17.5, 9 }, fill = cap, outline = capDark, width = 1 } }
end

-- The opening laser (16 x 32 on the middle of its foot; the game stretches it
-- 2 x 6 into a tall beam): it flares, holds and fades; played once.
local function laser(i)
  local strength = ({ 0.3, 0.7, 1, 1, 0.9, 0.7, 0.45, 0.2 })[i + 1]
  local w = 2 + strength * 5
  local a = math.floor(255 * strength)
  return { rect{ x = 8 - w, y = 0, w = w * 2, h = 32, fill = string.format("#ff60e0%02x", math.floor(a * 0.5)) },
           rect{ x = 8 - w * 0.45, y = 0, w = w * 0.9, h = 32, fill = string.format("#fff0ff%02x", a) },
           ellipse{ cx = 8, cy = 30, rx = 7, ry = 2.5, fill = string.format("#ffffff%02x", a) } }
end

-- Layout ----------------------------------------------------------------------------------

-- The directed animations: two rows of 25 frames per direction.
local rows = { { "stand", "walk", "run", "bag", "hack" }, { "build", "pick", "tied", "kontuz", "scared" } }
local tools = { build = "hammer", pick = "pick", hack = "axe" }
local workerStrips = {}
for dir = 0, 3 do
  for r, names in ipairs(rows) do
    local x, y = 0, (dir * 2 + r - 1) * FH
    for _, name in ipairs(names) do
      local action = actions[name]
      workerStrips[#workerStrips + 1] = strip{
        name = "worker_" .. name .. dir, x = x, y = y, w = FW, h = FH, count = action.count, fps = action.fps, hx = HX, hy = HY,
        draw = function(i)
          local ops = figure(action.pose(dir, i))
          if tools[name] and i == 2 then blow(tools[name], dir, ops) end
          return ops
        end }
      x = x + action.count * FW
    end
  end
end
texture{ path = "objects/workers", size = { 1024, 512 }, strips = workerStrips }

local extraStrips = {}
local x = 0
for _, s in ipairs(single) do
  local y = 0
  if s.name == "worker_jump0" then x, y = 0, FH end
  extraStrips[#extraStrips + 1] = strip{ name = s.name, x = x, y = y, w = FW, h = FH, count = s.count, fps = s.fps, hx = HX, hy = HY, draw = s.draw }
  x = x + s.count * FW
end
local function put(s) extraStrips[#extraStrips + 1] = strip(s) end
put{ name = "worker_ice", x = 240, y = 56, w = 56, h = 72, hx = 28, hy = 66, draw = ice }
put{ name = "icon_head", x = 296, y = 56, w = 20, h = 20, draw = head_icon }
put{ name = "exclamation", x = 316, y = 56, w = 16, h = 32, count = 4, fps = 6, draw = exclamation, note = "looped over the cloud" }
put{ name = "cloud", x = 380, y = 56, w = 96, h = 80, count = 2, fps = 2, hx = 48, hy = 39, draw = cloud,
     note = "the game draws the first frame, mirrored left of the screen's middle" }
put{ name = "effect_laser", x = 572, y = 56, w = 16, h = 32, count = 8, fps = 12, hx = 8, hy = 32, draw = laser,
     note = "played once when a prison opens" }
put{ name = "effect_explosion", x = 0, y = 136, w = 96, h = 96, count = 8, fps = 14, hx = 48, hy = 84, draw = explosion,
     note = "played once" }
put{ name = "effect_shield", x = 768, y = 136, w = 128, h = 128, draw = shield }
put{ name = "prison", x = 0, y = 264, w = 192, h = 176, hx = PX, hy = PY, draw = prison }
put{ name = "_sh", x = 192, y = 264, w = 192, h = 176, hx = PX, hy = PY, draw = prison_shadow,
     note = "the prison's shadow: levels give the prison an empty sprite-set name" }
texture{ path = "objects/workers_extra", size = { 1024, 512 }, strips = extraStrips }
