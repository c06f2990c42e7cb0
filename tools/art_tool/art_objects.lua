-- data/texture/objects: the resource sites of a level (trees and their stump, the
-- gold nugget, the mana well), the food fields and the four pick-ups. A site's
-- hot spot is the point where it stands on the ground.

local ink = palette.ink
local bark, barkDark = "#7a4a22", "#3e2410"

-- Trees: 128 x 144 frames standing on (64, 132); the crown fills the upper two
-- thirds, where the pointer finds a tree.
local function trunk(fill, line)
  return poly{ points = { 54, 135, 74, 135, 69, 124, 67, 76, 61, 76, 59, 124 }, fill = fill or bark, outline = line or barkDark, width = 1.5 }
end

-- A leafy crown from circles { x, y, r }: a dark rim first, then the fill, so
-- the circles merge into one outlined shape; light dabs give it a sunny side.
local function crown(circles, fill, dark, light)
  local ops = {}
  for _, c in ipairs(circles) do ops[#ops + 1] = circle{ cx = c[1], cy = c[2], r = c[3] + 2, fill = dark } end
  for _, c in ipairs(circles) do ops[#ops + 1] = circle{ cx = c[1], cy = c[2], r = c[3], fill = fill } end
  for _, c in ipairs(circles) do ops[#ops + 1] = circle{ cx = c[1] - c[3] * 0.3, cy = c[2] - c[3] * 0.35, r = c[3] * 0.35, fill = light } end
  return ops
end

local broadleaf = {
  -- A round crown.
  function() return join(trunk(), crown({ { 64, 72, 30 }, { 40, 84, 20 }, { 88, 84, 20 }, { 50, 54, 22 }, { 78, 54, 22 }, { 64, 42, 18 } },
                                        "#3e9a3a", "#1f5e24", "#6cc45a")) end,
  -- A tall oval crown.
  function() return join(trunk(), crown({ { 64, 90, 20 }, { 64, 68, 24 }, { 64, 46, 22 }, { 64, 30, 14 }, { 50, 78, 16 }, { 78, 78, 16 } },
                                        "#2f7d3a", "#174a20", "#58a860")) end,
  -- A wide crown with red fruit.
  function()
    local ops = join(trunk(), crown({ { 36, 78, 22 }, { 64, 70, 28 }, { 92, 78, 22 }, { 48, 52, 20 }, { 80, 52, 20 } },
                                    "#4caf50", "#1f5e24", "#80d070"))
    for _, p in ipairs({ { 38, 70 }, { 58, 84 }, { 74, 62 }, { 90, 86 }, { 52, 50 }, { 84, 48 } }) do
      ops[#ops + 1] = circle{ cx = p[1], cy = p[2], r = 3.5, fill = palette.red, outline = palette.red_dark }
    end
    return ops
  end,
  -- A light birch with a white trunk.
  function()
    local ops = join({ trunk("#eeeae0", "#5a5650") },
                     { line{ x1 = 61, y1 = 100, x2 = 66, y2 = 100, width = 2, color = ink },
                       line{ x1 = 63, y1 = 114, x2 = 68, y2 = 114, width = 2, color = ink } },
                     crown({ { 64, 76, 24 }, { 46, 64, 18 }, { 82, 64, 18 }, { 64, 48, 22 }, { 64, 30, 13 } }, "#9cc844", "#4a6a18", "#c8e878"))
    return ops
  end,
}

-- A fir: tiers of triangles, the lowest widest.
local function fir(tiers, halfWidth, fill, dark, light)
  local ops = { trunk() }
  local top, bottom = 22, 112
  local step = (bottom - top) / (tiers + 0.4)
  for t = 1, tiers do
    local tipY = top + (t - 1) * step * 0.8
    local baseY = tipY + step * 1.55
    local w = halfWidth * (0.55 + 0.45 * t / tiers)
    ops[#ops + 1] = poly{ points = { 64, tipY, 64 + w, baseY, 64 - w, baseY }, fill = fill, outline = dark, width = 2 }
    ops[#ops + 1] = poly{ points = { 64, tipY + 6, 64 - w * 0.7, baseY - 3, 64 - w * 0.35, baseY - 3 }, fill = light }
  end
  return ops
end
local conifers = {
  function() return fir(3, 50, "#2e6b4a", "#12362a", "#4a8c64") end,
  function() return fir(4, 36, "#3a7a7a", "#163c40", "#5aa0a0") end,
  function()
    local ops = fir(3, 44, "#24604a", "#0e3024", "#3e7e60")
    for _, p in ipairs({ { 52, 74 }, { 78, 96 }, { 60, 104 }, { 72, 52 } }) do
      ops[#ops + 1] = ellipse{ cx = p[1], cy = p[2], rx = 3, ry = 4.5, fill = "#8a5a32", outline = barkDark }
    end
    return ops
  end,
}

local function stump()
  return {
    ellipse{ cx = 64, cy = 134, rx = 16, ry = 5, fill = "#5a8a3a" },
    rect{ x = 55, y = 118, w = 18, h = 16, fill = bark, outline = barkDark, width = 1.5 },
    ellipse{ cx = 64, cy = 134, rx = 9, ry = 3, fill = bark },
    ellipse{ cx = 64, cy = 118, rx = 9, ry = 4, fill = "#e0b880", outline = barkDark, width = 1.5 },
    ellipse{ cx = 64, cy = 118, rx = 5, ry = 2, outline = "#a07840", width = 1 },
    poly{ points = { 40, 132, 47, 129, 49, 133 }, fill = "#e0b880", outline = barkDark },
    poly{ points = { 80, 130, 88, 131, 84, 135 }, fill = "#e0b880", outline = barkDark },
  }
end

local function shadow(w, h, cx, cy, rx, ry)
  return function() return { ellipse{ cx = cx, cy = cy, rx = rx, ry = ry, fill = "#00000050" },
                             ellipse{ cx = cx, cy = cy, rx = rx * 0.65, ry = ry * 0.6, fill = "#00000020" } } end
end

-- Gold nugget: 80 x 64 frames on (40, 48); frame i shows 5 - i portions left,
-- the gold shrinking to a few crumbs on the bare rock.
local function nugget(i)
  local ops = {
    poly{ points = { 10, 52, 14, 38, 28, 30, 52, 29, 66, 36, 71, 50, 60, 57, 20, 57 }, fill = "#8a8478", outline = "#3e3a34", width = 2 },
    poly{ points = { 16, 40, 28, 33, 50, 32, 40, 40, 22, 44 }, fill = "#a8a296" },
  }
  local lumps = { { 40, 36, 13 }, { 26, 42, 8 }, { 54, 42, 8 }, { 33, 27, 7 }, { 48, 26, 6 } }
  local scale = ({ 1.0, 0.85, 0.7, 0.55, 0.4 })[i + 1]
  if scale then
    for k = 1, #lumps - i do
      local l = lumps[k]
      local r = l[3] * scale
      ops[#ops + 1] = circle{ cx = l[1], cy = l[2] + (1 - scale) * 8, r = r, fill = palette.gold, outline = palette.gold_dark, width = 1.5 }
      ops[#ops + 1] = circle{ cx = l[1] - r * 0.35, cy = l[2] + (1 - scale) * 8 - r * 0.35, r = r * 0.3, fill = "#fff4b0" }
    end
  else
    for _, p in ipairs({ { 30, 44 }, { 44, 40 }, { 52, 47 } }) do
      ops[#ops + 1] = circle{ cx = p[1], cy = p[2], r = 2, fill = palette.gold, outline = palette.gold_dark }
    end
  end
  ops[#ops + 1] = label{ x = 74, y = 2, text = tostring(5 - i), align = "right", color = palette.gold, outline = ink }
  return ops
end

-- Mana well: 96 x 112 frame on (48, 84). A stone basin whose water the water
-- sprite fills, and a post with a little roof, a crank and a bucket on the left.
local function well()
  local stone, stoneLight, stoneDark = "#8a8fa0", "#b0b6c8", "#3a3e4c"
  local ops = {
    rect{ x = 16, y = 16, w = 12, h = 48, fill = bark, outline = barkDark, width = 1.5 },
    poly{ points = { 8, 22, 36, 22, 22, 5 }, fill = palette.red, outline = palette.red_dark, width = 1.5 },
    line{ x1 = 24, y1 = 26, x2 = 52, y2 = 26, width = 3, color = barkDark },
    line{ x1 = 50, y1 = 26, x2 = 50, y2 = 42, width = 1, color = "#d8c8a0" },
    rect{ x = 45, y = 40, w = 10, h = 8, fill = "#a07040", outline = barkDark },
    ellipse{ cx = 48, cy = 95, rx = 36, ry = 11, fill = stone, outline = stoneDark, width = 2 },
    rect{ x = 12, y = 56, w = 72, h = 39, fill = stone },
    line{ x1 = 12, y1 = 56, x2 = 12, y2 = 95, width = 2, color = stoneDark },
    line{ x1 = 84, y1 = 56, x2 = 84, y2 = 95, width = 2, color = stoneDark },
  }
  for k = 0, 3 do
    local x = 22 + k * 17
    ops[#ops + 1] = line{ x1 = x, y1 = 68 + (k % 2) * 4, x2 = x, y2 = 82 + (k % 2) * 4, width = 1, color = stoneDark }
  end
  ops[#ops + 1] = line{ x1 = 14, y1 = 78, x2 = 82, y2 = 80, width = 1, color = stoneDark }
  for _, x in ipairs({ 30, 48, 66 }) do
    ops[#ops + 1] = circle{ cx = x, cy = 89, r = 3.5, fill = palette.purple, outline = "#f0e0ff", width = 1 }
  end
  ops[#ops + 1] = ellipse{ cx = 48, cy = 56, rx = 36, ry = 11, fill = stoneLight, outline = stoneDark, width = 2 }
  ops[#ops + 1] = ellipse{ cx = 48, cy = 56, rx = 29, ry = 7.5, fill = "#1c2a44" }
  return ops
end

-- The well's water (64 x 48 frames, the surface 28 above the well's foot):
-- ripples and glints that circle round, looped.
local function water(i)
  local ops = { ellipse{ cx = 32, cy = 18, rx = 29, ry = 7.5, fill = "#3a90e0" },
                ellipse{ cx = 32, cy = 19, rx = 22, ry = 5, fill = "#50b0ff" } }
  local rx = 5 + i * 3
  ops[#ops + 1] = ellipse{ cx = 32, cy = 18, rx = rx, ry = rx * 0.27, outline = string.format("#e0f8ff%02x", 200 - i * 22), width = 1.2 }
  for k = 0, 1 do
    local a = (i / 8 + k / 2) * 2 * math.pi
    ops[#ops + 1] = ellipse{ cx = 32 + math.cos(a) * 15, cy = 18 + math.sin(a) * 3.5, rx = 5, ry = 1.4, fill = "#e8fbffd0" }
  end
  return ops
end

-- The well's glow (96 x 112 frames on (48, 104)): a violet haze over the water
-- with sparks rising through it, looped; the game fades it in and out.
local function glow_frame(i)
  local ops = { glow{ cx = 48, cy = 70, r = 46, color = "#9a7cffb0", power = 1.4 },
                glow{ cx = 48, cy = 76, r = 22, color = "#d8ccffc0", power = 1.2 } }
  for k = 0, 4 do
    local t = (i / 8 + k / 5) % 1
    local x = 48 + math.sin(k * 2.1 + i * 0.8) * 20
    local y = 78 - t * 66
    ops[#ops + 1] = star{ cx = x, cy = y, r = 5 * (1 - t * 0.5), inner = 2, points = 4, fill = "#f4f0ff" }
  end
  return ops
end

local sourceStrips = {}
local function add(s) sourceStrips[#sourceStrips + 1] = strip(s) end
for v, draw in ipairs(broadleaf) do
  add{ name = "tree00_" .. (v - 1), x = (v - 1) * 128, y = 0, w = 128, h = 144, hx = 64, hy = 132, draw = draw }
end
for v, draw in ipairs(conifers) do
  add{ name = "tree01_" .. (v - 1), x = (v + 3) * 128, y = 0, w = 128, h = 144, hx = 64, hy = 132, draw = draw }
end
add{ name = "stump00", x = 896, y = 0, w = 128, h = 144, hx = 64, hy = 132, draw = stump }
add{ name = "tree00_sh", x = 0, y = 144, w = 128, h = 64, hx = 40, hy = 34, draw = shadow(128, 64, 70, 34, 54, 17) }
add{ name = "tree01_sh", x = 128, y = 144, w = 128, h = 64, hx = 40, hy = 34, draw = shadow(128, 64, 72, 34, 52, 12) }
add{ name = "nugget00_sh", x = 256, y = 144, w = 96, h = 48, hx = 44, hy = 22, draw = shadow(96, 48, 50, 24, 38, 12) }
add{ name = "well00_sh", x = 352, y = 144, w = 128, h = 64, hx = 52, hy = 30, draw = shadow(128, 64, 64, 32, 54, 17) }
add{ name = "well00", x = 480, y = 144, w = 96, h = 112, hx = 48, hy = 84, draw = well }
add{ name = "nugget00", x = 0, y = 256, w = 80, h = 64, count = 6, hx = 40, hy = 48, draw = nugget,
     note = "frame i: 5 - i portions left" }
add{ name = "well00_water", x = 480, y = 256, w = 64, h = 48, count = 8, fps = 8, hx = 32, hy = 46, draw = water }
add{ name = "well00_effect", x = 0, y = 320, w = 96, h = 112, count = 8, fps = 10, hx = 48, hy = 104, draw = glow_frame }
texture{ path = "objects/sources", size = { 1024, 512 }, strips = sourceStrips }

-- Fields: 176 x 128 frames on the middle of a plot of 2 x 2 grid cells (88, 78);
-- frames 0 to 4 grow from bare soil to the ripe crop.
local function plot_corner(a, b) return grid_point(88, 78, a, b) end
local function field(soil, furrow, plant)
  return function(g)
    local k = 0.92
    local ops = { poly{ points = flat({ plot_corner(-k, -k), plot_corner(k, -k), plot_corner(k, k), plot_corner(-k, k) }),
                        fill = soil, outline = "#4a2c14", width = 2 } }
    local rows = { -0.72, -0.36, 0, 0.36, 0.72 }
    for _, b in ipairs(rows) do
      local p, q = plot_corner(-0.85, b), plot_corner(0.85, b)
      ops[#ops + 1] = line{ x1 = p[1], y1 = p[2], x2 = q[1], y2 = q[2], width = 2, color = furrow }
    end
    -- Plants back to front, so nearer ones cover farther ones.
    local spots = {}
    for _, b in ipairs(rows) do
      for k = 0, 5 do spots[#spots + 1] = plot_corner(-0.72 + k * 0.288, b) end
    end
    table.sort(spots, function(p, q) return p[2] < q[2] end)
    for _, p in ipairs(spots) do
      for _, op in ipairs(plant(g, p[1], p[2])) do ops[#ops + 1] = op end
    end
    return ops
  end
end

local function wheat(g, x, y)
  if g == 0 then return { circle{ cx = x, cy = y, r = 1.5, fill = "#e0c878" } } end
  local heights = { 5, 12, 18, 21 }
  local colors = { "#6ac040", "#4caf50", "#a8c040", "#e0b030" }
  local h, c = heights[g], colors[g]
  local ops = {}
  for _, dx in ipairs({ -3, 0, 3 }) do
    ops[#ops + 1] = line{ x1 = x, y1 = y, x2 = x + dx, y2 = y - h, width = 1.5, color = c }
    if g >= 3 then
      ops[#ops + 1] = ellipse{ cx = x + dx, cy = y - h - 2, rx = 1.8, ry = 4, fill = g == 4 and palette.gold or "#c8d060", outline = g == 4 and palette.gold_dark or "#6a7a20", width = 0.8 }
    end
  end
  return ops
end

local function tomato(g, x, y)
  if g == 0 then return { circle{ cx = x, cy = y, r = 1.5, fill = "#c89050" } } end
  if g == 1 then
    return { line{ x1 = x, y1 = y, x2 = x, y2 = y - 5, width = 1.5, color = "#4caf50" },
             ellipse{ cx = x - 3, cy = y - 6, rx = 3, ry = 1.6, fill = "#6ac040" },
             ellipse{ cx = x + 3, cy = y - 6, rx = 3, ry = 1.6, fill = "#6ac040" } }
  end
  local r = g == 2 and 5 or 7
  local ops = { circle{ cx = x, cy = y - r, r = r, fill = "#3a8a30", outline = "#1a4a18", width = 1 } }
  if g >= 3 then
    local fruit, rim = g == 4 and "#e83a2a" or "#9ac850", g == 4 and "#7c1c18" or "#4a6a20"
    for _, d in ipairs({ { -3, -4 }, { 3, -7 }, { 1, -1 } }) do
      ops[#ops + 1] = circle{ cx = x + d[1], cy = y - r + d[2] + 3, r = 2.4, fill = fruit, outline = rim, width = 0.8 }
    end
  end
  return ops
end

texture{
  path = "objects/fields", size = { 1024, 256 },
  strips = {
    strip{ name = "field00", x = 0, y = 0, w = 176, h = 128, count = 5, hx = 88, hy = 78, draw = field("#8a5a32", "#6a4020", wheat),
           note = "wheat: frame 0 sown, 4 ripe" },
    strip{ name = "field01", x = 0, y = 128, w = 176, h = 128, count = 5, hx = 88, hy = 78, draw = field("#6e4a30", "#4e3020", tomato),
           note = "tomatoes: frame 0 sown, 4 ripe" },
    -- The pick-ups, 64 x 64 each, lying on (32, 52).
    strip{ name = "food", x = 880, y = 0, w = 64, h = 64, hx = 32, hy = 52, draw = function() return {
      ellipse{ cx = 31, cy = 28, rx = 14, ry = 7, fill = "#e0b060", outline = "#8a5a20", width = 1.5 },
      circle{ cx = 20, cy = 31, r = 7, fill = palette.red, outline = palette.red_dark, width = 1.5 },
      circle{ cx = 44, cy = 32, r = 6.5, fill = "#f0a030", outline = "#8a5010", width = 1.5 },
      circle{ cx = 32, cy = 34, r = 7, fill = palette.red, outline = palette.red_dark, width = 1.5 },
      poly{ points = { 9, 36, 55, 36, 48, 56, 16, 56 }, fill = "#c08a40", outline = "#6a4420", width = 2 },
      line{ x1 = 12, y1 = 44, x2 = 52, y2 = 44, width = 1.5, color = "#8a5a2a" },
      line{ x1 = 14, y1 = 50, x2 = 50, y2 = 50, width = 1.5, color = "#8a5a2a" },
    } end },
    strip{ name = "wood", x = 944, y = 0, w = 64, h = 64, hx = 32, hy = 52, draw = function()
      local ops = {}
      for _, c in ipairs({ { 21, 45 }, { 43, 45 }, { 32, 27 } }) do
        ops[#ops + 1] = circle{ cx = c[1], cy = c[2], r = 10.5, fill = "#c89058", outline = "#6a4420", width = 2 }
        ops[#ops + 1] = circle{ cx = c[1], cy = c[2], r = 5, outline = "#8a5a2a", width = 1 }
        ops[#ops + 1] = circle{ cx = c[1], cy = c[2], r = 1.5, fill = "#6a4420" }
      end
      ops[#ops + 1] = line{ x1 = 8, y1 = 38, x2 = 56, y2 = 38, width = 3, color = "#d8c890" }
      return ops
    end },
    strip{ name = "money", x = 880, y = 64, w = 64, h = 64, hx = 32, hy = 52, draw = function() return {
      poly{ points = { 24, 18, 40, 18, 36, 24, 50, 36, 50, 52, 14, 52, 14, 36, 28, 24 }, fill = "#c8a060", outline = "#6a4a20", width = 2 },
      line{ x1 = 25, y1 = 22, x2 = 39, y2 = 22, width = 2.5, color = "#8a3020" },
      label{ x = 32, y = 40, text = "$", scale = 2, align = "center", valign = "middle", color = "#6a4a20" },
      ellipse{ cx = 50, cy = 55, rx = 8, ry = 3, fill = palette.gold, outline = palette.gold_dark },
      ellipse{ cx = 50, cy = 52, rx = 8, ry = 3, fill = palette.gold, outline = palette.gold_dark },
      ellipse{ cx = 14, cy = 55, rx = 7, ry = 3, fill = palette.gold, outline = palette.gold_dark },
    } end },
    strip{ name = "mana", x = 944, y = 64, w = 64, h = 64, hx = 32, hy = 52, draw = function() return {
      glow{ cx = 32, cy = 32, r = 28, color = "#a080ffa0", power = 1.5 },
      poly{ points = { 32, 8, 46, 24, 42, 50, 22, 50, 18, 24 }, fill = "#7a5cf0", outline = "#2c1a70", width = 2 },
      poly{ points = { 32, 8, 38, 26, 32, 50, 26, 26 }, fill = "#a890ff" },
      poly{ points = { 32, 8, 26, 26, 18, 24 }, fill = "#d0c4ff" },
      star{ cx = 48, cy = 14, r = 5, inner = 1.8, points = 4, fill = palette.white },
    } end },
  },
}
