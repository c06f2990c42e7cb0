-- The "train" window: a tutorial hint. The hint framework moves "frame" beside the
-- object the hint is about (a negative width or height makes the frame reach left
-- or down from its anchor), points "arrow" at the object and fills "text". All three
-- are ignored by the window's default handling: presses and moves over a hint must
-- reach the level screen, which moves a waiting hint on.

local skin = "gui_system"
local captionCell = { x = 0.875, y = 0.625, w = 0.125, h = 0.125 }
local captionBorder = 8 / 256
local box = { x = 0, y = 0, w = 300, h = 110 }

function FillWindow(wnd)
  setWndActive(wnd, true)

  local arrow = createAnimationCtrl(wnd, "arrow")
  setCtrlTexture(arrow, "train_arrow")
  setCtrlRect(arrow, { x = -24, y = -24, w = 48, h = 48 })
  ignoreCtrl(arrow, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, captionCell, { x = captionBorder, y = captionBorder })
  setCtrlFrame(frame, box, { x = 10, y = 10 })
  ignoreCtrl(frame, true)

  local text = createTextBoxSysCtrl(wnd, "text")
  setCtrlFont(text, "a_fontsystem14")
  setCtrlAlign(text, align.Left + align.Top)
  setCtrlColor(text, 0.2, 0.14, 0.08)
  setCtrlRect(text, { x = box.x + 14, y = box.y + 12, w = box.w - 28, h = box.h - 24 })
  ignoreCtrl(text, true)
end
