-- The "map" window: the two buttons of the level map, in the bottom corners so the
-- map stays free: back to the menu on the left, play the chosen level on the right.

local skin = "gui_system"
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local margin, buttonWidth, buttonHeight = 24, 180, 48

local function makeButton(wnd, name, text, x)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, skin)
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, { x = x, y = margin, w = buttonWidth, h = buttonHeight }, { x = 10, y = 10 })
  setCtrlFont(button, "a_fontsystem14")
  setCtrlAlign(button, align.Center + align.Middle)
  setCtrlText(button, text)
end

function FillWindow(wnd)
  setWndActive(wnd, true)
  makeButton(wnd, "back", "[MapBack]", margin)
  makeButton(wnd, "play", "[MapPlay]", 1024 - margin - buttonWidth)
end
