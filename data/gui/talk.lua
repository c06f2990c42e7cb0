-- The "talk" window: the dialogue before a level. Each side has a portrait that
-- speaks, and a speech frame with its text beside it; the level screen shows the
-- side of the current speaker and hides the other's frame and text.

local skin = "gui_system"
local captionCell = { x = 0.875, y = 0.625, w = 0.125, h = 0.125 }
local captionBorder = 8 / 256
local margin = 16
local faceSize = 176
local bubble = { w = 560, h = 128, y = 40 }

local function makeSide(wnd, side, faceX, bubbleX)
  local face = createFaceCtrl(wnd, side .. "_face")
  setCtrlRect(face, { x = faceX, y = margin, w = faceSize, h = faceSize })

  local frame = createFrameCtrl(wnd, side .. "_frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, captionCell, { x = captionBorder, y = captionBorder })
  setCtrlFrame(frame, { x = bubbleX, y = bubble.y, w = bubble.w, h = bubble.h }, { x = 12, y = 12 })
  showCtrl(frame, false)

  local text = createTextBoxSysCtrl(wnd, side .. "_text")
  setCtrlFont(text, "TimesNewRomanItalic22")
  setCtrlAlign(text, align.Left + align.Middle)
  setCtrlColor(text, 0.2, 0.14, 0.08)
  setCtrlRect(text, { x = bubbleX + 20, y = bubble.y + 14, w = bubble.w - 40, h = bubble.h - 28 })
  showCtrl(text, false)
end

function FillWindow(wnd)
  setWndActive(wnd, true)
  makeSide(wnd, "left", margin, margin + faceSize + 8)
  makeSide(wnd, "right", 1024 - margin - faceSize, 1024 - margin - faceSize - 8 - bubble.w)
end
