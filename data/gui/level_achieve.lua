-- The "level_achieve" window: the pop-up of a newly earned achievement at the top of
-- the screen; the application puts the achievement's tile in "image" and its title
-- in "name".

local skin = "gui_system"
local captionCell = { x = 0.875, y = 0.625, w = 0.125, h = 0.125 }
local captionBorder = 8 / 256
local box = { x = 332, y = 632, w = 360, h = 104 }

function FillWindow(wnd)
  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, captionCell, { x = captionBorder, y = captionBorder })
  setCtrlFrame(frame, box, { x = 10, y = 10 })

  local image = createImageCtrl(wnd, "image")
  setCtrlRect(image, { x = box.x + 12, y = box.y + 12, w = 80, h = 80 })

  local heading = createLabelCtrl(wnd, "heading")
  setCtrlFont(heading, "a_fontsystem9")
  setCtrlAlign(heading, align.Left + align.Middle)
  setCtrlColor(heading, 0.45, 0.32, 0.12)
  setCtrlRect(heading, { x = box.x + 106, y = box.y + 60, w = box.w - 118, h = 24 })
  setCtrlText(heading, "[AchieveUnlocked]")

  local name = createLabelCtrl(wnd, "name")
  setCtrlFont(name, "a_fontsystem14")
  setCtrlAlign(name, align.Left + align.Middle)
  setCtrlColor(name, 0.2, 0.14, 0.08)
  setCtrlRect(name, { x = box.x + 106, y = box.y + 22, w = box.w - 118, h = 36 })
end
