-- data/texture/objects: the walking enemies (goblin, skeleton, succubus, witch)
-- and the succubus's portal, which the hero and the wife use as well. Directed
-- animations come in four directions as the workers' do: 0 right, 1 away, 2 left,
-- 3 toward the viewer. Every figure stands on its hot spot, the middle between its
-- feet. The bandits wear the goblins' pictures, so the goblin is drawn masked.
-- The figure painter here (walker_figure, walker_strips) is shared with
-- art_heroes_towers.lua.

local ink = palette.ink

local function add(ops, more)
  if more.op then ops[#ops + 1] = more else for _, op in ipairs(more) do ops[#ops + 1] = op end end
end
local function polar(p, len, deg) local a = math.rad(deg); return { p[1] + math.cos(a) * len, p[2] + math.sin(a) * len } end
local function hex2(v) return string.format("%02x", math.max(0, math.min(255, math.floor(v)))) end

-- The figure ----------------------------------------------------------------------

-- Paints a walking figure into a frame. Coordinates of the pose are in a worker-
-- sized figure (56 tall, feet at 0, y down) that st.scale enlarges, placed with its
-- feet on (hx, hy). The pose:
--   dir: 0 right, 1 away, 2 left, 3 toward the viewer; bob, lean as the workers';
--   legs: two feet { forward or sideways offset, lift };
--   arms: two hands from the shoulder, { forward or outward, down }; the second
--         holds st.item (or pose.item) along itemAngle (forward-positive degrees);
--   mouth ("open"), blink, sweat, fx (a function adding effects in frame space).
-- The style st: scale; skin, skinDark; body, bodyDark; legs, boots; dress
-- (a skirt to the ankles); bones (a skeleton); head(ops, T, h, dir, f, pose) and
-- back(ops, T, sh, dir, f, pose) add hats, masks, hair, wings; item, itemColor.
function walker_figure(st, pose, hx, hy)
  local s = st.scale or 1
  local function T(x, y) return { hx + x * s, hy + y * s } end
  local function seg(a, b, w, c) return line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = w * s, color = c } end
  local function limb(a, b, w, fill, dark) return { seg(a, b, w + 2, dark), seg(a, b, w, fill) } end
  local dir = pose.dir
  local side = dir == 0 or dir == 2
  local f = dir == 2 and -1 or 1
  local bob, lean = pose.bob or 0, pose.lean or 0
  local legs = pose.legs or { { 0, 0 }, { 0, 0 } }
  local arms = pose.arms or { { 1, 11 }, { 1, 11 } }
  local hipY, shY, headY = -15 - bob, -27 - bob, -36 - bob
  local ops = {}
  local skin, skinDark = st.skin, st.skinDark
  local limbFill, limbDark = st.bones and "#f4f0e4" or skin, st.bones and "#5a5448" or skinDark
  local legFill, bootFill = st.bones and "#f4f0e4" or st.legs, st.bones and "#5a5448" or st.boots
  local item = pose.item == nil and st.item or pose.item

  -- An item held in hand h along screen angle deg.
  local function held(h, deg)
    if not item or item == false then return {} end
    local out = {}
    local len = (st.itemLength or 14) * s
    local tip = polar(h, len, deg)
    local back = polar(h, -3 * s, deg)
    if item == "sword" then
      add(out, line{ x1 = back[1], y1 = back[2], x2 = h[1], y2 = h[2], width = 3 * s, color = "#5a3a1a" })
      local a, b = polar(h, 3 * s, deg + 90), polar(h, -3 * s, deg + 90)
      add(out, line{ x1 = a[1], y1 = a[2], x2 = b[1], y2 = b[2], width = 2 * s, color = palette.gold_dark })
      add(out, line{ x1 = h[1], y1 = h[2], x2 = tip[1], y2 = tip[2], width = 3.4 * s, color = "#4a5058" })
      add(out, line{ x1 = h[1], y1 = h[2], x2 = tip[1], y2 = tip[2], width = 2 * s, color = "#e8eef4" })
    elseif item == "pick" then
      add(out, line{ x1 = back[1], y1 = back[2], x2 = tip[1], y2 = tip[2], width = 3 * s, color = "#4a2c14" })
      add(out, line{ x1 = back[1], y1 = back[2], x2 = tip[1], y2 = tip[2], width = 1.8 * s, color = "#a0703a" })
      local a, b = polar(tip, 7 * s, deg + 90), polar(tip, -7 * s, deg + 90)
      add(out, poly{ points = flat({ a, polar(tip, 1.5 * s, deg), b, polar(tip, -1.5 * s, deg) }), fill = "#c8ced6", outline = "#4a5058", width = 1 })
    elseif item == "wand" then
      add(out, line{ x1 = back[1], y1 = back[2], x2 = tip[1], y2 = tip[2], width = 2 * s, color = "#3a2410" })
      add(out, star{ cx = tip[1], cy = tip[2], r = 3.5 * s, inner = 1.4 * s, points = 5, fill = st.itemColor or palette.yellow })
    elseif item == "pan" then
      add(out, line{ x1 = back[1], y1 = back[2], x2 = tip[1], y2 = tip[2], width = 2.5 * s, color = "#2a2a2a" })
      local c = polar(tip, 5 * s, deg)
      add(out, ellipse{ cx = c[1], cy = c[2], rx = 6 * s, ry = 6 * s, fill = "#3a3a40", outline = "#101014", width = 1.5 })
      add(out, ellipse{ cx = c[1] - 1.5 * s, cy = c[2] - 1.5 * s, rx = 2.5 * s, ry = 1.5 * s, fill = "#8a8a94" })
    elseif item == "bone" then
      add(out, line{ x1 = back[1], y1 = back[2], x2 = tip[1], y2 = tip[2], width = 2.5 * s, color = "#5a5448" })
      add(out, line{ x1 = back[1], y1 = back[2], x2 = tip[1], y2 = tip[2], width = 1.5 * s, color = "#f4f0e4" })
      add(out, circle{ cx = tip[1], cy = tip[2], r = 2.2 * s, fill = "#f4f0e4", outline = "#5a5448", width = 0.8 })
    end
    return out
  end
  local function hand(p) return circle{ cx = p[1], cy = p[2], r = 2 * s, fill = limbFill, outline = limbDark, width = 0.8 } end

  local head = T(lean * f * 1.2, headY)
  if side then
    local hip, shoulder = T(0, hipY), T(lean * f, shY)
    local handB = T(lean * f + arms[1][1] * f, shY + arms[1][2])
    local handF = T(lean * f + arms[2][1] * f, shY + arms[2][2])
    if st.back then st.back(ops, T, { lean * f, shY }, dir, f, pose) end
    add(ops, limb(shoulder, handB, 3 * s, limbFill, limbDark))
    local footB = T(legs[1][1] * f, -legs[1][2])
    local footF = T(legs[2][1] * f, -legs[2][2])
    if not st.dress then
      add(ops, limb(T(-f, hipY), footB, 4 * s, legFill, bootFill))
      add(ops, ellipse{ cx = footB[1] + 2 * f * s, cy = footB[2], rx = 3.5 * s, ry = 1.8 * s, fill = bootFill })
    end
    if st.bones then
      -- A spine and ribs instead of a body.
      add(ops, seg(shoulder, hip, 2.5, "#5a5448"))
      add(ops, seg(shoulder, hip, 1.5, "#f4f0e4"))
      for k = 0, 3 do
        local y = shY + 2 + k * 2.6
        local a, b = T(lean * f * (1 - k / 4) - 4, y), T(lean * f * (1 - k / 4) + 4, y + 1)
        add(ops, seg(a, b, 2.4, "#5a5448"))
        add(ops, seg(a, b, 1.4, "#f4f0e4"))
      end
      add(ops, ellipse{ cx = hip[1], cy = hip[2], rx = 5 * s, ry = 2.5 * s, fill = "#f4f0e4", outline = "#5a5448", width = 1 })
    elseif st.dress then
      add(ops, poly{ points = flat({ T(lean * f - 5, shY - 1), T(lean * f + 5, shY - 1), T(9 + legs[2][1] * f * 0.5, -3), T(-9 + legs[1][1] * f * 0.5, -3) }),
                     fill = st.body, outline = st.bodyDark, width = 1.5 })
      add(ops, seg(T(-9, -3), T(9, -3), 2, st.bodyDark))
      add(ops, ellipse{ cx = footF[1] + 2 * f * s, cy = T(0, -1)[2], rx = 3.5 * s, ry = 1.8 * s, fill = st.boots })
    else
      add(ops, poly{ points = flat({ T(lean * f - 5, shY - 1), T(lean * f + 5, shY - 1), T(6, hipY + 3), T(-6, hipY + 3) }),
                     fill = st.body, outline = st.bodyDark, width = 1.5 })
      add(ops, seg(T(-6, hipY), T(6, hipY), 2, st.belt or "#3a2a1a"))
    end
    if not st.dress then
      add(ops, limb(T(f, hipY), footF, 4 * s, legFill, bootFill))
      add(ops, ellipse{ cx = footF[1] + 2 * f * s, cy = footF[2], rx = 3.5 * s, ry = 1.8 * s, fill = bootFill })
    end
    -- The head in profile, the eye on the facing side.
    if st.bones then
      add(ops, circle{ cx = head[1], cy = head[2], r = 7 * s, fill = "#f8f4ea", outline = "#5a5448", width = 1.2 })
      add(ops, rect{ x = head[1] + (f > 0 and 1 or -6) * s, y = head[2] + 3 * s, w = 5 * s, h = 4 * s, fill = "#f8f4ea", outline = "#5a5448", width = 1 })
      add(ops, circle{ cx = head[1] + 3 * f * s, cy = head[2] - 0.5 * s, r = 2.2 * s, fill = ink })
    else
      add(ops, circle{ cx = head[1], cy = head[2], r = 7 * s, fill = skin, outline = skinDark, width = 1.2 })
      if pose.blink then
        add(ops, seg({ head[1] + 2.5 * f * s, head[2] }, { head[1] + 5 * f * s, head[2] }, 1.2, ink))
      else
        add(ops, circle{ cx = head[1] + 3.5 * f * s, cy = head[2], r = 1.3 * s, fill = st.eyes or ink })
      end
      if pose.mouth == "open" then
        add(ops, ellipse{ cx = head[1] + 4.5 * f * s, cy = head[2] + 4 * s, rx = 1.5 * s, ry = 2 * s, fill = "#6a1010" })
      end
    end
    if st.head then st.head(ops, T, { lean * f * 1.2, headY }, dir, f, pose) end
    add(ops, held(handF, f == 1 and (pose.itemAngle or 0) or 180 - (pose.itemAngle or 0)))
    add(ops, limb(shoulder, handF, 3 * s, limbFill, limbDark))
    add(ops, hand(handF))
  else
    local front = dir == 3
    local sL, sR = T(-6, shY), T(6, shY)
    local handL = { sL[1] - arms[1][1] * s, sL[2] + arms[1][2] * s }
    local handR = { sR[1] + arms[2][1] * s, sR[2] + arms[2][2] * s }
    if st.back and front then st.back(ops, T, { 0, shY }, dir, f, pose) end
    if front then add(ops, held(handR, pose.itemAngle or 0)) end
    local footL = T(-4 + legs[1][1], -legs[1][2])
    local footR = T(4 + legs[2][1], -legs[2][2])
    if not st.dress then
      add(ops, limb(T(-3, hipY), footL, 4 * s, legFill, bootFill))
      add(ops, limb(T(3, hipY), footR, 4 * s, legFill, bootFill))
      add(ops, ellipse{ cx = footL[1], cy = footL[2], rx = 3 * s, ry = 2 * s, fill = bootFill })
      add(ops, ellipse{ cx = footR[1], cy = footR[2], rx = 3 * s, ry = 2 * s, fill = bootFill })
    end
    if st.bones then
      add(ops, seg(T(0, shY), T(0, hipY), 2.5, "#5a5448"))
      add(ops, seg(T(0, shY), T(0, hipY), 1.5, "#f4f0e4"))
      for k = 0, 3 do
        local y = shY + 2 + k * 2.6
        local a, b = T(-6 + k * 0.6, y), T(6 - k * 0.6, y)
        add(ops, seg(a, b, 2.4, "#5a5448"))
        add(ops, seg(a, b, 1.4, "#f4f0e4"))
      end
      add(ops, ellipse{ cx = T(0, hipY)[1], cy = T(0, hipY)[2], rx = 6 * s, ry = 2.5 * s, fill = "#f4f0e4", outline = "#5a5448", width = 1 })
    elseif st.dress then
      add(ops, poly{ points = flat({ T(-6, shY - 1), T(6, shY - 1), T(10 + legs[2][1], -3), T(-10 + legs[1][1], -3) }),
                     fill = front and st.body or st.bodyDark, outline = st.bodyDark, width = 1.5 })
      add(ops, ellipse{ cx = footL[1], cy = T(0, -1)[2], rx = 3 * s, ry = 1.8 * s, fill = st.boots })
      add(ops, ellipse{ cx = footR[1], cy = T(0, -1)[2], rx = 3 * s, ry = 1.8 * s, fill = st.boots })
    else
      add(ops, poly{ points = flat({ T(-6, shY - 1), T(6, shY - 1), T(7, hipY + 3), T(-7, hipY + 3) }),
                     fill = front and st.body or st.bodyDark, outline = st.bodyDark, width = 1.5 })
      add(ops, seg(T(-7, hipY), T(7, hipY), 2, st.belt or "#3a2a1a"))
    end
    if st.chest and front then st.chest(ops, T, { 0, shY }, pose) end
    add(ops, limb(sL, handL, 3 * s, limbFill, limbDark))
    add(ops, limb(sR, handR, 3 * s, limbFill, limbDark))
    add(ops, hand(handL))
    add(ops, hand(handR))
    if st.bones then
      add(ops, circle{ cx = head[1], cy = head[2], r = 7 * s, fill = "#f8f4ea", outline = "#5a5448", width = 1.2 })
      add(ops, rect{ x = head[1] - 3.5 * s, y = head[2] + 3.5 * s, w = 7 * s, h = 4 * s, fill = "#f8f4ea", outline = "#5a5448", width = 1 })
      if front then
        add(ops, circle{ cx = head[1] - 2.8 * s, cy = head[2] - 0.5 * s, r = 2.2 * s, fill = ink })
        add(ops, circle{ cx = head[1] + 2.8 * s, cy = head[2] - 0.5 * s, r = 2.2 * s, fill = ink })
        add(ops, poly{ points = { head[1] - 1 * s, head[2] + 3 * s, head[1] + 1 * s, head[2] + 3 * s, head[1], head[2] + 1.2 * s }, fill = ink })
        for k = -1, 1 do add(ops, seg({ head[1] + k * 1.8 * s, head[2] + 4 * s }, { head[1] + k * 1.8 * s, head[2] + 7 * s }, 0.8, "#5a5448")) end
      end
    else
      add(ops, circle{ cx = head[1], cy = head[2], r = 7 * s, fill = skin, outline = skinDark, width = 1.2 })
      if front then
        if pose.blink then
          add(ops, seg({ head[1] - 3.8 * s, head[2] }, { head[1] - 1.2 * s, head[2] }, 1.2, ink))
          add(ops, seg({ head[1] + 1.2 * s, head[2] }, { head[1] + 3.8 * s, head[2] }, 1.2, ink))
        else
          add(ops, circle{ cx = head[1] - 2.5 * s, cy = head[2], r = 1.3 * s, fill = st.eyes or ink })
          add(ops, circle{ cx = head[1] + 2.5 * s, cy = head[2], r = 1.3 * s, fill = st.eyes or ink })
        end
        if pose.mouth == "open" then
          add(ops, ellipse{ cx = head[1], cy = head[2] + 4 * s, rx = 1.8 * s, ry = 2.2 * s, fill = "#6a1010" })
        else
          add(ops, seg({ head[1] - 2 * s, head[2] + 3.5 * s }, { head[1] + 2 * s, head[2] + 3.5 * s }, 1.2, st.mouth or "#8a3020"))
        end
      end
    end
    if st.head then st.head(ops, T, { 0, headY }, dir, f, pose) end
    if st.back and not front then st.back(ops, T, { 0, shY }, dir, f, pose) end
    if not front then add(ops, held(handR, pose.itemAngle or 0)) end
  end
  if pose.sweat then
    add(ops, ellipse{ cx = head[1] + 9 * s, cy = head[2] - 4 * s + pose.sweat, rx = 1.3 * s, ry = 2 * s, fill = "#8fd0ff", outline = "#2a6aa0", width = 0.6 })
    add(ops, ellipse{ cx = head[1] - 9 * s, cy = head[2] - 1 * s + pose.sweat, rx = 1.3 * s, ry = 2 * s, fill = "#8fd0ff", outline = "#2a6aa0", width = 0.6 })
  end
  if pose.fx then add(ops, pose.fx(T, head, f)) end
  return ops
