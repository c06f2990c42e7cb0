-- data/texture/back: scene backgrounds. A scene is painted as one 1024 x 768
-- picture and cut into the four pictures the background object lays out two by
-- two from the bottom-left: _0 bottom-left 512 x 512, _1 top-left 512 x 256,
-- _2 bottom-right 512 x 512, _3 top-right 512 x 256.
local quarters = {
  { 0, 256, 512, 512 }, { 0, 0, 512, 256 }, { 512, 256, 512, 512 }, { 512, 0, 512, 256 },
}
local function scene(name, draw)
  for i, q in ipairs(quarters) do
    texture{ path = "back/" .. name .. "_" .. (i - 1), size = { q[3], q[4] }, plain = true,
             draw = { group{ dx = -q[1], dy = -q[2], ops = draw } } }
  end
end

local function hills(skyTop, skyBottom, near, far, seed)
  return {
    gradient{ x = 0, y = 0, w = 1024, h = 768, from = skyTop, to = skyBottom },
    ellipse{ cx = 250, cy = 520, rx = 450, ry = 180, fill = far },
    ellipse{ cx = 820, cy = 540, rx = 420, ry = 200, fill = far },
    rect{ x = 0, y = 500, w = 1024, h = 268, fill = near },
    speckle{ x = 0, y = 500, w = 1024, h = 268, count = 220, size = 2, color = "#00000018", seed = seed },
  }
end

scene("menu", join(hills("#5a8ad8", "#d8ecff", "#5a9a3a", "#7ab85a", 11), {
  circle{ cx = 840, cy = 140, r = 60, fill = "#fff2a0" }, glow{ cx = 840, cy = 140, r = 140, color = "#fff2a060" },
  rect{ x = 120, y = 330, w = 160, h = 200, fill = "#c8b090", outline = "#5a4a30", width = 4 },
  poly{ points = { 100, 335, 200, 230, 300, 335 }, fill = palette.red, outline = palette.red_dark, width = 4 },
  rect{ x = 180, y = 440, w = 40, h = 90, fill = palette.brown },
  rect{ x = 340, y = 120, w = 344, h = 460, r = 24, fill = "#00000030" },
}))
scene("map", join(hills("#8ab8e0", "#e8f4ff", "#8ab860", "#a0c878", 12), {
  ellipse{ cx = 512, cy = 420, rx = 470, ry = 330, fill = "#d8c8a0", outline = "#8a7450", width = 6 },
  speckle{ x = 80, y = 120, w = 860, h = 600, count = 90, size = 5, color = "#6a9a4a80", seed = 21 },
  poly{ points = { 700, 300, 760, 200, 820, 300 }, fill = palette.stone, outline = "#5a6068", width = 3 },
  poly{ points = { 760, 320, 830, 190, 900, 320 }, fill = "#b0b8c0", outline = "#5a6068", width = 3 },
  ellipse{ cx = 260, cy = 560, rx = 120, ry = 60, fill = "#6aa8e0", outline = "#3a6a9a", width = 3 },
}))
scene("achieve", {
  gradient{ x = 0, y = 0, w = 1024, h = 768, from = "#2a1a40", to = "#6a4a8a" },
  speckle{ x = 0, y = 0, w = 1024, h = 768, count = 120, size = 1.5, color = "#fff6b0a0", seed = 31 },
  rect{ x = 40, y = 40, w = 944, h = 688, r = 30, outline = palette.gold, width = 6 },
  label{ x = 512, y = 70, text = "ACHIEVEMENTS", scale = 6, align = "center", color = palette.gold, outline = "#2a1a40" },
})
scene("comics", {
  gradient{ x = 0, y = 0, w = 1024, h = 768, from = "#3a2a20", to = "#1a120c" },
  speckle{ x = 0, y = 0, w = 1024, h = 768, count = 80, size = 2, color = "#ffffff10", seed = 41 },
})
-- Level "000" has two brooks on path-grid columns 11 and 20 (blocked ground the
-- bridges cross) and a rock wall on column 8 with a gap for the log; the points
-- trace those cells' edges on the picture (y down).
local function brooks000()
  local ops = {}
  for _, strip in ipairs({ { -164, 810, -117, 823, 867, -162, 821, -174 }, { 254, 922, 300, 934, 1284, -50, 1238, -62 } }) do
    ops[#ops + 1] = poly{ points = strip, fill = "#4a90d8", outline = "#2a5a98", width = 4 }
    ops[#ops + 1] = poly{ points = { strip[1] + 12, strip[2], strip[3] - 12, strip[4], strip[5] - 12, strip[6],
                                     strip[7] + 12, strip[8] }, fill = "#7ab8f0" }
  end
  for _, rock in ipairs({ { 9, 491 }, { 43, 457 }, { 77, 423 }, { 111, 389 }, { 145, 355 }, { 179, 321 },
                          { 213, 287 }, { 281, 219 }, { 314, 185 }, { 348, 151 }, { 382, 117 }, { 416, 83 },
                          { 450, 49 }, { 484, 16 } }) do
    ops[#ops + 1] = ellipse{ cx = rock[1], cy = rock[2], rx = 28, ry = 20, fill = palette.stone, outline = "#5a6068",
                             width = 3 }
  end
  return ops
end
scene("000", join(hills("#7ab0e8", "#e0f0ff", "#7cbf4a", "#9ad06a", 51), {
  speckle{ x = 0, y = 520, w = 1024, h = 248, count = 160, size = 3, color = "#5a9a3080", seed = 52 },
  ellipse{ cx = 512, cy = 640, rx = 380, ry = 60, fill = "#c8a870" },
}, brooks000()))

-- The play levels "001".."039": placeholder ground, a colour of its own per level
-- (the hue turns with the level number) with the number painted faintly in the
-- middle, so a tester sees at once which level is on screen.
local function hex(r, g, b)
  local function byte(v) return math.max(0, math.min(255, math.floor(v * 255 + 0.5))) end
  return string.format("#%02x%02x%02x", byte(r), byte(g), byte(b))
end
local function hsv(h, s, v)
  local i = math.floor(h * 6) % 6
  local f = h * 6 - math.floor(h * 6)
  local p, q, t = v * (1 - s), v * (1 - f * s), v * (1 - (1 - f) * s)
  local rgb = ({ { v, t, p }, { q, v, p }, { p, v, t }, { p, q, v }, { t, p, v }, { v, p, q } })[i + 1]
  return hex(rgb[1], rgb[2], rgb[3])
end
for n = 1, 39 do
  local name = string.format("%03d", n)
  -- Hues step by the golden ratio, so neighbouring levels never look alike.
  local hue = (0.23 + n * 0.618034) % 1
  scene(name, {
    gradient{ x = 0, y = 0, w = 1024, h = 768, from = hsv(hue, 0.35, 0.72), to = hsv(hue, 0.45, 0.52) },
    speckle{ x = 0, y = 0, w = 1024, h = 768, count = 260, size = 3, color = "#00000016", seed = 100 + n },
    speckle{ x = 0, y = 0, w = 1024, h = 768, count = 140, size = 2, color = "#ffffff14", seed = 200 + n },
    label{ x = 512, y = 384, text = name, scale = 16, align = "center", valign = "middle", color = "#ffffff30" },
  })
end
