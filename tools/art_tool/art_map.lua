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

-- The map's scenery for the editor's palette: islands, clouds, ships, a tree and the
-- sea monster, in one atlas.
local function ship(sail)
  return function()
    return { poly{ points = { 12, 62, 84, 62, 72, 82, 24, 82 }, fill = palette.brown, outline = "#4a2a12", width = 2 },
             line{ x1 = 48, y1 = 14, x2 = 48, y2 = 62, width = 3, color = "#4a2a12" },
             poly{ points = { 50, 16, 78, 52, 50, 56 }, fill = sail, outline = "#6a6a6a", width = 1.5 },
             poly{ points = { 46, 22, 22, 54, 46, 56 }, fill = sail, outline = "#6a6a6a", width = 1.5 },
             rect{ x = 44, y = 8, w = 14, h = 7, fill = palette.red } }
  end
end
texture{
  path = "map/map_scenery", size = { 512, 512 },
  strips = {
    strip{ name = "map_back0", x = 0, y = 0, w = 512, h = 256, draw = function()
      return { ellipse{ cx = 256, cy = 140, rx = 240, ry = 100, fill = "#e8d8a8" },
               ellipse{ cx = 256, cy = 130, rx = 222, ry = 86, fill = palette.grass },
               speckle{ x = 60, y = 70, w = 390, h = 120, count = 70, size = 4, color = "#4a8a3080", seed = 61 },
               poly{ points = { 300, 120, 340, 60, 380, 120 }, fill = palette.stone, outline = "#5a6068", width = 2 } }
    end },
    strip{ name = "map_back2", x = 0, y = 256, w = 256, h = 128, draw = function()
      return { ellipse{ cx = 128, cy = 70, rx = 118, ry = 50, fill = "#e8d8a8" },
               ellipse{ cx = 128, cy = 64, rx = 104, ry = 40, fill = "#8ac860" },
               speckle{ x = 40, y = 40, w = 176, h = 50, count = 30, size = 3, color = "#4a8a3080", seed = 62 } }
    end },
    strip{ name = "map_cloud1", x = 256, y = 256, w = 128, h = 64, draw = function()
      return { ellipse{ cx = 64, cy = 42, rx = 56, ry = 16, fill = "#e4eef8" }, circle{ cx = 50, cy = 30, r = 18, fill = "#ffffff" },
               circle{ cx = 80, cy = 32, r = 14, fill = "#f4f8fc" } }
    end },
    strip{ name = "map_cloud2", x = 384, y = 256, w = 128, h = 64, draw = function()
      return { ellipse{ cx = 64, cy = 40, rx = 50, ry = 18, fill = "#dce6f0" }, circle{ cx = 70, cy = 26, r = 20, fill = "#ffffff" },
               circle{ cx = 40, cy = 36, r = 12, fill = "#f0f4f8" } }
    end },
    strip{ name = "map_ship0", x = 256, y = 320, w = 96, h = 96, draw = ship(palette.paper) },
    strip{ name = "map_ship1", x = 352, y = 320, w = 96, h = 96, draw = ship("#d0c0a0") },
    strip{ name = "map_tree0", x = 448, y = 320, w = 64, h = 96, hy = 96, draw = function()
      return { rect{ x = 28, y = 60, w = 8, h = 34, fill = palette.brown },
               circle{ cx = 32, cy = 40, r = 24, fill = "#3a8a3a", outline = "#1f5e24", width = 2 },
               circle{ cx = 24, cy = 32, r = 8, fill = "#5aaa4a" } }
    end },
    strip{ name = "map_octopus", x = 0, y = 384, w = 128, h = 128, draw = function()
      local ops = { ellipse{ cx = 64, cy = 50, rx = 34, ry = 30, fill = "#b0508a", outline = "#6a1a4a", width = 2 } }
      for k = 0, 4 do
        local x = 26 + k * 19
        ops[#ops + 1] = line{ x1 = x, y1 = 70, x2 = x + (k % 2 == 0 and -6 or 6), y2 = 112, width = 7, color = "#b0508a" }
      end
      ops[#ops + 1] = circle{ cx = 52, cy = 46, r = 6, fill = palette.white }
      ops[#ops + 1] = circle{ cx = 76, cy = 46, r = 6, fill = palette.white }
      ops[#ops + 1] = circle{ cx = 53, cy = 47, r = 3, fill = palette.ink }
      ops[#ops + 1] = circle{ cx = 77, cy = 47, r = 3, fill = palette.ink }
      return ops
    end },
    strip{ name = "map_tail", x = 128, y = 384, w = 128, h = 64, draw = function()
      return { poly{ points = { 20, 60, 56, 30, 70, 8, 84, 26, 110, 14, 96, 40, 70, 60 }, fill = "#b0508a", outline = "#6a1a4a", width = 2 },
               ellipse{ cx = 64, cy = 60, rx = 50, ry = 5, fill = "#ffffff80" } }
    end },
  },
}
