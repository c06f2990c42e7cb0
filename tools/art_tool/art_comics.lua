-- data/texture/back: the comic pages "comics_frm0" to "comics_frm11", six to an
-- atlas. Each page is a small framed scene; the page's number sits in a corner.
local pageW, pageH = 480, 320
local skies = {
  { "#f8c890", "#fff0d0" }, { "#90c0f0", "#e8f4ff" }, { "#6a80c8", "#c8d8f8" }, { "#2a2a5a", "#6a5a9a" },
}
local grounds = { "#7cbf4a", "#9ad06a", "#6aa040", "#4a7a3a" }

-- What happens on a page: a few shapes on the ground line, varied by the page.
local function pageScene(i)
  local sky = skies[i % #skies + 1]
  local ground = grounds[i % #grounds + 1]
  local sunX = 60 + (i * 37) % 360
  local ops = {
    gradient{ x = 0, y = 0, w = pageW, h = pageH, from = sky[1], to = sky[2] },
    circle{ cx = sunX, cy = 60, r = 26, fill = i % 4 == 3 and "#f0f0ff" or "#fff2a0" },
    ellipse{ cx = 120, cy = 250, rx = 220, ry = 70, fill = grounds[(i + 1) % #grounds + 1] },
    rect{ x = 0, y = 240, w = pageW, h = 80, fill = ground },
  }
  -- A cottage on the even pages, a tower on the odd ones.
  if i % 2 == 0 then
    ops[#ops + 1] = rect{ x = 300, y = 170, w = 90, h = 80, fill = "#c8b090", outline = "#5a4a30", width = 3 }
    ops[#ops + 1] = poly{ points = { 290, 172, 345, 120, 400, 172 }, fill = palette.red, outline = palette.red_dark, width = 3 }
  else
    ops[#ops + 1] = rect{ x = 320, y = 110, w = 50, h = 140, fill = palette.stone, outline = "#5a6068", width = 3 }
    ops[#ops + 1] = poly{ points = { 312, 112, 345, 70, 378, 112 }, fill = palette.blue, outline = palette.blue_dark, width = 3 }
  end
  -- A figure walking across the pages.
  local figureX = 60 + (i * 29) % 200
  ops[#ops + 1] = ellipse{ cx = figureX, cy = 226, rx = 16, ry = 26, fill = palette.purple, outline = palette.ink, width = 2 }
  ops[#ops + 1] = circle{ cx = figureX, cy = 190, r = 12, fill = "#f0d8b0", outline = palette.ink, width = 2 }
  ops[#ops + 1] = rect{ x = 4, y = 4, w = pageW - 8, h = pageH - 8, r = 6, outline = "#2a2018", width = 8 }
  ops[#ops + 1] = label{ x = pageW - 28, y = 28, text = tostring(i + 1), scale = 3, align = "center", valign = "middle",
                         color = palette.white, outline = palette.ink }
  return ops
end

for atlas = 0, 1 do
  local strips = {}
  for k = 0, 5 do
    local i = atlas * 6 + k
    strips[#strips + 1] = strip{ name = "comics_frm" .. i, x = (k % 2) * pageW, y = math.floor(k / 2) * pageH,
                                 w = pageW, h = pageH, draw = function() return pageScene(i) end }
  end
  texture{ path = "back/comics_pages" .. atlas, size = { 1024, 1024 }, strips = strips }
end
