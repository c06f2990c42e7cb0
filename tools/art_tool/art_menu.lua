-- data/texture/menu: the main menu's scenery for the editor's palettes: hills, the
-- castle, the moon, people, mushrooms, bats, trees and a flower in one atlas, and the
-- cloud band on a texture of its own, since its picture scrolls and wraps.
texture{
  path = "menu/menu_clouds", size = { 512, 128 },
  draw = (function()
    local ops = {}
    for k = 0, 4 do
      local x = 20 + k * 104
      ops[#ops + 1] = ellipse{ cx = x + 40, cy = 80, rx = 46, ry = 16, fill = "#eef4fbd0" }
      ops[#ops + 1] = circle{ cx = x + 30, cy = 66, r = 18, fill = "#ffffffd0" }
      ops[#ops + 1] = circle{ cx = x + 54, cy = 62, r = 14, fill = "#f6f9fcd0" }
    end
    return ops
  end)(),
}

local function mushroom(cap)
  return function()
    return { rect{ x = 26, y = 34, w = 12, h = 26, r = 4, fill = palette.paper, outline = "#8a7a5a", width = 1.5 },
             ellipse{ cx = 32, cy = 32, rx = 26, ry = 16, fill = cap, outline = palette.ink, width = 2 },
             circle{ cx = 22, cy = 28, r = 4, fill = palette.white }, circle{ cx = 40, cy = 24, r = 3, fill = palette.white } }
  end
end
local function bat(wing)
  return function()
    return { line{ x1 = 32, y1 = 0, x2 = 32, y2 = 14, width = 1.5, color = "#2a2a2a" },
             poly{ points = { 32, 20, 6, 14 + wing, 14, 30, 32, 26, 50, 30, 58, 14 + wing }, fill = "#3a2a4a", outline = "#1a1020", width = 1.5 },
             circle{ cx = 32, cy = 24, r = 7, fill = "#4a3a5a" },
             circle{ cx = 29, cy = 24, r = 1.5, fill = palette.yellow }, circle{ cx = 35, cy = 24, r = 1.5, fill = palette.yellow } }
  end
end
local function tree(crown, trunkHeight)
  return function()
    return { rect{ x = 28, y = 128 - trunkHeight, w = 8, h = trunkHeight, fill = palette.brown },
             circle{ cx = 32, cy = 128 - trunkHeight - 16, r = 26, fill = crown, outline = "#1f3e1a", width = 2 },
             circle{ cx = 24, cy = 128 - trunkHeight - 24, r = 8, fill = "#ffffff30" } }
  end
end

texture{
  path = "menu/menu_scenery", size = { 1024, 1024 },
  strips = {
    strip{ name = "menu_back0", x = 0, y = 0, w = 512, h = 256, draw = function()
      return { ellipse{ cx = 256, cy = 250, rx = 300, ry = 150, fill = "#4a7a3a" },
               speckle{ x = 0, y = 120, w = 512, h = 136, count = 60, size = 3, color = "#2a5a2a80", seed = 71 } }
    end },
    strip{ name = "menu_back2", x = 512, y = 0, w = 512, h = 256, draw = function()
      return { ellipse{ cx = 256, cy = 260, rx = 320, ry = 120, fill = "#3a6a4a" },
               speckle{ x = 0, y = 150, w = 512, h = 106, count = 50, size = 3, color = "#1a4a2a80", seed = 72 } }
    end },
    strip{ name = "menu_moon", x = 0, y = 256, w = 128, h = 128, draw = function()
      return { glow{ cx = 64, cy = 64, r = 62, color = "#fff6c060" }, circle{ cx = 64, cy = 64, r = 34, fill = "#fff6c0" },
               circle{ cx = 54, cy = 56, r = 6, fill = "#e8dca0" }, circle{ cx = 74, cy = 74, r = 4, fill = "#e8dca0" } }
    end },
    strip{ name = "menu_stone0", x = 128, y = 256, w = 128, h = 128, draw = function()
      return { poly{ points = { 14, 120, 30, 60, 64, 30, 100, 54, 116, 120 }, fill = palette.stone, outline = "#4a5058", width = 3 },
               line{ x1 = 50, y1 = 70, x2 = 70, y2 = 100, width = 2, color = "#6a7078" } }
    end },
    strip{ name = "menu_castle", x = 256, y = 256, w = 256, h = 256, draw = function()
      return { rect{ x = 40, y = 110, w = 176, h = 140, fill = "#a8a0b0", outline = "#4a4458", width = 3 },
               rect{ x = 20, y = 60, w = 50, h = 190, fill = "#b8b0c0", outline = "#4a4458", width = 3 },
               rect{ x = 186, y = 60, w = 50, h = 190, fill = "#b8b0c0", outline = "#4a4458", width = 3 },
               poly{ points = { 14, 62, 45, 14, 76, 62 }, fill = palette.red, outline = palette.red_dark, width = 2 },
               poly{ points = { 180, 62, 211, 14, 242, 62 }, fill = palette.red, outline = palette.red_dark, width = 2 },
               rect{ x = 108, y = 180, w = 40, h = 70, r = 18, fill = "#3a2a1a" },
               rect{ x = 36, y = 100, w = 16, h = 24, fill = "#f6d743" }, rect{ x = 202, y = 100, w = 16, h = 24, fill = "#f6d743" } }
    end },
    strip{ name = "menu_light0", x = 512, y = 256, w = 128, h = 128, draw = function()
      return { glow{ cx = 64, cy = 64, r = 62, color = "#ffe08090", power = 1.5 } }
    end },
    strip{ name = "menu_flag", x = 640, y = 256, w = 64, h = 64, count = 4, fps = 8, draw = function(i)
      local wave = ({ 0, 4, 0, -4 })[i + 1]
      return { line{ x1 = 12, y1 = 4, x2 = 12, y2 = 62, width = 3, color = "#4a3a2a" },
               poly{ points = { 14, 6, 38, 10 + wave, 58, 8, 58, 30, 38, 32 + wave, 14, 28 }, fill = palette.blue, outline = palette.blue_dark, width = 1.5 } }
    end },
    strip{ name = "menu_eye0", x = 640, y = 320, w = 64, h = 64, count = 4, fps = 4, draw = function(i)
      local open = ({ 14, 14, 6, 1 })[i + 1]
      return { ellipse{ cx = 32, cy = 32, rx = 24, ry = open, fill = palette.white, outline = palette.ink, width = 2 },
               circle{ cx = 32, cy = 32, r = math.min(9, open), fill = palette.green_dark } }
    end },
    strip{ name = "menu_people", x = 0, y = 512, w = 256, h = 128, draw = function()
      local ops = {}
      for k = 0, 3 do
        local x = 30 + k * 60
        ops[#ops + 1] = rect{ x = x - 14, y = 60, w = 28, h = 56, r = 8, fill = ({ palette.red, palette.blue, palette.green, palette.purple })[k + 1], outline = palette.ink, width = 2 }
        ops[#ops + 1] = circle{ cx = x, cy = 44, r = 14, fill = "#f0c8a0", outline = palette.ink, width = 2 }
      end
      return ops
    end },
    strip{ name = "menu_feather", x = 256, y = 512, w = 64, h = 128, hy = 128, draw = function()
      return { line{ x1 = 32, y1 = 126, x2 = 32, y2 = 8, width = 2, color = "#6a5a4a" },
               ellipse{ cx = 32, cy = 50, rx = 14, ry = 44, fill = "#e0e8f0", outline = "#8a9aaa", width = 1.5 } }
    end },
    strip{ name = "menu_hand0", x = 320, y = 512, w = 128, h = 128, draw = function()
      return { rect{ x = 44, y = 50, w = 40, h = 50, r = 14, fill = "#f0c8a0", outline = palette.ink, width = 2 },
               rect{ x = 46, y = 18, w = 9, h = 38, r = 4, fill = "#f0c8a0", outline = palette.ink, width = 1.5 },
               rect{ x = 56, y = 12, w = 9, h = 42, r = 4, fill = "#f0c8a0", outline = palette.ink, width = 1.5 },
               rect{ x = 66, y = 14, w = 9, h = 40, r = 4, fill = "#f0c8a0", outline = palette.ink, width = 1.5 },
               rect{ x = 76, y = 22, w = 8, h = 34, r = 4, fill = "#f0c8a0", outline = palette.ink, width = 1.5 } }
    end },
    strip{ name = "menu_mushroom0", x = 448, y = 512, w = 64, h = 64, hy = 64, draw = mushroom(palette.red) },
    strip{ name = "menu_mushroom1", x = 512, y = 512, w = 64, h = 64, hy = 64, draw = mushroom(palette.orange) },
    strip{ name = "menu_mushroom2", x = 576, y = 512, w = 64, h = 64, hy = 64, draw = mushroom(palette.purple) },
    strip{ name = "menu_bat0", x = 640, y = 512, w = 64, h = 64, hy = 0, draw = bat(0) },
    strip{ name = "menu_bat1", x = 704, y = 512, w = 64, h = 64, hy = 0, draw = bat(-6) },
    strip{ name = "menu_bat2", x = 768, y = 512, w = 64, h = 64, hy = 0, draw = bat(6) },
    strip{ name = "menu_tree0", x = 0, y = 640, w = 64, h = 128, hy = 128, draw = tree("#2a6a2a", 60) },
    strip{ name = "menu_tree1", x = 64, y = 640, w = 64, h = 128, hy = 128, draw = tree("#3a7a3a", 50) },
    strip{ name = "menu_tree2", x = 128, y = 640, w = 64, h = 128, hy = 128, draw = tree("#4a8a3a", 40) },
    strip{ name = "menu_tree3", x = 192, y = 640, w = 64, h = 128, hy = 128, draw = tree("#2a5a3a", 70) },
    strip{ name = "menu_tree4", x = 256, y = 640, w = 64, h = 128, hy = 128, draw = tree("#5a7a2a", 55) },
    strip{ name = "menu_flower0", x = 320, y = 640, w = 64, h = 128, hy = 128, draw = function()
      return { line{ x1 = 32, y1 = 126, x2 = 32, y2 = 60, width = 3, color = palette.green_dark },
               star{ cx = 32, cy = 50, r = 22, inner = 12, points = 6, fill = palette.yellow, outline = palette.orange, width = 2 },
               circle{ cx = 32, cy = 50, r = 7, fill = palette.orange } }
    end },
  },
}
