-- The "achieve" window over the achievements wall: the player's achievement score
-- at the top, and the button back to the menu at the bottom.

local skin = "gui_system"
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local titleCell = { x = 0.5, y = 0.3125, w = 0.5, h = 0.1875 }
local titleBorder = 16 / 256
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

  local plate = createFrameCtrl(wnd, "score_plate")
  setCtrlTexture(plate, skin)
  setCtrlUVFrame(plate, titleCell, { x = titleBorder, y = titleBorder })
  setCtrlFrame(plate, { x = 352, y = 768 - margin - 52, w = 320, h = 52 }, { x = 16, y = 16 })

  local score = createLabelCtrl(wnd, "score")
  setCtrlFont(score, "a_fontsystem14")
  setCtrlAlign(score, align.Center + align.Middle)
  setCtrlColor(score, 1, 0.97, 0.88)
  setCtrlRect(score, { x = 352, y = 768 - margin - 52, w = 320, h = 52 })
  setCtrlText(score, "[AchieveScore]")

  makeButton(wnd, "back", "[AchieveBack]", margin)
end