end

-- A stride of n frames: the feet swing by stride, the arms against them.
function walker_step(dir, i, n, stride, armSwing, extra)
  local t = i / n * 2 * math.pi
  local s = math.sin(t)
  local p = { dir = dir, bob = math.abs(math.cos(t)) * ((extra or {}).bounce or 1) }
  if dir == 0 or dir == 2 then
    p.legs = { { -s * stride, math.max(0, -math.cos(t)) * 2 }, { s * stride, math.max(0, math.cos(t)) * 2 } }
    p.arms = { { s * armSwing, 10 }, { -s * armSwing, 10 } }
  else
    p.legs = { { -math.max(0, s), math.max(0, s) * (stride * 0.6) }, { math.max(0, -s), math.max(0, -s) * (stride * 0.6) } }
    p.arms = { { 1 + math.abs(s) * armSwing * 0.2, 10 - s * armSwing * 0.6 }, { 1 + math.abs(s) * armSwing * 0.2, 10 + s * armSwing * 0.6 } }
  end
  for k, v in pairs(extra or {}) do p[k] = v end
  return p
end

-- A tool or weapon swung through the given angles (forward-positive degrees, -90
-- up), in any direction; the frame with a mark gets a burst at the blow.
function walker_swing(dir, angles, i, extra)
  local a = angles[i + 1]
  local hand = polar({ 0, 0 }, 11, a)
  local p = { dir = dir, itemAngle = a, legs = { { -3, 0 }, { 3, 0 } } }
  if dir == 0 or dir == 2 then
    p.arms = { { hand[1] * 0.7, hand[2] * 0.7 + 3 }, { hand[1], hand[2] } }
  else
    p.arms = { { 1, 10 }, { hand[1] * 0.5 + 2, hand[2] } }
    p.itemAngle = math.deg(math.atan2(hand[2], hand[1] * 0.5 + 2))
  end
  for k, v in pairs(extra or {}) do p[k] = v end
  return p
