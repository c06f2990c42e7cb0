-- data/texture/system: cursor, GUI skin, loading screen pictures, message-box icons.

-- The cursor is drawn with its top-left corner on the pointer, so the tip is there.
picture("system/cursor_pointer", 32, 32, {
  poly{ points = { 1, 1, 1, 25, 7, 20, 11, 29, 16, 27, 12, 18, 20, 18 }, fill = palette.white, outline = palette.ink, width = 1.6 },
}, { hx = 0, hy = 0 })

-- GUI skin: one 256 x 256 picture whose cells the controls pick by texture
-- rectangle. The controls step between state cells themselves: a button moves
-- down one cell per state, a check box right for hover and down for checked, a
-- slider track down (vertical: right) and its thumb right for hover.
-- White captions read on the normal, pressed and hovered fills at 4.5 : 1 or more.
local function button_cell(i, s)
  local fills = { "#2f64ac", "#244e8c", "#3a70b8", "#8f969e" }
  local edges = { "#1c3c6e", "#142c52", "#254f8a", "#50565e" }
  return { frame{ x = 1, y = 1, w = s.w - 2, h = s.h - 2, border = 10, r = 8, rim = 2, edge = edges[i + 1], fill = fills[i + 1], shine = "#ffffff60" } }
end
local function check_cell(i, s)
  local hovered = i % 2 == 1
  local checked = i >= 2
  local ops = { frame{ x = 3, y = 3, w = s.w - 6, h = s.h - 6, border = 6, r = 5, rim = 2,
                       edge = hovered and "#254f8a" or "#1c3c6e", fill = hovered and "#fdf6e4" or "#efe6d0" } }
  if checked then
    ops[#ops + 1] = poly{ points = { 8, 16, 13, 22, 24, 9, 26, 11, 13, 26, 6, 18 }, fill = palette.green_dark }
  end
  return ops
end
local function track_cell(i, s, vertical)
  local fill = i == 0 and "#c9bfa8" or "#ddd2b8"
  if vertical then
    return { rect{ x = s.w / 2 - 4, y = 2, w = 8, h = s.h - 4, r = 4, fill = fill, outline = "#5a5040", width = 1.5 } }
  end
  return { rect{ x = 2, y = s.h / 2 - 4, w = s.w - 4, h = 8, r = 4, fill = fill, outline = "#5a5040", width = 1.5 } }
end

-- The skin is read before the loading window is built, so its script also loads
-- the fonts: the window's label takes its font when the window script runs.
texture{
  path = "system/gui_system", size = { 256, 256 },
  script_tail = "-- The fonts of the first windows, needed before any locale is chosen.\n" ..
                "updateTextures(\"{StaticPath}/font/en\")",
  strips = {
    strip{ name = "gui_button", x = 0, y = 0, w = 96, h = 32, count = 4, columns = 1, draw = button_cell,
           note = "button: 4 cells stacked (normal, pressed, hovered, disabled); nine-slice border 10 px = 0.0390625 u, 0.0390625 v" },
    strip{ name = "gui_checkbox", x = 96, y = 0, w = 32, h = 32, count = 4, columns = 2, draw = check_cell,
           note = "check box: 2 x 2 cells (columns normal, hovered; rows unchecked, checked); the UV rectangle is the first cell" },
    strip{ name = "gui_slider_track", x = 160, y = 0, w = 64, h = 16, count = 2, columns = 1,
           draw = function(i, s) return track_cell(i, s, false) end,
           note = "horizontal slider track: normal above hovered; nine-slice border 6 px = 0.0234375 u, v" },
    strip{ name = "gui_slider_track_v", x = 224, y = 0, w = 16, h = 64, count = 2, columns = 2,
           draw = function(i, s) return track_cell(i, s, true) end,
           note = "vertical slider track: normal left of hovered; nine-slice border 6 px" },
    strip{ name = "gui_edit", x = 160, y = 32, w = 64, h = 32,
           draw = function(i, s) return { frame{ x = 1, y = 1, w = s.w - 2, h = s.h - 2, border = 8, r = 4, rim = 2, edge = "#5a5040", fill = "#fffaf0", light = "#e8e0cc" } } end,
           note = "edit field: nine-slice border 8 px = 0.03125 u, v" },
    strip{ name = "gui_slider_thumb", x = 96, y = 64, w = 24, h = 24, count = 2, columns = 2,
           draw = function(i, s) return { circle{ cx = 12, cy = 12, r = 10, fill = i == 0 and "#4a86d0" or "#6aa6ec", outline = "#1c3c6e", width = 2 },
                                          circle{ cx = 9, cy = 9, r = 3, fill = "#ffffff80" } } end,
           note = "slider thumb: normal left of hovered" },
    strip{ name = "gui_list_selection", x = 160, y = 64, w = 64, h = 24,
           draw = function(i, s) return { rect{ x = 1, y = 1, w = s.w - 2, h = s.h - 2, r = 4, fill = "#f2c23090", outline = "#9a6c10", width = 1.5 } } end,
           note = "list selection: nine-slice border 6 px = 0.0234375 u, v" },
    strip{ name = "gui_progress_back", x = 96, y = 88, w = 64, h = 16,
           draw = function(i, s) return { rect{ x = 0.5, y = 0.5, w = s.w - 1, h = s.h - 1, r = 6, fill = "#2a2a30", outline = "#0e0e12", width = 1.5 } } end,
           note = "progress bar background: nine-slice border 6 px" },
    strip{ name = "gui_progress_bar", x = 160, y = 88, w = 64, h = 16,
           draw = function(i, s) return { rect{ x = 1.5, y = 1.5, w = s.w - 3, h = s.h - 3, r = 5, fill = palette.green },
                                          rect{ x = 4, y = 3.5, w = s.w - 8, h = 3, r = 1.5, fill = "#ffffff70" } } end,
           note = "progress bar fill: grows from the left over the background" },
    strip{ name = "gui_caption", x = 224, y = 64, w = 32, h = 32,
           draw = function(i, s) return { frame{ x = 0, y = 0, w = s.w, h = s.h, border = 8, r = 6, rim = 2, edge = "#3a3020", fill = "#fff4d0" } } end,
           note = "caption / tooltip panel: nine-slice border 8 px" },
    strip{ name = "gui_panel", x = 0, y = 128, w = 128, h = 128,
           draw = function(i, s) return { frame{ x = 0, y = 0, w = s.w, h = s.h, border = 24, r = 18, rim = 5, edge = "#4a3420", fill = "#f4ecd8", light = "#fffaf0", shine = "#ffffffa0" },
                                          rect{ x = 12, y = 12, w = 104, h = 104, r = 10, outline = "#c8b48a", width = 1.5 } } end,
           note = "window panel: nine-slice border 24 px = 0.09375 u, v" },
    -- Dark enough under the cream counters and scores to read at 4.5 : 1 or more.
    strip{ name = "gui_title", x = 128, y = 128, w = 128, h = 48,
           draw = function(i, s) return { frame{ x = 0, y = 0, w = s.w, h = s.h, border = 16, r = 12, rim = 3, edge = "#5a2a10", fill = "#a84e2a", light = "#e89a6a", shine = "#ffffff80" } } end,
           note = "title bar: nine-slice border 16 px = 0.0625 u, v" },
    strip{ name = "gui_separator", x = 128, y = 176, w = 128, h = 8,
           draw = function(i, s) return { rect{ x = 4, y = 3, w = s.w - 8, h = 2, r = 1, fill = "#8a7458" } } end,
           note = "separator line" },
    strip{ name = "gui_frame", x = 128, y = 184, w = 64, h = 64,
           draw = function(i, s) return { rect{ x = 1, y = 1, w = s.w - 2, h = s.h - 2, r = 8, outline = "#4a3420", width = 4 },
                                          rect{ x = 6, y = 6, w = s.w - 12, h = s.h - 12, r = 4, outline = "#c8b48a", width = 1.5 } } end,
           note = "hollow frame (draw without centre): nine-slice border 12 px = 0.046875 u, v" },
  },
}

-- Loading screen: a backdrop whose top 512 x 384 is the picture, a dial that the
-- progress control sweeps as a sector, and three pictures shown in turn.
texture{
  path = "system/loading_base", size = { 512, 512 },
  draw = {
    gradient{ x = 0, y = 0, w = 512, h = 384, from = "#20304c", to = "#5a7aa8" },
    speckle{ x = 0, y = 0, w = 512, h = 200, count = 60, size = 0.8, color = "#ffffffa0", seed = 4 },
    ellipse{ cx = 256, cy = 430, rx = 420, ry = 120, fill = "#2e5a2a" },
    rect{ x = 96, y = 60, w = 320, h = 240, r = 16, fill = "#00000050" },
    rect{ x = 88, y = 52, w = 336, h = 256, r = 18, outline = "#f2c230", width = 3 },
    label{ x = 256, y = 330, text = "LOADING", scale = 4, align = "center", color = palette.paper, outline = "#00000090" },
  },
  strips = { strip{ name = "loading_base", x = 0, y = 0, w = 512, h = 384, note = "the picture is the top 512 x 384 of the texture" } },
}
picture("system/loading_progress", 128, 128, {
  ring{ cx = 64, cy = 64, r = 52, width = 20, color = palette.gold },
  ring{ cx = 64, cy = 64, r = 52, width = 8, color = "#fff2b0" },
  circle{ cx = 64, cy = 64, r = 38, fill = "#f2c23040" },
})
local tips = {
  { sky = "#8fc7ef", ground = palette.grass, text = "BUILD", thing = function() return {
      rect{ x = 88, y = 110, w = 80, h = 60, fill = "#d8b080", outline = palette.brown, width = 3 },
      poly{ points = { 80, 112, 128, 70, 176, 112 }, fill = palette.red, outline = palette.red_dark, width = 3 },
      rect{ x = 118, y = 135, w = 20, h = 35, fill = palette.brown } } end },
  { sky = "#f6c48a", ground = "#c8a050", text = "GATHER", thing = function() return {
      rect{ x = 120, y = 100, w = 16, h = 70, fill = palette.brown },
      circle{ cx = 128, cy = 90, r = 40, fill = palette.green, outline = palette.green_dark, width = 3 },
      circle{ cx = 110, cy = 85, r = 6, fill = palette.red }, circle{ cx = 145, cy = 100, r = 6, fill = palette.red } } end },
  { sky = "#3a3a78", ground = "#4a6a8a", text = "MAGIC", thing = function() return {
      star{ cx = 128, cy = 110, r = 50, fill = palette.yellow, outline = palette.orange, width = 3 },
      glow{ cx = 128, cy = 110, r = 90, color = "#fff6b0a0" } } end },
}
for i, tip in ipairs(tips) do
  picture("system/loading_image" .. (i - 1), 256, 256, join(
    { gradient{ x = 0, y = 0, w = 256, h = 256, from = tip.sky, to = palette.white },
      rect{ x = 0, y = 170, w = 256, h = 86, fill = tip.ground } },
    tip.thing(),
    { rect{ x = 4, y = 4, w = 248, h = 248, r = 12, outline = palette.ink, width = 4 },
      label{ x = 128, y = 200, text = tip.text, scale = 4, align = "center", color = palette.white, outline = palette.ink } }))
end

-- Message-box icons: each its own shape and colour.
picture("system/icon_error", 64, 64, {
  circle{ cx = 32, cy = 32, r = 29, fill = palette.red, outline = palette.red_dark, width = 3 },
  line{ x1 = 21, y1 = 21, x2 = 43, y2 = 43, width = 7, color = palette.white },
  line{ x1 = 43, y1 = 21, x2 = 21, y2 = 43, width = 7, color = palette.white },
})
picture("system/icon_info", 64, 64, {
  circle{ cx = 32, cy = 32, r = 29, fill = palette.blue, outline = palette.blue_dark, width = 3 },
  circle{ cx = 32, cy = 17, r = 4.5, fill = palette.white },
  rect{ x = 27.5, y = 26, w = 9, h = 24, r = 3, fill = palette.white },
})
picture("system/icon_warning", 64, 64, {
  poly{ points = { 32, 3, 62, 58, 2, 58 }, fill = palette.yellow, outline = "#8a6a00", width = 3 },
  rect{ x = 28.5, y = 20, w = 7, h = 22, r = 3, fill = palette.ink },
  circle{ cx = 32, cy = 49, r = 4, fill = palette.ink },
})
picture("system/icon_question", 64, 64, {
  circle{ cx = 32, cy = 32, r = 29, fill = palette.green, outline = palette.green_dark, width = 3 },
  label{ x = 33, y = 33, text = "?", scale = 6, align = "center", valign = "middle", color = palette.white },
})

-- The side bars beside the 4:3 picture on wide screens (drawn mirrored on the right).
picture("system/widescreen", 64, 256, {
  gradient{ x = 0, y = 0, w = 64, h = 256, from = "#1a1410", to = "#3a2c20", direction = "right" },
  speckle{ x = 0, y = 0, w = 64, h = 256, count = 40, size = 1, color = "#ffffff18", seed = 3 },
  rect{ x = 58, y = 0, w = 6, h = 256, fill = "#8a6a40" },
}, { plain = true })
