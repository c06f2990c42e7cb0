-- The "menu" window: the main menu's column of buttons over the menu scene, with
-- the greeting of the logged-on player above them. The greeting label holds the
-- text key that the menu's handler formats with the player's name.

local panel = { x = 352, y = 178, w = 320, h = 412 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local buttonWidth, buttonHeight, buttonStep = 240, 44, 58

-- Buttons from the top down, each with its caption's text key.
local buttons = {
  { "btStart", "[MenuStart]" },
  { "btAchieves", "[MenuAchieves]" },
  { "btProfile", "[MenuProfile]" },
  { "btOptions", "[MenuOptions]" },
  { "btExit", "[MenuExit]" },
}

local function makeButton(wnd, name, text, y)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, skin)
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, { x = panel.x + (panel.w - buttonWidth) / 2, y = y, w = buttonWidth, h = buttonHeight },
               { x = 10, y = 10 })
  setCtrlFont(button, "a_fontsystem14")
  setCtrlAlign(button, align.Center + align.Middle)
  setCtrlText(button, text)
end

function FillWindow(wnd)
  setWndActive(wnd, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, panelCell, { x = panelBorder, y = panelBorder })
  setCtrlFrame(frame, panel, { x = 24, y = 24 })

  local greeting = createLabelCtrl(wnd, "lbProfile")
  setCtrlFont(greeting, "a_fontsystem14")
  setCtrlAlign(greeting, align.Center + align.Middle)
  setCtrlColor(greeting, 0.25, 0.18, 0.1)
  setCtrlRect(greeting, { x = panel.x + 24, y = panel.y + panel.h - 60, w = panel.w - 48, h = 32 })
  setCtrlText(greeting, "MenuGreeting")

  local y = panel.y + panel.h - 80 - buttonHeight
  for _, entry in ipairs(buttons) do
    makeButton(wnd, entry[1], entry[2], y)
    y = y - buttonStep
  end
end