end

-- Directed strips: for each direction one row of the named actions, starting at
-- (x0, y0), rows fh apart. actions[name] = { count, fps, pose(dir, i), fx(dir, i) }.
function walker_strips(out, prefix, st, actions, names, x0, y0, fw, fh, hx, hy, notes)
  for dir = 0, 3 do
    local x = x0
    for _, name in ipairs(names) do
      local a = actions[name]
      out[#out + 1] = strip{
        name = prefix .. name .. dir, x = x, y = y0 + dir * fh, w = fw, h = fh, count = a.count, fps = a.fps, hx = hx, hy = hy,
        note = dir == 0 and (notes or {})[name] or nil,
        draw = function(i) return walker_figure(st, a.pose(dir, i), hx, hy) end }
      x = x + a.count * fw
    end
  end
end

-- One-view strips (a single sprite drawn toward the viewer).
function walker_single(out, name, st, a, x, y, fw, fh, hx, hy, note)
  out[#out + 1] = strip{ name = name, x = x, y = y, w = fw, h = fh, count = a.count, fps = a.fps, hx = hx, hy = hy, note = note,
                         draw = function(i) return walker_figure(st, a.pose(3, i), hx, hy) end }
end

-- A heart (for charms) and a spark burst, in frame coordinates.
function walker_heart(cx, cy, sz, fill)
  return { circle{ cx = cx - sz * 0.5, cy = cy - sz * 0.3, r = sz * 0.55, fill = fill },
           circle{ cx = cx + sz * 0.5, cy = cy - sz * 0.3, r = sz * 0.55, fill = fill },
           poly{ points = { cx - sz * 1.02, cy - sz * 0.1, cx + sz * 1.02, cy - sz * 0.1, cx, cy + sz * 1.1 }, fill = fill } }
