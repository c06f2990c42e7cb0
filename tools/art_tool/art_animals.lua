-- data/texture/animals: chipmunk and rabbit (run and look-around in four
-- directions: 0 right, 1 away, 2 left, 3 toward the viewer), and the birds.
-- Walkers stand on their hot spot: the middle of the frame's bottom edge.

-- One critter frame: body, head, ear(s), tail; dir picks the view, step the leg phase.
local function critter(kind, dir, step, alert, size)
  local body, dark, belly = "#b07840", "#5a3818", "#f0d8b0"
  if kind == "rabbit" then body, dark, belly = "#c8c0b8", "#6a6058", "#ffffff" end
  local s = size / 48
  local hop = alert and 0 or math.abs(math.sin(step * math.pi / 2)) * 4
  local by = 30 - hop
  local ops = {}
  local function o(t) ops[#ops + 1] = t end
  if dir == 0 or dir == 2 then
    local f = dir == 0 and 1 or -1 -- facing right or left
    local cx = 24
    local function X(x) return (cx + (x - cx) * f) * s end
    if kind == "chip" then
      o(ellipse{ cx = X(12), cy = (by - 8) * s, rx = 5 * s, ry = 10 * s, fill = dark })
    else
      o(circle{ cx = X(13), cy = (by - 1) * s, r = 4 * s, fill = palette.white, outline = dark })
    end
    o(ellipse{ cx = X(23), cy = by * s, rx = 11 * s, ry = 8 * s, fill = body, outline = dark, width = 1.5 })
    local leg = alert and 0 or (step % 2 == 0 and 3 or -3)
    o(line{ x1 = X(18), y1 = (by + 5) * s, x2 = X(18 - leg), y2 = 45 * s, width = 3 * s, color = dark })
    o(line{ x1 = X(28), y1 = (by + 5) * s, x2 = X(28 + leg), y2 = 45 * s, width = 3 * s, color = dark })
    local hy = alert and by - 12 or by - 6
    o(circle{ cx = X(33), cy = hy * s, r = 7 * s, fill = body, outline = dark, width = 1.5 })
    if kind == "rabbit" then
      o(ellipse{ cx = X(31), cy = (hy - 11) * s, rx = 2.5 * s, ry = 8 * s, fill = body, outline = dark })
    else
      o(circle{ cx = X(31), cy = (hy - 6) * s, r = 2.5 * s, fill = body, outline = dark })
    end
    o(circle{ cx = X(36), cy = (hy - 1) * s, r = 1.6 * s, fill = palette.ink })
  else
    -- Seen from behind (1) or from the front (3).
    local front = dir == 3
    local hopY = by
    o(ellipse{ cx = 24 * s, cy = hopY * s, rx = 9 * s, ry = 10 * s, fill = body, outline = dark, width = 1.5 })
    if front then o(ellipse{ cx = 24 * s, cy = (hopY + 2) * s, rx = 5 * s, ry = 6 * s, fill = belly }) end
    local legOffset = alert and 0 or (step % 2 == 0 and 2 or -2)
    o(line{ x1 = 20 * s, y1 = (hopY + 8) * s, x2 = 20 * s, y2 = (45 + legOffset * 0.5) * s, width = 3 * s, color = dark })
    o(line{ x1 = 28 * s, y1 = (hopY + 8) * s, x2 = 28 * s, y2 = (45 - legOffset * 0.5) * s, width = 3 * s, color = dark })
    local hy = alert and hopY - 15 or hopY - 11
    o(circle{ cx = 24 * s, cy = hy * s, r = 7 * s, fill = body, outline = dark, width = 1.5 })
    if kind == "rabbit" then
      o(ellipse{ cx = 20 * s, cy = (hy - 11) * s, rx = 2.5 * s, ry = 8 * s, fill = body, outline = dark })
      o(ellipse{ cx = 28 * s, cy = (hy - 11) * s, rx = 2.5 * s, ry = 8 * s, fill = body, outline = dark })
    else
      o(circle{ cx = 19 * s, cy = (hy - 6) * s, r = 2.5 * s, fill = body, outline = dark })
      o(circle{ cx = 29 * s, cy = (hy - 6) * s, r = 2.5 * s, fill = body, outline = dark })
    end
    if front then
      o(circle{ cx = 21 * s, cy = (hy - 1) * s, r = 1.5 * s, fill = palette.ink })
      o(circle{ cx = 27 * s, cy = (hy - 1) * s, r = 1.5 * s, fill = palette.ink })
    elseif kind == "rabbit" then
      o(circle{ cx = 24 * s, cy = (hopY + 8) * s, r = 4 * s, fill = palette.white })
    else
      o(ellipse{ cx = 24 * s, cy = (hopY - 4) * s, rx = 4 * s, ry = 10 * s, fill = dark })
    end
  end
  if alert and step % 2 == 1 then o(label{ x = size - 8, y = 2, text = "!", color = palette.red, outline = palette.white }) end
  return ops
end

local function animal(kind, size)
  local strips = {}
  for dir = 0, 3 do
    strips[#strips + 1] = strip{ name = kind .. "_run" .. dir, x = 0, y = dir * size, w = size, h = size, count = 4, fps = 12,
      hy = size, draw = function(i) return critter(kind, dir, i, false, size) end }
    strips[#strips + 1] = strip{ name = kind .. "_alert" .. dir, x = 4 * size, y = dir * size, w = size, h = size, count = 4, fps = 4,
      hy = size, draw = function(i) return critter(kind, dir, i, true, size) end }
  end
  texture{ path = "animals/" .. kind, size = { 8 * size, 4 * size }, strips = strips }
end
animal("chip", 32)
animal("rabbit", 64)

-- Birds: three kinds, each with a wing-flap loop (idle), a glide or dive
-- (action) and a ground shadow.
local birds = { { "#404858", "#e8a040" }, { "#a04030", "#f0d060" }, { "#f0f0f0", "#f0a040" } }
local function bird(color, beak, phase, glide)
  local wing = glide and 0 or math.sin(phase * math.pi / 2) * 12
  return {
    poly{ points = { 16, 16, 8, 16 - wing, 26, 16 }, fill = color, outline = palette.ink, width = 1 },
    ellipse{ cx = 32, cy = 18, rx = 16, ry = 6, fill = color, outline = palette.ink, width = 1.5 },
    poly{ points = { 30, 16, 22, 16 - wing * 1.4, 42, 16 }, fill = color, outline = palette.ink, width = 1 },
    circle{ cx = 47, cy = 15, r = 5, fill = color, outline = palette.ink, width = 1.5 },
    poly{ points = { 51, 13, 58, 15, 51, 17 }, fill = beak },
    poly{ points = { 16, 16, 6, 12, 6, 22 }, fill = color, outline = palette.ink, width = 1 },
  }
end
local birdStrips = {}
for b, colors in ipairs(birds) do
  local row = (b - 1) * 32
  local name = string.format("bird%02d", b - 1)
  birdStrips[#birdStrips + 1] = strip{ name = name .. "_idle", x = 0, y = row, w = 64, h = 32, count = 4, fps = 10,
    draw = function(i) return bird(colors[1], colors[2], i, false) end }
  birdStrips[#birdStrips + 1] = strip{ name = name .. "_action", x = 256, y = row, w = 64, h = 32, count = 2, fps = 4,
    draw = function(i) return bird(colors[1], colors[2], i, i == 1) end }
  birdStrips[#birdStrips + 1] = strip{ name = name .. "_sh", x = 384, y = row, w = 64, h = 32,
    draw = function() return { ellipse{ cx = 32, cy = 16, rx = 20, ry = 5, fill = "#00000040" } } end }
end
texture{ path = "animals/birds", size = { 512, 128 }, strips = birdStrips }
