-- data/texture/achieve: achievement tile frame, the locked tile and the 30
-- achievement pictures ("achieve_" plus the id; a tile's sprite text names one).
texture{
  path = "achieve/achieve_base", size = { 128, 128 },
  draw = { frame{ x = 4, y = 4, w = 120, h = 120, border = 20, r = 16, rim = 5, edge = "#5a3a18", fill = "#e8d8b0", shine = "#ffffffa0" },
           rect{ x = 14, y = 14, w = 100, h = 100, r = 10, outline = "#b89a60", width = 2 } },
}
texture{
  path = "achieve/achieve_question", size = { 256, 64 },
  strips = { strip{ name = "achieve_question", w = 64, h = 64, count = 4, fps = 4, draw = function(i, s)
    local shade = { "#8a8a96", "#9a9aa8", "#aaaab8", "#9a9aa8" }
    return { circle{ cx = 32, cy = 32, r = 28, fill = shade[i + 1], outline = "#4a4a56", width = 3 },
             label{ x = 32, y = 33, text = "?", scale = 5, align = "center", valign = "middle", color = palette.white, outline = "#4a4a56" } }
  end } },
}

-- Symbols: each achievement gets a background colour, a symbol and a short word.
local symbols = {
  wall = function(c) return { rect{ x = 12, y = 20, w = 40, h = 24, fill = c, outline = palette.ink, width = 2 },
    line{ x1 = 12, y1 = 32, x2 = 52, y2 = 32, width = 2, color = palette.ink }, line{ x1 = 32, y1 = 20, x2 = 32, y2 = 32, width = 2, color = palette.ink },
    line{ x1 = 22, y1 = 32, x2 = 22, y2 = 44, width = 2, color = palette.ink }, line{ x1 = 42, y1 = 32, x2 = 42, y2 = 44, width = 2, color = palette.ink } } end,
  logs = function(c) return { circle{ cx = 22, cy = 38, r = 9, fill = c, outline = palette.ink, width = 2 }, circle{ cx = 42, cy = 38, r = 9, fill = c, outline = palette.ink, width = 2 },
    circle{ cx = 32, cy = 22, r = 9, fill = c, outline = palette.ink, width = 2 } } end,
  drop = function(c) return { circle{ cx = 32, cy = 38, r = 12, fill = c, outline = palette.ink, width = 2 }, poly{ points = { 21, 34, 32, 12, 43, 34 }, fill = c } } end,
  face = function(c) return { circle{ cx = 32, cy = 32, r = 16, fill = c, outline = palette.ink, width = 2 }, circle{ cx = 26, cy = 29, r = 3, fill = palette.ink },
    circle{ cx = 38, cy = 29, r = 3, fill = palette.ink }, line{ x1 = 25, y1 = 39, x2 = 39, y2 = 39, width = 2.5, color = palette.ink } } end,
  hat = function(c) return { poly{ points = { 32, 8, 44, 42, 20, 42 }, fill = c, outline = palette.ink, width = 2 }, ellipse{ cx = 32, cy = 43, rx = 20, ry = 5, fill = c, outline = palette.ink, width = 2 } } end,
  dots = function(c) return { circle{ cx = 24, cy = 36, r = 9, fill = c, outline = palette.ink, width = 2 }, circle{ cx = 40, cy = 36, r = 9, fill = c, outline = palette.ink, width = 2 },
    circle{ cx = 32, cy = 22, r = 9, fill = c, outline = palette.ink, width = 2 } } end,
  coin = function(c) return { circle{ cx = 32, cy = 30, r = 16, fill = c, outline = palette.ink, width = 2 }, label{ x = 32, y = 30, text = "$", scale = 3, align = "center", valign = "middle", color = palette.ink } } end,
  star = function(c) return { star{ cx = 32, cy = 30, r = 18, fill = c, outline = palette.ink, width = 2 } } end,
  bell = function(c) return { poly{ points = { 20, 40, 24, 18, 32, 12, 40, 18, 44, 40 }, fill = c, outline = palette.ink, width = 2 }, circle{ cx = 32, cy = 44, r = 4, fill = palette.ink } } end,
  cube = function(c) return { rect{ x = 16, y = 16, w = 32, h = 28, r = 4, fill = c, outline = palette.ink, width = 2 }, line{ x1 = 20, y1 = 22, x2 = 30, y2 = 22, width = 2, color = palette.white } } end,
  lens = function(c) return { ring{ cx = 28, cy = 28, r = 11, width = 5, color = c }, line{ x1 = 36, y1 = 36, x2 = 48, y2 = 48, width = 6, color = palette.ink } } end,
  flame = function(c) return { poly{ points = { 20, 44, 44, 44, 40, 26, 32, 10, 24, 26 }, fill = c, outline = palette.ink, width = 2 } } end,
  shield = function(c) return { poly{ points = { 16, 14, 48, 14, 46, 34, 32, 48, 18, 34 }, fill = c, outline = palette.ink, width = 2 } } end,
  heart = function(c) return { circle{ cx = 25, cy = 24, r = 9, fill = c }, circle{ cx = 39, cy = 24, r = 9, fill = c }, poly{ points = { 16.5, 27, 47.5, 27, 32, 46 }, fill = c } } end,
  bars = function(c) return { rect{ x = 14, y = 14, w = 36, h = 32, fill = c, outline = palette.ink, width = 2 }, line{ x1 = 23, y1 = 14, x2 = 23, y2 = 46, width = 3, color = palette.ink },
    line{ x1 = 32, y1 = 14, x2 = 32, y2 = 46, width = 3, color = palette.ink }, line{ x1 = 41, y1 = 14, x2 = 41, y2 = 46, width = 3, color = palette.ink } } end,
  tower = function(c) return { rect{ x = 24, y = 18, w = 16, h = 28, fill = c, outline = palette.ink, width = 2 }, poly{ points = { 20, 18, 32, 6, 44, 18 }, fill = palette.red, outline = palette.ink, width = 2 } } end,
  skull = function(c) return { circle{ cx = 32, cy = 28, r = 14, fill = c, outline = palette.ink, width = 2 }, rect{ x = 25, y = 36, w = 14, h = 10, fill = c, outline = palette.ink, width = 2 },
    circle{ cx = 27, cy = 27, r = 3.5, fill = palette.ink }, circle{ cx = 37, cy = 27, r = 3.5, fill = palette.ink } } end,
  stalk = function(c) return { line{ x1 = 32, y1 = 46, x2 = 32, y2 = 14, width = 3, color = c }, ellipse{ cx = 27, cy = 22, rx = 4, ry = 7, fill = c }, ellipse{ cx = 37, cy = 22, rx = 4, ry = 7, fill = c },
    ellipse{ cx = 27, cy = 34, rx = 4, ry = 7, fill = c }, ellipse{ cx = 37, cy = 34, rx = 4, ry = 7, fill = c } } end,
  clock = function(c) return { circle{ cx = 32, cy = 30, r = 16, fill = c, outline = palette.ink, width = 2 }, line{ x1 = 32, y1 = 30, x2 = 32, y2 = 19, width = 2.5, color = palette.ink },
    line{ x1 = 32, y1 = 30, x2 = 40, y2 = 34, width = 2.5, color = palette.ink } } end,
  cup = function(c) return { poly{ points = { 18, 12, 46, 12, 42, 32, 32, 38, 22, 32 }, fill = c, outline = palette.ink, width = 2 }, rect{ x = 24, y = 42, w = 16, h = 5, fill = c, outline = palette.ink, width = 1.5 } } end,
}
local function no(ops) -- crossed out
  ops[#ops + 1] = ring{ cx = 32, cy = 30, r = 22, width = 4, color = palette.red }
  ops[#ops + 1] = line{ x1 = 17, y1 = 45, x2 = 47, y2 = 15, width = 4, color = palette.red }
  return ops
end
local achievements = {
  { "stone_barrier", "#9aa0a8", "wall", palette.stone, "STONE" }, { "wood_barrier", "#c89a60", "logs", palette.brown, "WOOD" },
  { "mana_well", "#6a8ad8", "drop", "#9ad0ff", "WELL" }, { "goblin", "#7ab050", "face", "#5a9a30", "GOBLIN" },
  { "finish_well", "#4a6ac0", "drop", "#d0f0ff", "WELLS" }, { "witch", "#9a70d0", "hat", "#3a2a5a", "WITCH" },
  { "tomatoes", "#e08070", "dots", palette.red, "TOMATO" }, { "wood", "#b08048", "logs", "#e0b070", "WOOD" },
  { "money", "#e0c050", "coin", palette.gold, "MONEY" }, { "mana", "#5070d0", "star", "#a0d0ff", "MANA" },
  { "bell", "#d0a040", "bell", "#ffe080", "BELL" }, { "ice_block", "#90d0e8", "cube", "#e0f8ff", "ICE" },
  { "fast_find", "#70b0a0", "lens", palette.blue_dark, "FAST" }, { "less_fire", "#e09050", "flame", palette.orange, "FIRE", true },
  { "tank", "#8a9080", "cube", "#5a6050", "TANK" }, { "gravik", "#a08870", "face", "#c0a080", "GRAVIK" },
  { "advisor", "#c0a0e0", "face", "#f0d8b0", "ADVISOR" }, { "prison", "#707880", "bars", "#a0a8b0", "PRISON" },
  { "shield", "#6080c0", "shield", palette.silver, "SHIELD" }, { "in_love", "#f0a0c0", "heart", "#e0306a", "LOVE" },
  { "ruins", "#a09080", "wall", "#706050", "RUINS" }, { "no_tower", "#a0b0c0", "tower", palette.stone, "TOWER", true },
  { "succubus", "#c060a0", "heart", "#6a1a4a", "SUCCUB" }, { "gold_cup", "#f0d870", "cup", palette.gold, "GOLD" },
  { "silver_cup", "#d0d8e0", "cup", palette.silver, "SILVER" }, { "bronze_cup", "#e0a070", "cup", palette.bronze, "BRONZE" },
  { "skeleton", "#808890", "skull", "#f0ecd8", "SKULL" }, { "no_mill", "#c0b080", "tower", "#e0d0a0", "MILL", true },
  { "wheat", "#a0c060", "stalk", "#f0c840", "WHEAT" }, { "no_speed", "#80a0c0", "clock", palette.paper, "SPEED", true },
}
local tileStrips = {}
for i, a in ipairs(achievements) do
  local index = i - 1
  tileStrips[#tileStrips + 1] = strip{ name = "achieve_" .. a[1], x = (index % 6) * 80, y = math.floor(index / 6) * 80,
    w = 80, h = 80, draw = function()
      local symbol = symbols[a[3]](a[4])
      if a[6] then symbol = no(symbol) end
      return join({ circle{ cx = 40, cy = 38, r = 36, fill = a[2], outline = palette.ink, width = 2.5 } },
                  moved(8, 2, symbol),
                  { label{ x = 40, y = 62, text = a[5], align = "center", color = palette.white, outline = palette.ink } })
    end }
end
texture{ path = "achieve/achieve_tiles", size = { 512, 512 }, strips = tileStrips }

-- The achievements wall: one piece of stone wall that the screen stacks from the
-- bottom of its scene up (texture "achieve1"; the hot spot is the bottom-left corner,
-- and the rows of stones repeat at the top and bottom edges so the pieces meet).
local function wall_piece()
  local ops = { rect{ x = 0, y = 0, w = 1024, h = 512, fill = "#5a4a3a" } }
  local stoneHeight, stoneWidth = 64, 128
  for row = 0, 512 / stoneHeight - 1 do
    local shift = (row % 2) * stoneWidth / 2
    for column = -1, 1024 / stoneWidth do
      local x = column * stoneWidth + shift
      local shade = ({ "#8a7a66", "#948470", "#7e6e5c", "#9a8a74" })[(row * 3 + column) % 4 + 1]
      ops[#ops + 1] = rect{ x = x + 3, y = row * stoneHeight + 3, w = stoneWidth - 6, h = stoneHeight - 6, r = 6, fill = shade }
    end
  end
  ops[#ops + 1] = speckle{ x = 0, y = 0, w = 1024, h = 512, count = 400, size = 2, color = "#00000020", seed = 81 }
  return ops
end
texture{
  path = "achieve/achieve1", size = { 1024, 512 },
  strips = { strip{ name = "achieve_wall", w = 1024, h = 512, hx = 0, hy = 512, draw = function() return wall_piece() end } },
}

-- The fixed frame over the wall: a carved border round the screen and a title board,
-- open in the middle (hot spot at the bottom-left corner of the screen).
texture{
  path = "achieve/achieve_front", size = { 1024, 1024 },
  strips = { strip{ name = "achieve_front", w = 1024, h = 768, hx = 0, hy = 768, draw = function()
    return {
      rect{ x = 0, y = 0, w = 1024, h = 30, fill = "#6a4420", outline = "#3a2410", width = 3 },
      rect{ x = 0, y = 738, w = 1024, h = 30, fill = "#6a4420", outline = "#3a2410", width = 3 },
      rect{ x = 0, y = 0, w = 30, h = 768, fill = "#6a4420", outline = "#3a2410", width = 3 },
      rect{ x = 994, y = 0, w = 30, h = 768, fill = "#6a4420", outline = "#3a2410", width = 3 },
      rect{ x = 312, y = 8, w = 400, h = 64, r = 14, fill = "#7a5028", outline = "#3a2410", width = 4 },
      label{ x = 512, y = 40, text = "ACHIEVEMENTS", scale = 4, align = "center", valign = "middle", color = palette.gold, outline = "#3a2410" },
    }
  end } },
}