end

-- The direction of a figure as a screen vector (y down), for effects thrown forward.
function walker_forward(dir)
  return ({ { 1, 0 }, { 0.3, -0.6 }, { -1, 0 }, { 0.3, 0.6 } })[dir + 1]
end

-- Goblin ----------------------------------------------------------------------------

-- Green, small, ragged brown tunic, big pointed ears and a black eye mask (the
-- bandits wear the same pictures).
local goblin = {
  scale = 0.85, skin = "#6cc04a", skinDark = "#2a5a1a", body = "#8a5a32", bodyDark = "#4a2c14",
  legs = "#5a7a2a", boots = "#3a2410", belt = "#2a1a0a", eyes = "#ffe060",
  head = function(ops, T, h, dir, f)
    local c = T(h[1], h[2])
    local function ear(sx)
      local base = T(h[1] + sx * 6, h[2] - 1)
      add(ops, poly{ points = flat({ base, T(h[1] + sx * 14, h[2] - 6), T(h[1] + sx * 6, h[2] + 3) }), fill = "#6cc04a", outline = "#2a5a1a", width = 1 })
    end
    if dir == 0 or dir == 2 then
      ear(-f)
      add(ops, line{ x1 = T(h[1] - 6, h[2] - 1)[1], y1 = T(h[1] - 6, h[2] - 1)[2], x2 = T(h[1] + 7.5 * f, h[2] - 1)[1], y2 = T(h[1] + 7.5 * f, h[2] - 1)[2], width = 3, color = "#1a1a1a" })
      add(ops, circle{ cx = c[1] + 3.5 * f * 0.85, cy = c[2] - 0.8, r = 1.2, fill = "#ffe060" })
      add(ops, poly{ points = flat({ T(h[1] + 6 * f, h[2] + 1), T(h[1] + 10 * f, h[2] + 2.5), T(h[1] + 6 * f, h[2] + 3.5) }), fill = "#6cc04a", outline = "#2a5a1a", width = 0.8 })
    else
      ear(-1); ear(1)
      if dir == 3 then
        add(ops, line{ x1 = T(h[1] - 7, h[2] - 1)[1], y1 = T(h[1] - 7, h[2] - 1)[2], x2 = T(h[1] + 7, h[2] - 1)[1], y2 = T(h[1] + 7, h[2] - 1)[2], width = 3.2, color = "#1a1a1a" })
        add(ops, circle{ cx = T(h[1] - 2.5, 0)[1], cy = c[2] - 0.8, r = 1.2, fill = "#ffe060" })
        add(ops, circle{ cx = T(h[1] + 2.5, 0)[1], cy = c[2] - 0.8, r = 1.2, fill = "#ffe060" })
      else
        add(ops, line{ x1 = T(h[1] - 7, h[2] - 1)[1], y1 = T(h[1] - 7, h[2] - 1)[2], x2 = T(h[1] + 7, h[2] - 1)[1], y2 = T(h[1] + 7, h[2] - 1)[2], width = 2, color = "#1a1a1a" })
        add(ops, circle{ cx = c[1], cy = c[2] - 2, r = 2, fill = "#1a1a1a" })
      end
    end
    -- A knotted brown cap.
    add(ops, ellipse{ cx = c[1], cy = c[2] - 5.5, rx = 6.5, ry = 3, fill = "#6a4020", outline = "#2a1a0a", width = 1 })
  end,
}

