-- The "game_over" window: a lost level. The level screen puts the reason in "text";
-- "restart" plays the level again and "map" goes back to the level map.

local panel = { x = 292, y = 244, w = 440, h = 280 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local inset = 40

local function makeButton(wnd, name, text, x)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, skin)
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, { x = x, y = panel.y + 32, w = 160, h = 44 }, { x = 10, y = 10 })
  setCtrlFont(button, "a_fontsystem14")
  setCtrlAlign(button, align.Center + align.Middle)
  setCtrlText(button, text)
end

function FillWindow(wnd)
  setWndModal(wnd, true)
  setWndActive(wnd, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, panelCell, { x = panelBorder, y = panelBorder })
  setCtrlFrame(frame, panel, { x = 24, y = 24 })

  local title = createLabelCtrl(wnd, "title")
  setCtrlFont(title, "MonotypeCorsivaRegular36g")
  setCtrlAlign(title, align.Center + align.Middle)
  setCtrlColor(title, 0.55, 0.12, 0.08)
  setCtrlRect(title, { x = panel.x, y = panel.y + panel.h - 72, w = panel.w, h = 44 })
  setCtrlText(title, "[GameOverTitle]")

  local text = createTextBoxSysCtrl(wnd, "text")
  setCtrlFont(text, "a_fontsystem14")
  setCtrlAlign(text, align.Center + align.Middle)
  setCtrlColor(text, 0.25, 0.18, 0.1)
  setCtrlRect(text, { x = panel.x + inset, y = panel.y + 92, w = panel.w - 2 * inset, h = 100 })

  makeButton(wnd, "restart", "[GameOverRestart]", panel.x + inset)
  makeButton(wnd, "map", "[GameOverMap]", panel.x + panel.w - inset - 160)
end
