-- data/texture/particles: particle and effect textures.
picture("particles/part_rain", 16, 64, { line{ x1 = 8, y1 = 4, x2 = 8, y2 = 60, width = 3, color = "#b8d8ff90" },
                                          line{ x1 = 8, y1 = 40, x2 = 8, y2 = 60, width = 2, color = "#e8f4ffd0" } })
picture("particles/part_snow", 32, 32, { glow{ cx = 16, cy = 16, r = 15, color = "#ffffffff", power = 1.2 },
                                          circle{ cx = 16, cy = 16, r = 5, fill = palette.white } })
picture("particles/part_star", 32, 32, { glow{ cx = 16, cy = 16, r = 15, color = "#fff6b080" },
                                          star{ cx = 16, cy = 16, r = 14, inner = 5, fill = "#fff6b0" } })
picture("particles/part_star_alpha", 32, 32, { glow{ cx = 16, cy = 16, r = 16, color = "#ffffffa0", power = 2 },
                                                star{ cx = 16, cy = 16, r = 12, inner = 4, fill = "#ffffffc0" } })
picture("particles/part_heart", 32, 32, {
  circle{ cx = 11, cy = 12, r = 7, fill = "#f0507a" }, circle{ cx = 21, cy = 12, r = 7, fill = "#f0507a" },
  poly{ points = { 4.5, 14, 27.5, 14, 16, 28 }, fill = "#f0507a" },
  circle{ cx = 10, cy = 10, r = 2.5, fill = "#ffffffa0" },
})
picture("particles/part_leaf", 32, 32, {
  ellipse{ cx = 16, cy = 16, rx = 13, ry = 7, fill = "#6aa83a", outline = "#2e5a18", width = 1.5 },
  line{ x1 = 4, y1 = 16, x2 = 28, y2 = 16, width = 1.5, color = "#2e5a18" },
})
picture("particles/part_wood", 32, 32, {
  poly{ points = { 6, 12, 22, 6, 27, 18, 10, 25 }, fill = "#c08a50", outline = "#6a4420", width = 1.5 },
  line{ x1 = 10, y1 = 15, x2 = 22, y2 = 11, width = 1, color = "#6a4420" },
})
picture("particles/part_fog", 128, 128, { glow{ cx = 64, cy = 64, r = 64, color = "#ffffffb0", power = 1.6 } })
picture("particles/part_smoke", 64, 64, { glow{ cx = 32, cy = 32, r = 32, color = "#d0d0d0e0", power = 1.3 },
                                           glow{ cx = 24, cy = 26, r = 16, color = "#ffffff50" } })

-- Fire: a sheet of 8 columns and 4 rows of flame frames.
texture{
  path = "particles/part_fire", size = { 256, 128 },
  strips = { strip{ name = "part_fire", w = 32, h = 32, count = 32, columns = 8, fps = 15, draw = function(i, s)
    local sway = math.sin(i * 0.7) * 3
    local tall = 10 + (i % 5) * 1.5
    return { glow{ cx = 16, cy = 20, r = 15, color = "#ff701880" },
             poly{ points = { 8, 26, 24, 26, 20 + sway * 0.3, 14, 16 + sway, 26 - tall - 8, 12 + sway * 0.3, 14 }, fill = "#ff8020e0" },
             poly{ points = { 12, 26, 20, 26, 17 + sway * 0.5, 26 - tall }, fill = "#ffe060f0" } }
  end } },
}

-- Shine rays: 8 rows of 16 px, one ray each, picked by row; the ray's source is at the
-- left. The rays are drawn additively (one, one), which ignores alpha: the light is in
-- the colour, so the ground is black and each ray fades to black across and along it.
-- Several rays start at the same corner and add up there, hence the low peak. The
-- texture wraps, so every row keeps a black pixel at its top and bottom and the first
-- column stays black: filtering then never bleeds one ray into the next, nor a ray's
-- bright start onto its far tip (the ninth pick, one row past the bottom, wraps onto row 0).
texture{
  path = "particles/part_shine", size = { 128, 128 },
  draw = (function()
    local ops = { rect{ x = 0, y = 0, w = 128, h = 128, fill = "#000000ff" } }
    local reach = { 128, 112, 124, 96, 120, 104, 128, 88 }
    local peak = { "70", "58", "64", "50", "6c", "5c", "60", "54" }
    for row = 0, 7 do
      local length = reach[row + 1]
      ops[#ops + 1] = gradient{ x = 1 - length, y = row * 16 + 1, w = 2 * length, h = 14, from = "#fff0c4" .. peak[row + 1],
                                to = "#fff0c400", direction = "radial" }
    end
    ops[#ops + 1] = rect{ x = 0, y = 0, w = 1, h = 128, fill = "#000000ff" }
    return ops
  end)(),
}

-- Firework burst, played once where a salvo goes off.
texture{
  path = "particles/effect_firework", size = { 512, 256 },
  strips = { strip{ name = "effect_firework", w = 128, h = 128, count = 8, columns = 4, fps = 15, draw = function(i, s)
    local ops = {}
    local t = (i + 1) / 8
    local colors = { "#ff5050", "#ffd040", "#60c0ff", "#80ff80" }
    if i == 0 then return { glow{ cx = 64, cy = 64, r = 24, color = "#ffffffff" } } end
    for k = 0, 11 do
      local a = k * math.pi / 6
      local r1, r2 = 56 * t - 10, 56 * t
      ops[#ops + 1] = line{ x1 = 64 + math.cos(a) * r1, y1 = 64 + math.sin(a) * r1, x2 = 64 + math.cos(a) * r2,
                            y2 = 64 + math.sin(a) * r2, width = 4 * (1.2 - t), color = colors[k % 4 + 1] }
      ops[#ops + 1] = circle{ cx = 64 + math.cos(a) * r2, cy = 64 + math.sin(a) * r2, r = 3 * (1.2 - t), fill = palette.white }
    end
    ops[#ops + 1] = glow{ cx = 64, cy = 64, r = 30 * (1 - t) + 4, color = "#fff6c0c0" }
    return ops
  end } },
}
