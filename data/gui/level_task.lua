-- The "level_task" window: the tooltip beside the task rows of the level's display;
-- "text" takes the task's description while the pointer rests on a row.

local skin = "gui_system"
local captionCell = { x = 0.875, y = 0.625, w = 0.125, h = 0.125 }
local captionBorder = 8 / 256
local box = { x = 544, y = 520, w = 256, h = 132 }

function FillWindow(wnd)
  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, captionCell, { x = captionBorder, y = captionBorder })
  setCtrlFrame(frame, box, { x = 8, y = 8 })

  local text = createTextBoxSysCtrl(wnd, "text")
  setCtrlFont(text, "a_fontsystem9")
  setCtrlAlign(text, align.Left + align.Top)
  setCtrlColor(text, 0.2, 0.14, 0.08)
  setCtrlRect(text, { x = box.x + 12, y = box.y + 10, w = box.w - 24, h = box.h - 20 })
end
