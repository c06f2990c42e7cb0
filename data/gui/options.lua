-- The "options" window: sound and music volume sliders, the full-screen and the
-- tutorial-hint check boxes and the way back.

local panel = { x = 292, y = 184, w = 440, h = 400 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local checkCell = { x = 0.375, y = 0.875, w = 0.125, h = 0.125 }
local trackCell = { x = 0.625, y = 0.9375, w = 0.25, h = 0.0625 }
local trackBorder = 6 / 256
local thumbCell = { x = 0.375, y = 0.65625, w = 0.09375, h = 0.09375 }
local inset = 40
local rowHeight = 32

local function makeLabel(wnd, name, text, rect)
  local label = createLabelCtrl(wnd, name)
  setCtrlFont(label, "a_fontsystem14")
  setCtrlAlign(label, align.Left + align.Middle)
  setCtrlColor(label, 0.25, 0.18, 0.1)
  setCtrlRect(label, rect)
  setCtrlText(label, text)
end

local function makeSlider(wnd, name, y)
  local slider = createSliderSysCtrl(wnd, name)
  setCtrlTexture(slider, skin)
  setCtrlUVFrame(slider, trackCell, { x = trackBorder, y = trackBorder })
  setCtrlUVRect(slider, thumbCell)
  setCtrlFrame(slider, { x = panel.x + 170, y = y, w = panel.w - 170 - inset, h = rowHeight }, { x = 6, y = 6 })
  setCtrlRect(slider, { x = 0, y = 0, w = 24, h = 24 })
  setSliderCtrlMinMax(slider, 0, 1)
end

local function makeCheckBox(wnd, name, text, y)
  local box = createCheckBoxSysCtrl(wnd, name)
  setCtrlTexture(box, skin)
  setCtrlUVRect(box, checkCell)
  setCtrlFont(box, "a_fontsystem14")
  setCtrlColor(box, 0.25, 0.18, 0.1)
  setCtrlRect(box, { x = panel.x + inset, y = y, w = panel.w - 2 * inset, h = rowHeight })
  setCtrlText(box, text)
end

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
  setCtrlFont(title, "TimesNewRomanItalic22")
  setCtrlAlign(title, align.Center + align.Middle)
  setCtrlColor(title, 0.3, 0.2, 0.1)
  setCtrlRect(title, { x = panel.x, y = panel.y + panel.h - 64, w = panel.w, h = 36 })
  setCtrlText(title, "[OptionsTitle]")

  local top = panel.y + panel.h - 120
  makeLabel(wnd, "lbSound", "[OptionsSound]", { x = panel.x + inset, y = top, w = 130, h = rowHeight })
  makeSlider(wnd, "slSound", top)
  makeLabel(wnd, "lbMusic", "[OptionsMusic]", { x = panel.x + inset, y = top - 50, w = 130, h = rowHeight })
  makeSlider(wnd, "slMusic", top - 50)
  makeCheckBox(wnd, "cbWindowed", "[OptionsFullScreen]", top - 110)
  makeCheckBox(wnd, "cbHints", "[OptionsHints]", top - 155)

  makeButton(wnd, "btBack", "[OptionsBack]", panel.x + (panel.w - 160) / 2)
end