-- Its loot sack on the back.
local function loot(T, f, dir)
  local c = (dir == 0 or dir == 2) and T(-8 * f, -30) or T(dir == 1 and 0 or 11, dir == 1 and -26 or -16)
  return { ellipse{ cx = c[1], cy = c[2], rx = 8, ry = 7, fill = "#c8a060", outline = "#5a3e18", width = 1.5 },
           label{ x = c[1], y = c[2] + 1, text = "$", align = "center", valign = "middle", color = "#8a6a30" } }
end

local goblinActions = {}
goblinActions.walk = { count = 6, fps = 10, pose = function(dir, i) return walker_step(dir, i, 6, 6, 5, { item = false }) end }
goblinActions.bag = { count = 6, fps = 10, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 5, 0, { item = false, lean = 2 })
  p.arms = (dir == 0 or dir == 2) and { { -4, -1 }, { -3, 0 } } or { { -2, -3 }, { -2, -3 } }
  p.fx = function(T, head, f) return loot(T, f, dir) end
  if dir == 1 then p.fx = nil; p.item = false end
  return p
end }
-- The back view shows the sack in front of the body.
local bagBehind = goblinActions.bag.pose
goblinActions.bag.pose = function(dir, i)
  local p = bagBehind(dir, i)
  if dir == 1 then p.fx = function(T, head, f) return loot(T, f, 1) end end
  return p
end
goblinActions.fear = { count = 6, fps = 14, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 9, 0, { item = false, mouth = "open", sweat = (i % 2) * 2, bounce = 2.5, lean = -2 })
  local wave = (i % 2 == 0) and 2 or -2
  p.arms = (dir == 0 or dir == 2) and { { -7 + wave, -12 }, { 9, -10 - wave } } or { { 5 + wave, -13 }, { 5 - wave, -13 } }
  return p
end }
goblinActions.protect = { count = 4, fps = 8, pose = function(dir, i)
  local shake = (i % 2 == 0) and 1 or -1
  local p = { dir = dir, item = false, bob = -3, lean = -1 + shake * 0.5, legs = { { -4, 0 }, { 4, 0 } }, blink = true,
              arms = (dir == 0 or dir == 2) and { { 6, -6 }, { 8, -9 } } or { { -3, -9 }, { -3, -9 } } }
  p.fx = function(T, head, f)
    return { star{ cx = head[1] + 8 + shake, cy = head[2] - 10, r = 3, inner = 1.2, points = 4, fill = palette.white } }
  end
  return p
end }
-- Picking at a tree or a nugget: the pick rises over frames 0-6 and falls at 7.
goblinActions.pick = { count = 8, fps = 10, pose = function(dir, i)
  local p = walker_swing(dir, { -20, -45, -70, -95, -115, -130, -145, 35 }, i, { item = "pick" })
  if i == 7 then
    p.lean = 2
    p.fx = function(T, head, f)
      local fw = walker_forward(dir)
      local c = T(fw[1] * 17, -8 + fw[2] * 6)
      return { star{ cx = c[1], cy = c[2], r = 6, inner = 2.2, points = 6, fill = palette.yellow, outline = palette.orange, width = 0.8 } }
    end
  end
  return p
end }

-- Skeleton --------------------------------------------------------------------------

local skeleton = { scale = 1.0, bones = true, skin = "#f8f4ea", skinDark = "#5a5448", item = false }
local skeletonActions = {}
skeletonActions.walk = { count = 6, fps = 8, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 6, 6, { bounce = 1.5 })
  -- Stiff arms stretched forward, as the undead walk.
  if dir == 0 or dir == 2 then p.arms = { { 10 + p.arms[1][1] * 0.3, 2 }, { 11 - p.arms[1][1] * 0.3, 3 } }
  else p.arms = { { -2, 6 + p.arms[1][2] * 0.2 }, { -2, 6 + p.arms[2][2] * 0.2 } } end
  return p
end }
-- The hand falls off, the skeleton looks at it, picks it up and puts it back on.
skeletonActions.lost_hand = { count = 6, fps = 6, pose = function(dir, i)
  local handAt = ({ { 8, -2 }, { 10, 10 }, { 12, 24 }, { 12, 24 }, { 6, 14 }, { 4, 2 } })[i + 1]
  local p = { dir = dir, legs = { { -3, 0 }, { 3, 0 } }, bob = (i == 3) and -6 or 0 }
  if dir == 0 or dir == 2 then
    p.arms = { { 1, 11 }, { (i == 3) and 12 or 7, (i == 3) and 19 or 4 } }
  else
    p.arms = { { 1, 11 }, { (i == 3) and 6 or 4, (i == 3) and 18 or 5 } }
  end
  p.fx = function(T, head, f)
    local fw = walker_forward(dir)
    local c = (i == 0 or i == 5) and nil or T(fw[1] * handAt[1], -27 + handAt[2] + fw[2] * 4)
    local ops = {}
    if c then
      add(ops, circle{ cx = c[1], cy = c[2], r = 2.6, fill = "#f4f0e4", outline = "#5a5448", width = 1 })
      for k = -1, 1 do add(ops, line{ x1 = c[1], y1 = c[2], x2 = c[1] + k * 2.5, y2 = c[2] + 4, width = 1, color = "#5a5448" }) end
    end
    if i == 1 or i == 2 then add(ops, label{ x = head[1] + 11, y = head[2] - 11, text = "!", align = "center", color = palette.yellow, outline = ink }) end
    return ops
  end
  return p
end }

