-- data/texture/gui: in-game interface sprites.

-- Level progress bar: frame 0 the background, frame 1 the fill. It is drawn at its
-- cell's size under the thing at work, so it stays about as wide as a worker's
-- marker and fits under one building.
texture{
  path = "gui/progress", size = { 64, 32 },
  strips = { strip{ name = "progress", w = 64, h = 16, count = 2, columns = 1, hx = 0, hy = 16, draw = function(i, s)
    if i == 0 then
      return { rect{ x = 1, y = 2, w = 62, h = 12, r = 5, fill = "#2a2420", outline = "#0e0a08", width = 2 } }
    end
    return { rect{ x = 3, y = 4, w = 58, h = 8, r = 3.5, fill = palette.orange },
             rect{ x = 6, y = 5, w = 52, h = 2, r = 1, fill = "#ffffff70" } }
  end } },
}

-- Hover highlight stretched around an object: frame 0 gold, frame 1 green.
texture{
  path = "gui/highlight", size = { 128, 64 },
  strips = { strip{ name = "highlight", w = 64, h = 64, count = 2, draw = function(i, s)
    local color = i == 0 and "#f2c230d0" or "#5ee05ad0"
    return { rect{ x = 3, y = 3, w = 58, h = 58, r = 10, outline = color, width = 4 },
             rect{ x = 8, y = 8, w = 48, h = 48, r = 6, outline = color:sub(1, 7) .. "50", width = 2 } }
  end } },
}

-- Target marker: a pulsing cross-hair, looped.
texture{
  path = "gui/target", size = { 256, 64 },
  strips = { strip{ name = "target", w = 64, h = 64, count = 4, fps = 8, draw = function(i, s)
    local r = 18 + i * 3
    return { ring{ cx = 32, cy = 32, r = r, width = 4, color = palette.red },
             line{ x1 = 32, y1 = 4, x2 = 32, y2 = 18, width = 3, color = palette.red },
             line{ x1 = 32, y1 = 46, x2 = 32, y2 = 60, width = 3, color = palette.red },
             line{ x1 = 4, y1 = 32, x2 = 18, y2 = 32, width = 3, color = palette.red },
             line{ x1 = 46, y1 = 32, x2 = 60, y2 = 32, width = 3, color = palette.red },
             circle{ cx = 32, cy = 32, r = 3, fill = palette.red } }
  end } },
}

-- Cups of the level results.
local function cup(light, dark, text)
  return {
    rect{ x = 22, y = 54, w = 20, h = 6, r = 2, fill = dark },
    rect{ x = 28, y = 42, w = 8, h = 14, fill = light, outline = dark, width = 1.5 },
    ring{ cx = 14, cy = 22, r = 8, width = 4, color = dark },
    ring{ cx = 50, cy = 22, r = 8, width = 4, color = dark },
    poly{ points = { 12, 8, 52, 8, 46, 34, 32, 44, 18, 34 }, fill = light, outline = dark, width = 2.5 },
    label{ x = 32, y = 22, text = text, scale = 2, align = "center", valign = "middle", color = dark },
  }
end
picture("gui/gui_cup_gold", 64, 64, cup(palette.gold, palette.gold_dark, "1"))
picture("gui/gui_cup_silver", 64, 64, cup(palette.silver, palette.silver_dark, "2"))
picture("gui/gui_cup_bronze", 64, 64, cup(palette.bronze, palette.bronze_dark, "3"))

-- The shadow under walking people and animals.
picture("gui/man_shadow", 64, 32, { ellipse{ cx = 32, cy = 16, rx = 28, ry = 11, fill = "#00000058" },
                                    ellipse{ cx = 32, cy = 16, rx = 18, ry = 7, fill = "#00000030" } })

-- The level display's day/night dial: the day and night pictures, the picture of
-- levels without nights, and the translucent sector that sweeps over them.
picture("gui/hud_day", 64, 64, {
  circle{ cx = 32, cy = 32, r = 30, fill = palette.sky, outline = palette.blue_dark, width = 2 },
  star{ cx = 32, cy = 32, r = 20, fill = palette.yellow, outline = palette.orange, width = 2 },
  circle{ cx = 32, cy = 32, r = 10, fill = palette.orange },
})
picture("gui/hud_night", 64, 64, {
  circle{ cx = 32, cy = 32, r = 30, fill = "#1c2450", outline = palette.ink, width = 2 },
  circle{ cx = 30, cy = 32, r = 16, fill = "#f4f0c8" },
  circle{ cx = 38, cy = 28, r = 14, fill = "#1c2450" },
  circle{ cx = 46, cy = 46, r = 2, fill = palette.white }, circle{ cx = 18, cy = 16, r = 1.5, fill = palette.white },
})
picture("gui/hud_no_night", 64, 64, {
  circle{ cx = 32, cy = 32, r = 30, fill = palette.sky, outline = palette.blue_dark, width = 2 },
  star{ cx = 32, cy = 32, r = 20, fill = palette.yellow, outline = palette.orange, width = 2 },
  ring{ cx = 32, cy = 32, r = 26, width = 4, color = palette.green_dark },
})
picture("gui/hud_dial", 64, 64, { circle{ cx = 32, cy = 32, r = 30, fill = "#00000070" } })

