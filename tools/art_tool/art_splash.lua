-- data/texture/splash: the splash pictures. They are drawn whole into a rectangle
-- of the 1024 x 768 screen, so each is 1024 x 512 and meant for the rectangle
-- (0, 128, 1024, 512). No description scripts here: the splash loads every file
-- of the folder as a picture.
local function sparkles(seed)
  local ops = {}
  local x = seed
  for i = 1, 14 do
    x = (x * 73 + 41) % 1000
    ops[#ops + 1] = star{ cx = 40 + x % 944, cy = 30 + (x * 7) % 450, r = 6 + x % 10, fill = "#fff6b0c0" }
  end
  return ops
end

picture("splash/splash_title", 1024, 512, join(
  { gradient{ x = 0, y = 0, w = 1024, h = 512, from = "#0e1430", to = "#3a2a6a" } },
  sparkles(17),
  { glow{ cx = 512, cy = 230, r = 420, color = "#f2c23050", power = 1.5 },
    label{ x = 512, y = 150, text = "KELVARA 2", scale = 16, align = "center", color = palette.gold, outline = "#5a2a10" },
    rect{ x = 232, y = 290, w = 560, h = 6, r = 3, fill = palette.gold },
    label{ x = 512, y = 320, text = "A TALE OF BUILDERS AND MAGIC", scale = 3, align = "center", color = palette.paper } }
), { plain = true })

picture("splash/splash_studio", 1024, 512, {
  gradient{ x = 0, y = 0, w = 1024, h = 512, from = "#000000", to = "#101010" },
  circle{ cx = 512, cy = 190, r = 90, fill = palette.teal, outline = "#0a4a48", width = 8 },
  poly{ points = { 452, 230, 512, 120, 572, 230 }, fill = palette.paper },
  circle{ cx = 512, cy = 190, r = 22, fill = palette.teal },
  label{ x = 512, y = 320, text = "OSTRAND", scale = 8, align = "center", color = palette.paper },
  label{ x = 512, y = 390, text = "ENTERTAINMENT", scale = 4, align = "center", color = palette.teal },
}, { plain = true })