-- Falling to a pile of bones (one view, played once).
local function skeleton_death(i)
  local hx, hy = 24, 58
  if i <= 2 then
    local ops = walker_figure(skeleton, { dir = 3, bob = -i * 4, lean = i, arms = { { 4 + i * 2, 4 - i * 4 }, { 4 + i * 2, 4 - i * 4 } },
                                          legs = { { -i, 0 }, { i, 0 } } }, hx, hy)
    if i >= 1 then add(ops, star{ cx = 24, cy = 14 + i * 4, r = 6, inner = 2, points = 8, fill = "#ffffffa0" }) end
    return ops
  end
  local spread = math.min(1, (i - 2) / 4)
  local ops = {}
  local bones = { { -12, -2, 20 }, { 8, -4, -30 }, { -4, -6, 70 }, { 12, -1, 10 }, { -14, -8, -60 }, { 2, -2, 100 } }
  for k, b in ipairs(bones) do
    local cx, cy = hx + b[1] * (0.4 + spread * 0.6), hy + b[2] * (0.6 + spread * 0.4) - (1 - spread) * (10 + k * 3)
    local a = polar({ cx, cy }, 6, b[3])
    local z = polar({ cx, cy }, -6, b[3])
    add(ops, line{ x1 = a[1], y1 = a[2], x2 = z[1], y2 = z[2], width = 3.4, color = "#5a5448" })
    add(ops, line{ x1 = a[1], y1 = a[2], x2 = z[1], y2 = z[2], width = 2, color = "#f4f0e4" })
    add(ops, circle{ cx = a[1], cy = a[2], r = 1.8, fill = "#f4f0e4", outline = "#5a5448", width = 0.6 })
  end
  local skull = { hx + 2, hy - 6 - (1 - spread) * 14 }
  add(ops, circle{ cx = skull[1], cy = skull[2], r = 6, fill = "#f8f4ea", outline = "#5a5448", width = 1.2 })
  add(ops, circle{ cx = skull[1] - 2.2, cy = skull[2] - 0.5, r = 1.8, fill = ink })
  add(ops, circle{ cx = skull[1] + 2.2, cy = skull[2] - 0.5, r = 1.8, fill = ink })
  if i >= 6 then
    add(ops, ellipse{ cx = hx, cy = hy - 14, rx = 14, ry = 6, fill = string.format("#d0d0e0%s", hex2(120 - (i - 6) * 50)) })
  end
  return ops
end

-- Succubus --------------------------------------------------------------------------

local succubus = {
  scale = 1.1, skin = "#f0a0b8", skinDark = "#8a3050", body = "#b01848", bodyDark = "#5a0a24",
  legs = "#f0a0b8", boots = "#3a0a1a", belt = palette.gold, eyes = "#6a0a3a", mouth = "#c01050",
  head = function(ops, T, h, dir, f)
    -- Dark hair with two little horns.
    local c = T(h[1], h[2])
    if dir == 0 or dir == 2 then
      add(ops, ellipse{ cx = c[1] - 5 * f, cy = c[2] + 3, rx = 3.5, ry = 8, fill = "#3a0a2a" })
    elseif dir == 1 then
      add(ops, ellipse{ cx = c[1], cy = c[2] + 2, rx = 8, ry = 9, fill = "#3a0a2a" })
    else
      add(ops, line{ x1 = c[1] - 7, y1 = c[2] - 4, x2 = c[1] + 7, y2 = c[2] - 4, width = 3, color = "#3a0a2a" })
      add(ops, ellipse{ cx = c[1] - 8, cy = c[2] + 3, rx = 2.5, ry = 7, fill = "#3a0a2a" })
      add(ops, ellipse{ cx = c[1] + 8, cy = c[2] + 3, rx = 2.5, ry = 7, fill = "#3a0a2a" })
    end
    for _, sx in ipairs({ -1, 1 }) do
      local b = T(h[1] + sx * 4, h[2] - 6)
      add(ops, poly{ points = flat({ { b[1] - 2, b[2] }, { b[1] + 2, b[2] }, { b[1] + sx * 3, b[2] - 8 } }), fill = "#2a2a30", outline = "#0a0a10", width = 0.8 })
    end
  end,
  back = function(ops, T, sh, dir, f, pose)
    -- Bat wings beating with the frame, and a pointed tail.
    local beat = pose.wing or 0
    for _, sx in ipairs((dir == 0 or dir == 2) and { -f } or { -1, 1 }) do
      local root = T(sh[1] + sx * 2, sh[2] + 3)
      local spanX = ((dir == 0 or dir == 2) and 16 or 19) * sx
      local tip = T(sh[1] + spanX, sh[2] - 10 - beat * 6)
      local low = T(sh[1] + spanX * 0.9, sh[2] + 8 - beat * 3)
      local mid = T(sh[1] + spanX * 0.55, sh[2] + 4 - beat * 2)
      add(ops, poly{ points = flat({ root, tip, low, mid }), fill = "#5a1a4a", outline = "#1a0410", width = 1.2 })
      add(ops, line{ x1 = root[1], y1 = root[2], x2 = tip[1], y2 = tip[2], width = 1.5, color = "#1a0410" })
    end
    if dir == 3 then return end
    local side = dir == 0 or dir == 2
    local t0, t1 = T(side and -4 * f or 0, -14), T(side and -12 * f or 7, side and -6 or -3)
    add(ops, line{ x1 = t0[1], y1 = t0[2], x2 = t1[1], y2 = t1[2], width = 1.5, color = "#5a0a24" })
    add(ops, poly{ points = { t1[1], t1[2] - 3, t1[1] + 3 * f, t1[2], t1[1], t1[2] + 3, t1[1] - 3 * f, t1[2] }, fill = "#5a0a24" })
  end,
}

local succubActions = {}
succubActions.walk = { count = 6, fps = 10, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 4, 3, { bounce = 1 })
  p.wing = math.sin(i / 6 * 2 * math.pi)
  p.bob = p.bob + 1
  return p
