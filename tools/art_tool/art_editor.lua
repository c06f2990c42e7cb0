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
-- The level editor's palette: the level tools, the area tool and nodes.
icon("editor_level", { rect{ x = 12, y = 16, w = 40, h = 32, r = 3, fill = palette.grass, outline = palette.green_dark, width = 2 },
                       label{ x = 32, y = 33, text = "L", scale = 4, align = "center", valign = "middle", color = palette.white } })
icon("editor_road_edit", { poly{ points = { 10, 50, 26, 14, 38, 14, 54, 50 }, fill = "#b89868", outline = palette.brown, width = 2 },
                           line{ x1 = 32, y1 = 18, x2 = 32, y2 = 26, width = 3, color = palette.white },
                           line{ x1 = 32, y1 = 32, x2 = 32, y2 = 44, width = 3, color = palette.white } })
icon("editor_node", { line{ x1 = 16, y1 = 44, x2 = 48, y2 = 20, width = 3, color = palette.ink },
                      circle{ cx = 16, cy = 44, r = 7, fill = palette.orange, outline = palette.ink, width = 2 },
                      circle{ cx = 48, cy = 20, r = 7, fill = palette.orange, outline = palette.ink, width = 2 } })
icon("editor_prev", { poly{ points = { 44, 14, 44, 50, 16, 32 }, fill = palette.blue, outline = palette.blue_dark, width = 2 } })
icon("editor_next", { poly{ points = { 20, 14, 20, 50, 48, 32 }, fill = palette.blue, outline = palette.blue_dark, width = 2 } })
icon("editor_level_down", { poly{ points = { 14, 20, 50, 20, 32, 48 }, fill = palette.green, outline = palette.green_dark, width = 2 } })
icon("editor_level_up", { poly{ points = { 14, 44, 50, 44, 32, 16 }, fill = palette.green, outline = palette.green_dark, width = 2 } })
icon("editor_level_del", { line{ x1 = 18, y1 = 18, x2 = 46, y2 = 46, width = 6, color = palette.red },
                           line{ x1 = 46, y1 = 18, x2 = 18, y2 = 46, width = 6, color = palette.red } })
icon("editor_back", { poly{ points = { 14, 32, 34, 14, 34, 24, 50, 24, 50, 40, 34, 40, 34, 50 }, fill = palette.blue, outline = palette.blue_dark, width = 2 } })
-- Comics panel: a paper frame with a dark border.
picture("editor/comics_base", 256, 256, {
  rect{ x = 4, y = 4, w = 248, h = 248, r = 6, fill = "#fff8e8", outline = "#2a2018", width = 6 },
  rect{ x = 14, y = 14, w = 228, h = 228, r = 3, outline = "#c8b890", width = 2 },
})
