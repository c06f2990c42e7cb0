-- data/texture/objects/decor: the level editor's scenery that no object draws on
-- its own: ground pads of one to three cells a side, water and lava pools, the
-- advisor tower's pad, a spring and a butterfly. Pads lie on the path grid.

-- A pad of a x b cells around the frame's centre, in a theme's two colours.
local function pad(a, b, fill, edge)
  return function()
    local cx, cy = 128, 80
    local corners = { grid_point(cx, cy, -a / 2, -b / 2), grid_point(cx, cy, a / 2, -b / 2),
                      grid_point(cx, cy, a / 2, b / 2), grid_point(cx, cy, -a / 2, b / 2) }
    return { poly{ points = flat(corners), fill = fill, outline = edge, width = 3 } }
  end
end

-- A pool whose ripples move with the frame.
local function pool(fill, light)
  return function(i)
    return { ellipse{ cx = 64, cy = 32, rx = 58, ry = 26, fill = fill },
             ring{ cx = 64 + i * 3 - 4, cy = 30, r = 10 + i * 2, width = 2, color = light } }
  end
end

local themes = { { "#c8b48a", "#8a7450" }, { "#a0a4a8", "#5a5e64" }, { "#b0d088", "#5a8030" } }
local sizes = { { 1, 1 }, { 2, 2 }, { 3, 2 }, { 3, 3 } }
local strips = {}
for t, theme in ipairs(themes) do
  for s, size in ipairs(sizes) do
    local index = (t - 1) * #sizes + (s - 1)
    strips[#strips + 1] = strip{ name = string.format("pad%02d_%dx%d", t - 1, size[1], size[2]),
                                 x = (index % 4) * 256, y = math.floor(index / 4) * 160, w = 256, h = 160, hx = 128, hy = 80,
                                 draw = pad(size[1], size[2], theme[1], theme[2]) }
  end
end
strips[#strips + 1] = strip{ name = "water00", x = 0, y = 480, w = 128, h = 64, count = 4, fps = 6, hx = 64, hy = 32,
                             draw = pool("#3a78c8c0", "#bfe6ff") }
strips[#strips + 1] = strip{ name = "water01", x = 512, y = 480, w = 128, h = 64, count = 4, fps = 6, hx = 64, hy = 32,
                             draw = pool("#2aa6a0c0", "#c8fff8") }
strips[#strips + 1] = strip{ name = "effect_lava_base", x = 0, y = 544, w = 128, h = 128, hx = 64, hy = 64, draw = function()
  return { ellipse{ cx = 64, cy = 64, rx = 60, ry = 40, fill = "#b02810", outline = "#5a1408", width = 3 } } end }
strips[#strips + 1] = strip{ name = "effect_lava_add", x = 128, y = 544, w = 128, h = 128, hx = 64, hy = 64, draw = function()
  return { ellipse{ cx = 50, cy = 56, rx = 30, ry = 14, fill = "#f08c2a90" }, ellipse{ cx = 80, cy = 74, rx = 24, ry = 10, fill = "#f6d74390" } } end }
strips[#strips + 1] = strip{ name = "tower_advisor_pad", x = 256, y = 544, w = 128, h = 64, hx = 64, hy = 32, draw = function()
  return { ellipse{ cx = 64, cy = 32, rx = 60, ry = 26, fill = "#9aa0a8", outline = "#5a5e64", width = 3 } } end }
strips[#strips + 1] = strip{ name = "source_water", x = 384, y = 544, w = 64, h = 64, count = 4, fps = 8, hx = 32, hy = 48, draw = function(i)
  return { ellipse{ cx = 32, cy = 50, rx = 26, ry = 10, fill = "#3a78c8", outline = "#1c3c6e", width = 2 },
           line{ x1 = 32, y1 = 48, x2 = 32, y2 = 22 - i * 2, width = 4, color = "#bfe6ff" } } end }
strips[#strips + 1] = strip{ name = "butterfly", x = 640, y = 544, w = 32, h = 32, count = 4, fps = 12, hx = 16, hy = 16, draw = function(i)
  local span = 4 + (i % 2 == 0 and 8 or 3)
  return { ellipse{ cx = 16 - span / 2, cy = 14, rx = span / 2, ry = 6, fill = palette.yellow, outline = palette.orange },
           ellipse{ cx = 16 + span / 2, cy = 14, rx = span / 2, ry = 6, fill = palette.yellow, outline = palette.orange },
           line{ x1 = 16, y1 = 8, x2 = 16, y2 = 22, width = 2, color = palette.ink } } end }

texture{ path = "objects/decor", size = { 1024, 1024 }, strips = strips }
