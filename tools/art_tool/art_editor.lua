-- data/texture/editor: level editor toolbar icons and the comics panel frame.
local function icon(path, draw)
  picture("editor/" .. path, 64, 64, join({ rect{ x = 2, y = 2, w = 60, h = 60, r = 8, fill = "#e8e4dc", outline = "#5a564e", width = 2 } }, draw))
end
picture("editor/editor_empty", 64, 64, { rect{ x = 2, y = 2, w = 60, h = 60, r = 8, fill = "#d0ccc4", outline = "#5a564e", width = 2 },
                                         rect{ x = 8, y = 8, w = 48, h = 48, r = 4, outline = "#a8a49c", width = 1 } })
icon("editor_info", { circle{ cx = 32, cy = 32, r = 20, fill = palette.blue }, circle{ cx = 32, cy = 22, r = 3.5, fill = palette.white },
                      rect{ x = 28.5, y = 28, w = 7, h = 16, r = 2, fill = palette.white } })
icon("editor_freeze", (function()
  local ops = {}
  for k = 0, 2 do
    local a = k * math.pi / 3
    ops[#ops + 1] = line{ x1 = 32 - math.cos(a) * 20, y1 = 32 - math.sin(a) * 20, x2 = 32 + math.cos(a) * 20, y2 = 32 + math.sin(a) * 20, width = 4, color = "#3a90d0" }
  end
  ops[#ops + 1] = circle{ cx = 32, cy = 32, r = 5, fill = "#bfe6ff", outline = "#3a90d0", width = 2 }
  return ops
end)())
icon("editor_save", { rect{ x = 14, y = 14, w = 36, h = 36, r = 3, fill = "#3a4a6a" }, rect{ x = 21, y = 14, w = 22, h = 12, fill = palette.silver },
                      rect{ x = 19, y = 32, w = 26, h = 16, fill = palette.white } })
icon("editor_text", { label{ x = 32, y = 33, text = "T", scale = 6, align = "center", valign = "middle", color = palette.ink } })
icon("editor_back", { poly{ points = { 14, 32, 34, 14, 34, 24, 50, 24, 50, 40, 34, 40, 34, 50 }, fill = palette.blue, outline = palette.blue_dark, width = 2 } })
-- Comics panel: a paper frame with a dark border.
picture("editor/comics_base", 256, 256, {
  rect{ x = 4, y = 4, w = 248, h = 248, r = 6, fill = "#fff8e8", outline = "#2a2018", width = 6 },
  rect{ x = 14, y = 14, w = 228, h = 228, r = 3, outline = "#c8b890", width = 2 },
})
