-- The "escape" window: the pause menu of a level, a modal panel in the middle of
-- the screen with resume, restart, options and the way back to the map.

local panel = { x = 362, y = 214, w = 300, h = 340 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local buttonWidth, buttonHeight, buttonStep = 220, 44, 58

local buttons = {
  { "btResume", "[EscapeResume]" },
  { "btRestart", "[EscapeRestart]" },
  { "btOptions", "[EscapeOptions]" },
  { "btEnd", "[EscapeEnd]" },
}

function FillWindow(wnd)
  setWndModal(wnd, true)
  setWndActive(wnd, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, panelCell, { x = panelBorder, y = panelBorder })
  setCtrlFrame(frame, panel, { x = 24, y = 24 })

  local title = createLabelCtrl(wnd, "title")
  setCtrlFont(title, "TimesNewRomanItalic22")
  setCtrlAlign(title, align.Center + align.Middle)
  setCtrlColor(title, 0.3, 0.2, 0.1)
  setCtrlRect(title, { x = panel.x, y = panel.y + panel.h - 64, w = panel.w, h = 36 })
  setCtrlText(title, "[EscapeTitle]")

  local y = panel.y + panel.h - 80 - buttonHeight
  for _, entry in ipairs(buttons) do
    local button = createButtonSysCtrl(wnd, entry[1])
    setCtrlTexture(button, skin)
    setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
    setCtrlFrame(button, { x = panel.x + (panel.w - buttonWidth) / 2, y = y, w = buttonWidth, h = buttonHeight },
                 { x = 10, y = 10 })
    setCtrlFont(button, "a_fontsystem14")
    setCtrlAlign(button, align.Center + align.Middle)
    setCtrlText(button, entry[2])
    y = y - buttonStep
  end
end