end }
succubActions.magic = { count = 6, fps = 10, pose = function(dir, i)
  local p = { dir = dir, wing = math.sin(i / 6 * 2 * math.pi) * 0.6, legs = { { -2, 0 }, { 2, 0 } } }
  local reach = ({ 4, 8, 12, 12, 8, 4 })[i + 1]
  p.arms = (dir == 0 or dir == 2) and { { reach - 2, -2 }, { reach, -4 } } or { { 4, -2 - reach * 0.5 }, { 4, -2 - reach * 0.5 } }
  p.fx = function(T, head, f)
    local fw = walker_forward(dir)
    local ops = {}
    for k = 0, 2 do
      local d = 8 + ((i + k * 2) % 6) * 4
      local c = { head[1] + fw[1] * d + (k - 1) * 3, head[2] + 6 + fw[2] * d - k * 4 }
      add(ops, walker_heart(c[1], c[2], 2.2 + (k % 2), "#ff4a8a"))
    end
    return ops
  end
  return p
end }
-- Vanishing: she shrinks into a swirl of pink sparks.
succubActions.death = { count = 6, fps = 10, pose = function(dir, i)
  local p = { dir = dir, wing = 0.5, blink = true, bob = i * 2, legs = { { -2, 0 }, { 2, 0 } }, arms = { { 4, -6 }, { 4, -6 } } }
  p.fx = function(T, head, f)
    local ops = {}
    local c = T(0, -28)
    add(ops, glow{ cx = c[1], cy = c[2], r = 12 + i * 5, color = string.format("#ff70c0%s", hex2(80 + i * 30)), power = 1.0 })
    for k = 0, 5 do
      local a = math.rad(k * 60 + i * 40)
      add(ops, star{ cx = c[1] + math.cos(a) * (6 + i * 4), cy = c[2] + math.sin(a) * (6 + i * 4), r = 3, inner = 1.2, points = 4, fill = palette.white })
    end
    return ops
  end
  return p
end }

-- Stepping out of the portal: the figure rises from the glowing ground.
local function succub_appear(i, fw, fh, hx, hy)
  local ops = {}
  local t = i / 7
  add(ops, ellipse{ cx = hx, cy = hy - 2, rx = 22 - t * 6, ry = 7 - t * 2, fill = string.format("#a040c0%s", hex2(220 - t * 120)), outline = "#40104a", width = 1.5 })
  local rise = math.floor((1 - math.min(1, i / 5)) * 60)
  add(ops, group{ dy = rise, clip = { 0, 0, fw, hy - rise }, ops = walker_figure(succubus, { dir = 3, wing = math.sin(i) * 0.8, arms = { { 5, -8 }, { 5, -8 } } }, hx, hy) })
  add(ops, star{ cx = hx - 14 + (i % 3) * 6, cy = hy - 20 - i * 3, r = 3, inner = 1, points = 4, fill = palette.white })
  return ops
end

-- Witch --------------------------------------------------------------------------

local witch = {
  scale = 1.05, skin = "#b8d890", skinDark = "#4a6a2a", body = "#5a3a8a", bodyDark = "#2a1a4a",
  boots = "#1a1a1a", dress = true, eyes = "#1a1a1a", item = "wand", itemColor = "#9fe8ff", itemLength = 12,
  head = function(ops, T, h, dir, f)
    local c = T(h[1], h[2])
    -- Grey hair, a hooked nose in profile and a tall pointed black hat.
    if dir == 0 or dir == 2 then
      add(ops, ellipse{ cx = c[1] - 4 * f, cy = c[2] + 3, rx = 4, ry = 7, fill = "#9a9aa4" })
      add(ops, poly{ points = { c[1] + 6 * f, c[2] - 1, c[1] + 11 * f, c[2] + 3, c[1] + 6 * f, c[2] + 2 }, fill = "#b8d890", outline = "#4a6a2a", width = 0.8 })
    else
      add(ops, ellipse{ cx = c[1] - 7, cy = c[2] + 3, rx = 2.5, ry = 6, fill = "#9a9aa4" })
      add(ops, ellipse{ cx = c[1] + 7, cy = c[2] + 3, rx = 2.5, ry = 6, fill = "#9a9aa4" })
      if dir == 1 then add(ops, ellipse{ cx = c[1], cy = c[2] + 2, rx = 7, ry = 6, fill = "#9a9aa4" }) end
    end
    add(ops, ellipse{ cx = c[1], cy = c[2] - 5, rx = 13, ry = 3.2, fill = "#1a1a22", outline = "#000000", width = 1 })
    local lean = (dir == 0 or dir == 2) and -5 * f or 4
    add(ops, poly{ points = { c[1] - 7, c[2] - 6, c[1] + 7, c[2] - 6, c[1] + lean, c[2] - 28 }, fill = "#1a1a22", outline = "#000000", width = 1 })
    add(ops, line{ x1 = c[1] - 6.5, y1 = c[2] - 8, x2 = c[1] + 6.5, y2 = c[2] - 8, width = 2.5, color = "#8a5ac8" })
  end,
}

local witchActions = {}
witchActions.walk = { count = 6, fps = 8, pose = function(dir, i)
  local p = walker_step(dir, i, 6, 5, 4, { bounce = 0.8 })
  p.lean = 1
  p.itemAngle = 60
  return p
end }
-- Casting frost: the wand raised, icy sparks thrown ahead.
witchActions.magic = { count = 6, fps = 10, pose = function(dir, i)
  local a = ({ 20, -20, -60, -40, 10, 30 })[i + 1]
  local p = walker_swing(dir, { a, a, a, a, a, a }, 0, {})
  p.fx = function(T, head, f)
    local fw = walker_forward(dir)
    local ops = {}
    if i >= 2 then
      for k = 0, 3 do
        local d = 10 + (i - 2) * 6 + k * 4
        local c = { head[1] + fw[1] * d * 1.2, head[2] + 10 + fw[2] * d - (k % 2) * 5 }
        add(ops, star{ cx = c[1], cy = c[2], r = 3.5 - k * 0.5, inner = 1.2, points = 6, rotation = k * 20 + i * 15, fill = "#d8f4ff", outline = "#3a8ac8", width = 0.8 })
      end
    end
    return ops
  end
  return p
end }
-- Vanishing: she melts into a puddle under her hat.
witchActions.death = { count = 6, fps = 8, pose = function(dir, i)
  local p = { dir = dir, mouth = "open", bob = -i * 4, legs = { { -2, 0 }, { 2, 0 } }, arms = { { 6, -10 + i }, { 6, -10 + i } }, item = false }
  p.fx = function(T, head, f)
    local ops = {}
    local foot = T(0, 0)
    add(ops, ellipse{ cx = foot[1], cy = foot[2] - 2, rx = 8 + i * 3, ry = 3 + i * 0.8, fill = "#4a8a3ac0", outline = "#1a4a1a", width = 1 })
    for k = 0, 2 do
      add(ops, ellipse{ cx = foot[1] - 8 + k * 8, cy = foot[2] - 14 - i * 5 - k * 3, rx = 4 + i, ry = 3 + i * 0.6, fill = string.format("#a0a0b0%s", hex2(60 + i * 25)) })
    end
    return ops
  end
  return p
end }

