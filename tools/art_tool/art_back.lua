-- data/texture/back: scene backgrounds. A scene is painted as one 1024 x 768
-- picture and cut into the four pictures the background object lays out two by
-- two from the bottom-left: _0 bottom-left 512 x 512, _1 top-left 512 x 256,
-- _2 bottom-right 512 x 512, _3 top-right 512 x 256.
local quarters = {
  { 0, 256, 512, 512 }, { 0, 0, 512, 256 }, { 512, 256, 512, 512 }, { 512, 0, 512, 256 },
}
local function scene(name, draw)
  for i, q in ipairs(quarters) do
    texture{ path = "back/" .. name .. "_" .. (i - 1), size = { q[3], q[4] }, plain = true,
             draw = { group{ dx = -q[1], dy = -q[2], ops = draw } } }
  end
end

local function hills(skyTop, skyBottom, near, far, seed)
  return {
    gradient{ x = 0, y = 0, w = 1024, h = 768, from = skyTop, to = skyBottom },
    ellipse{ cx = 250, cy = 520, rx = 450, ry = 180, fill = far },
    ellipse{ cx = 820, cy = 540, rx = 420, ry = 200, fill = far },
    rect{ x = 0, y = 500, w = 1024, h = 268, fill = near },
    speckle{ x = 0, y = 500, w = 1024, h = 268, count = 220, size = 2, color = "#00000018", seed = seed },
  }
end

scene("menu", join(hills("#5a8ad8", "#d8ecff", "#5a9a3a", "#7ab85a", 11), {
  circle{ cx = 840, cy = 140, r = 60, fill = "#fff2a0" }, glow{ cx = 840, cy = 140, r = 140, color = "#fff2a060" },
  rect{ x = 120, y = 330, w = 160, h = 200, fill = "#c8b090", outline = "#5a4a30", width = 4 },
  poly{ points = { 100, 335, 200, 230, 300, 335 }, fill = palette.red, outline = palette.red_dark, width = 4 },
  rect{ x = 180, y = 440, w = 40, h = 90, fill = palette.brown },
  rect{ x = 340, y = 120, w = 344, h = 460, r = 24, fill = "#00000030" },
}))
scene("map", join(hills("#8ab8e0", "#e8f4ff", "#8ab860", "#a0c878", 12), {
  ellipse{ cx = 512, cy = 420, rx = 470, ry = 330, fill = "#d8c8a0", outline = "#8a7450", width = 6 },
  speckle{ x = 80, y = 120, w = 860, h = 600, count = 90, size = 5, color = "#6a9a4a80", seed = 21 },
  poly{ points = { 700, 300, 760, 200, 820, 300 }, fill = palette.stone, outline = "#5a6068", width = 3 },
  poly{ points = { 760, 320, 830, 190, 900, 320 }, fill = "#b0b8c0", outline = "#5a6068", width = 3 },
  ellipse{ cx = 260, cy = 560, rx = 120, ry = 60, fill = "#6aa8e0", outline = "#3a6a9a", width = 3 },
}))
scene("achieve", {
  gradient{ x = 0, y = 0, w = 1024, h = 768, from = "#2a1a40", to = "#6a4a8a" },
  speckle{ x = 0, y = 0, w = 1024, h = 768, count = 120, size = 1.5, color = "#fff6b0a0", seed = 31 },
  rect{ x = 40, y = 40, w = 944, h = 688, r = 30, outline = palette.gold, width = 6 },
  label{ x = 512, y = 70, text = "ACHIEVEMENTS", scale = 6, align = "center", color = palette.gold, outline = "#2a1a40" },
})
scene("comics", {
  gradient{ x = 0, y = 0, w = 1024, h = 768, from = "#3a2a20", to = "#1a120c" },
  speckle{ x = 0, y = 0, w = 1024, h = 768, count = 80, size = 2, color = "#ffffff10", seed = 41 },
})
-- The play levels "000".."039": each painted from its ground as the level's source
-- describes it (data/level/terrain/levelNNN.lua, see art_terrain.lua).
include("art_terrain.lua")
for n = 0, 39 do
  local name = string.format("%03d", n)
  scene(name, terrain_scene(name, n))
end
