-- The "hint" window: never opened itself. Its "frame" and "text" are the pattern of
-- the floating captions the scene screens show beside hovered objects: the panel's
-- picture and borders, and the text's font, colour, alignment and inset.

local skin = "gui_system"
local captionCell = { x = 0.875, y = 0.625, w = 0.125, h = 0.125 }
local captionBorder = 8 / 256
local box = { x = 0, y = 0, w = 220, h = 60 }

function FillWindow(wnd)
  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, captionCell, { x = captionBorder, y = captionBorder })
  setCtrlFrame(frame, box, { x = 8, y = 8 })

  local text = createTextBoxSysCtrl(wnd, "text")
  setCtrlFont(text, "a_fontsystem9")
  setCtrlAlign(text, align.Left + align.Top)
  setCtrlColor(text, 0.2, 0.14, 0.08)
  setCtrlRect(text, { x = box.x + 10, y = box.y + 8, w = box.w - 20, h = box.h - 16 })
end
