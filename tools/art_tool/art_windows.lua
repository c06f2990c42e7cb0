-- data/texture/gui: the level windows' pictures: the clock beside the HUD's time bar
-- and the speakers' faces of the talk window.

-- The clock of the time bar: a dial with two hands, a bell on top (48 pixels in a
-- texture of a power-of-two size).
picture("gui/spin", 64, 64, { moved(8, 8, {
  circle{ cx = 24, cy = 5, r = 4, fill = palette.gold, outline = palette.gold_dark, width = 1.5 },
  circle{ cx = 24, cy = 26, r = 19, fill = palette.paper, outline = palette.gold_dark, width = 3 },
  line{ x1 = 24, y1 = 11, x2 = 24, y2 = 14, width = 2, color = palette.ink },
  line{ x1 = 24, y1 = 38, x2 = 24, y2 = 41, width = 2, color = palette.ink },
  line{ x1 = 9, y1 = 26, x2 = 12, y2 = 26, width = 2, color = palette.ink },
  line{ x1 = 36, y1 = 26, x2 = 39, y2 = 26, width = 2, color = palette.ink },
  line{ x1 = 24, y1 = 26, x2 = 24, y2 = 15, width = 2.5, color = palette.ink },
  line{ x1 = 24, y1 = 26, x2 = 32, y2 = 30, width = 2, color = palette.red },
  circle{ cx = 24, cy = 26, r = 2.5, fill = palette.red_dark },
}) })

-- A speaker's portrait: a round face with eyes and a smile, whatever the speaker
-- wears on top, and the speaker's name on a band below; 160 pixels in the middle of a
-- texture of a power-of-two size.
local function face(name, skin, skin_dark, top, band, caption)
  local shapes = {
    circle{ cx = 80, cy = 80, r = 76, fill = "#00000030" },
    ellipse{ cx = 80, cy = 84, rx = 46, ry = 54, fill = skin, outline = skin_dark, width = 3 },
    ellipse{ cx = 62, cy = 78, rx = 7, ry = 9, fill = palette.white, outline = palette.ink, width = 1.5 },
    ellipse{ cx = 98, cy = 78, rx = 7, ry = 9, fill = palette.white, outline = palette.ink, width = 1.5 },
    circle{ cx = 63, cy = 80, r = 3.5, fill = palette.ink },
    circle{ cx = 97, cy = 80, r = 3.5, fill = palette.ink },
    line{ x1 = 66, y1 = 112, x2 = 80, y2 = 118, width = 3, color = skin_dark },
    line{ x1 = 80, y1 = 118, x2 = 94, y2 = 112, width = 3, color = skin_dark },
  }
  shapes = join(shapes, top, {
    rect{ x = 20, y = 136, w = 120, h = 20, r = 6, fill = band, outline = palette.ink, width = 2 },
    label{ x = 80, y = 146, text = caption, scale = 1, align = "center", valign = "middle", color = palette.white },
  })
  picture("gui/" .. name, 256, 256, { moved(48, 48, shapes) })
end

face("speech_hero_face", palette.bronze, palette.bronze_dark, {
  poly{ points = { 32, 62, 40, 26, 80, 12, 120, 26, 128, 62, 112, 48, 48, 48 }, fill = palette.stone, outline = palette.ink, width = 3 },
  rect{ x = 76, y = 12, w = 8, h = 40, fill = palette.silver_dark },
}, palette.blue_dark, "HERO")
face("speech_wife_face", "#f0c8a0", palette.bronze_dark, {
  poly{ points = { 30, 120, 28, 60, 46, 30, 80, 22, 114, 30, 132, 60, 130, 120, 114, 70, 80, 50, 46, 70 }, fill = palette.orange, outline = palette.brown, width = 3 },
  circle{ cx = 118, cy = 40, r = 9, fill = palette.red, outline = palette.red_dark, width = 2 },
}, palette.red_dark, "WIFE")
face("speech_trader_face", "#e0b088", palette.bronze_dark, {
  rect{ x = 28, y = 36, w = 104, h = 12, r = 5, fill = palette.purple, outline = palette.ink, width = 2 },
  rect{ x = 48, y = 8, w = 64, h = 32, r = 8, fill = palette.purple, outline = palette.ink, width = 2 },
  poly{ points = { 44, 104, 80, 134, 116, 104, 100, 124, 80, 132, 60, 124 }, fill = palette.stone, outline = palette.ink, width = 2 },
}, palette.gold_dark, "TRADER")
face("speech_gravik_face", palette.green, palette.green_dark, {
  poly{ points = { 36, 60, 14, 30, 50, 44 }, fill = palette.green, outline = palette.green_dark, width = 3 },
  poly{ points = { 124, 60, 146, 30, 110, 44 }, fill = palette.green, outline = palette.green_dark, width = 3 },
  rect{ x = 66, y = 110, w = 6, h = 8, fill = palette.white },
  rect{ x = 88, y = 110, w = 6, h = 8, fill = palette.white },
}, palette.green_dark, "GRAVIK")