-- The tutorial hint's arrow, pointing down-left at its target, bobbing in 4 frames.
texture{
  path = "gui/train_arrow", size = { 256, 64 },
  strips = { strip{ name = "train_arrow", w = 64, h = 64, count = 4, fps = 8, draw = function(i, s)
    local d = ({ 0, 3, 5, 3 })[i + 1]
    return { moved(-d, d, {
      poly{ points = { 8, 56, 12, 30, 20, 38, 46, 12, 52, 18, 26, 44, 34, 52 }, fill = palette.red, outline = palette.red_dark, width = 2.5 },
    }) }
  end } },
}

-- Task icons of the level display: one plain shape and colour per kind of task,
-- on a round badge so they read at a glance.
local function task_icon(name, ring_color, shapes)
  picture("gui/" .. name, 64, 64, join({ circle{ cx = 32, cy = 32, r = 30, fill = palette.paper, outline = ring_color, width = 3 } }, shapes))
end
task_icon("task_worker", palette.blue_dark, {
  circle{ cx = 32, cy = 20, r = 9, fill = palette.bronze, outline = palette.bronze_dark, width = 2 },
  rect{ x = 20, y = 30, w = 24, h = 22, r = 8, fill = palette.blue, outline = palette.blue_dark, width = 2 },
})
task_icon("task_food", palette.green_dark, {
  circle{ cx = 32, cy = 36, r = 16, fill = palette.red, outline = palette.red_dark, width = 2 },
  ellipse{ cx = 38, cy = 16, rx = 8, ry = 4, fill = palette.green },
})
task_icon("task_wood", palette.brown, {
  rect{ x = 12, y = 22, w = 40, h = 12, r = 5, fill = palette.brown, outline = palette.ink, width = 2 },
  rect{ x = 12, y = 36, w = 40, h = 12, r = 5, fill = palette.brown, outline = palette.ink, width = 2 },
})
task_icon("task_money", palette.gold_dark, {
  circle{ cx = 32, cy = 32, r = 18, fill = palette.gold, outline = palette.gold_dark, width = 3 },
  label{ x = 32, y = 32, text = "$", scale = 2, align = "center", valign = "middle", color = palette.gold_dark },
})
task_icon("task_mana", palette.purple, {
  poly{ points = { 32, 8, 48, 32, 32, 56, 16, 32 }, fill = palette.purple, outline = palette.blue_dark, width = 2 },
})
task_icon("task_tower", palette.stone, {
  rect{ x = 22, y = 18, w = 20, h = 36, fill = palette.stone, outline = palette.ink, width = 2 },
  rect{ x = 18, y = 10, w = 28, h = 10, fill = palette.stone, outline = palette.ink, width = 2 },
})
task_icon("task_house", palette.red_dark, {
  rect{ x = 18, y = 30, w = 28, h = 22, fill = palette.orange, outline = palette.ink, width = 2 },
  poly{ points = { 12, 32, 32, 12, 52, 32 }, fill = palette.red, outline = palette.red_dark, width = 2 },
})
task_icon("task_lighthouse", palette.yellow, {
  poly{ points = { 26, 54, 28, 20, 36, 20, 38, 54 }, fill = palette.white, outline = palette.red, width = 2 },
  circle{ cx = 32, cy = 14, r = 6, fill = palette.yellow, outline = palette.orange, width = 2 },
})
task_icon("task_key_altar", palette.teal, {
  ring{ cx = 22, cy = 32, r = 8, width = 4, color = palette.teal },
  rect{ x = 29, y = 30, w = 22, h = 5, fill = palette.teal },
  rect{ x = 44, y = 34, w = 4, h = 8, fill = palette.teal },
})
task_icon("task_gravik", palette.green_dark, {
  ellipse{ cx = 32, cy = 36, rx = 18, ry = 14, fill = palette.green, outline = palette.green_dark, width = 2 },
  circle{ cx = 26, cy = 32, r = 3, fill = palette.ink }, circle{ cx = 38, cy = 32, r = 3, fill = palette.ink },
})
task_icon("task_advisor", palette.blue, {
  poly{ points = { 32, 8, 46, 30, 18, 30 }, fill = palette.blue, outline = palette.blue_dark, width = 2 },
  circle{ cx = 32, cy = 40, r = 10, fill = palette.bronze, outline = palette.bronze_dark, width = 2 },
})
task_icon("task_life_water", palette.sky, {
  poly{ points = { 32, 10, 46, 36, 32, 54, 18, 36 }, fill = palette.sky, outline = palette.blue, width = 2 },
  circle{ cx = 28, cy = 36, r = 4, fill = palette.white },
})
