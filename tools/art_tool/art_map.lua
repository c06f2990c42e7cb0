-- data/texture/map: the level map's points, markers and clouds, in one atlas.
local function level_point(light, dark, text)
  return function(i, s)
    local ops = { circle{ cx = 24, cy = 24, r = 18 + (i == 1 and 1.5 or 0), fill = light, outline = dark, width = 3 } }
    if text ~= "" then ops[#ops + 1] = star{ cx = 24, cy = 24, r = 11, fill = dark } end
    ops[#ops + 1] = circle{ cx = 18, cy = 17, r = 4, fill = "#ffffff90" }
    return ops
  end
end
texture{
  path = "map/map_atlas", size = { 256, 256 },
  strips = {
    strip{ name = "map_ready", x = 0, y = 0, w = 48, h = 48, count = 2, fps = 2, draw = level_point(palette.green, palette.green_dark, ""),
           note = "open level: a green point that breathes" },
    strip{ name = "map_bronze", x = 96, y = 0, w = 48, h = 48, draw = level_point(palette.bronze, palette.bronze_dark, "*") },
    strip{ name = "map_silver", x = 144, y = 0, w = 48, h = 48, draw = level_point(palette.silver, palette.silver_dark, "*") },
    strip{ name = "map_gold", x = 192, y = 0, w = 48, h = 48, draw = level_point(palette.gold, palette.gold_dark, "*") },
    strip{ name = "map_selection", x = 0, y = 48, w = 64, h = 64, count = 4, fps = 8, draw = function(i, s)
      return { ring{ cx = 32, cy = 32, r = 24 + i * 1.5, width = 4, color = "#ffffffd0" },
               ring{ cx = 32, cy = 32, r = 28 + i * 1.5, width = 2, color = "#f2c23090" } } end },
    strip{ name = "map_shadow", x = 0, y = 112, w = 64, h = 32, count = 1, draw = function()
      return { ellipse{ cx = 32, cy = 16, rx = 26, ry = 10, fill = "#00000050" } } end },
    strip{ name = "map_pt", x = 64, y = 112, w = 16, h = 16, draw = function()
      return { circle{ cx = 8, cy = 8, r = 5, fill = "#f4ecd8", outline = "#6a4a2a", width = 1.5 } } end },
    strip{ name = "map_cloud0", x = 0, y = 160, w = 128, h = 64, draw = function()
      return { ellipse{ cx = 64, cy = 44, rx = 58, ry = 16, fill = "#dce8f4" }, circle{ cx = 44, cy = 34, r = 20, fill = "#f4f8fc" },
               circle{ cx = 74, cy = 28, r = 24, fill = "#ffffff" }, ellipse{ cx = 64, cy = 42, rx = 50, ry = 12, fill = "#ffffff" } } end },
    strip{ name = "magic_cloud", x = 128, y = 160, w = 128, h = 64, draw = function()
      return { ellipse{ cx = 64, cy = 44, rx = 58, ry = 16, fill = "#9070c8" }, circle{ cx = 44, cy = 34, r = 20, fill = "#a888dc" },
               circle{ cx = 74, cy = 28, r = 24, fill = "#b898e8" }, ellipse{ cx = 64, cy = 42, rx = 50, ry = 12, fill = "#b898e8" },
               star{ cx = 66, cy = 32, r = 10, fill = "#fff6b0" } } end },
  },
}