local function witch_appear(i, fw, fh, hx, hy)
  local ops = {}
  local t = i / 7
  if i >= 2 then add(ops, group{ clip = { 0, 0, fw, fh }, ops = walker_figure(witch, { dir = 3, itemAngle = -40, arms = { { 1, 10 }, { 4, -6 } } }, hx, hy) }) end
  -- A puff of green smoke that clears from the figure.
  local smoke = math.max(0, 1 - t * 1.1)
  for k = 0, 5 do
    local a = math.rad(k * 60 + i * 12)
    local r = 8 + t * 18
    add(ops, circle{ cx = hx + math.cos(a) * r, cy = hy - 30 + math.sin(a) * r * 0.8, r = 10 - t * 3,
                     fill = string.format("#70b060%s", hex2(230 * smoke)) })
  end
  if i <= 1 then add(ops, star{ cx = hx, cy = hy - 30, r = 16, inner = 6, points = 8, fill = "#e0ffd0" }) end
  return ops
end

-- The portal: a purple oval door that swirls open and closes again (played once).
local function portal(i)
  local open = ({ 0.2, 0.5, 0.85, 1, 1, 0.9, 0.6, 0.25 })[i + 1]
  local cx, cy = 32, 50
  local ops = { ellipse{ cx = cx, cy = 90, rx = 26 * open, ry = 6 * open, fill = "#40104a80" },
                ellipse{ cx = cx, cy = cy, rx = 26 * open, ry = 40 * open, fill = "#3a0a5a", outline = "#e0a0ff", width = 3 } }
  for k = 0, 2 do
    local a = i * 0.8 + k * 2.1
    add(ops, ellipse{ cx = cx + math.cos(a) * 6 * open, cy = cy + math.sin(a) * 10 * open, rx = (18 - k * 5) * open, ry = (30 - k * 8) * open,
                      outline = k == 1 and "#ff70e0" or "#a060ff", width = 2 })
  end
  add(ops, glow{ cx = cx, cy = cy, r = 34 * open, color = "#ffd0ff70", power = 1.5 })
  return ops
end

-- Layout ----------------------------------------------------------------------------

-- objects/enemies: goblins (frames 36 x 48 on (18, 46)), two rows per direction;
-- the skeleton (40 x 56 on (20, 53)) and its death (48 x 64 on (24, 58)).
local strips = {}
walker_strips(strips, "goblin_", goblin, goblinActions, { "walk", "bag", "fear" }, 0, 0, 36, 48, 18, 46,
              { bag = "carrying the loot home", fear = "beaten, running home" })
walker_strips(strips, "goblin_", goblin, goblinActions, { "protect", "pick" }, 0, 192, 36, 48, 18, 46,
              { protect = "held by the hero", pick = "looped; the blow lands on frame 7 (index 7)" })
walker_strips(strips, "skeleton_", skeleton, skeletonActions, { "walk", "lost_hand" }, 0, 384, 40, 56, 20, 53,
              { lost_hand = "played once: the hand drops and is put back" })
strips[#strips + 1] = strip{ name = "skeleton_death0", x = 480, y = 384, w = 48, h = 64, count = 8, columns = 4, fps = 10, hx = 24, hy = 58,
                             draw = skeleton_death, note = "played once: falls to a pile of bones" }
texture{ path = "objects/enemies", size = { 1024, 1024 }, strips = strips }

-- objects/enemies_magic: the succubus and the witch (52 x 72 on (26, 68)), one row
-- per direction of walk, magic and death; the appear animations and the portal
-- (64 x 96 on (32, 90)).
local FW, FH, HX, HY = 52, 72, 26, 68
local magic = {}
walker_strips(magic, "succub_", succubus, succubActions, { "walk", "magic", "death" }, 0, 0, FW, FH, HX, HY,
              { magic = "played once per charm pulse", death = "played once: she vanishes" })
walker_strips(magic, "witch_", witch, witchActions, { "walk", "magic", "death" }, 0, 4 * FH, FW, FH, HX, HY,
              { magic = "played once: a frost spell", death = "played once: she melts away" })
magic[#magic + 1] = strip{ name = "succub_appear0", x = 0, y = 8 * FH, w = FW, h = FH, count = 8, fps = 10, hx = HX, hy = HY,
                           draw = function(i) return succub_appear(i, FW, FH, HX, HY) end, note = "played once: out of the portal" }
magic[#magic + 1] = strip{ name = "witch_appear0", x = 8 * FW, y = 8 * FH, w = FW, h = FH, count = 8, fps = 10, hx = HX, hy = HY,
                           draw = function(i) return witch_appear(i, FW, FH, HX, HY) end, note = "played once: out of a puff of smoke" }
magic[#magic + 1] = strip{ name = "succub_portal", x = 0, y = 9 * FH, w = 64, h = 96, count = 8, fps = 8, hx = 32, hy = 90,
                           draw = portal, note = "played once; the hero and the wife come home through it too" }
texture{ path = "objects/enemies_magic", size = { 1024, 1024 }, strips = magic }
