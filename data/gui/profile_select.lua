-- The "profile_select" window: the list of player profiles with its scroll bar on
-- the right, and the buttons to add, delete and choose a profile.

local panel = { x = 282, y = 164, w = 460, h = 440 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local editCell = { x = 0.625, y = 0.75, w = 0.25, h = 0.125 }
local editBorder = 8 / 256
local selectionCell = { x = 0.625, y = 0.65625, w = 0.25, h = 0.09375 }
local selectionBorder = 6 / 256
local verticalTrackCell = { x = 0.875, y = 0.75, w = 0.0625, h = 0.25 }
local thumbCell = { x = 0.375, y = 0.65625, w = 0.09375, h = 0.09375 }
local inset = 36
local rowHeight = 30
-- The names read dark on the well and on the yellow selection band alike; the list
-- takes its rows' colour with the selector 1 and the hover colour without it.
local nameColor = { 0.2, 0.14, 0.08 }
local hoverColor = { 0.5, 0.22, 0.05 }
local rowColorSelector = 1
local list = { x = panel.x + inset, y = panel.y + 100, w = panel.w - 2 * inset - 32, h = 240 }

local function makeButton(wnd, name, text, x, width)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, skin)
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, { x = x, y = panel.y + 32, w = width, h = 44 }, { x = 10, y = 10 })
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
  setCtrlText(title, "[ProfileSelectTitle]")

  -- The well behind the rows, drawn with the edit field's frame.
  local well = createFrameCtrl(wnd, "list_back")
  setCtrlTexture(well, skin)
  setCtrlUVFrame(well, editCell, { x = editBorder, y = editBorder })
  setCtrlFrame(well, { x = list.x - 6, y = list.y - 6, w = list.w + 12, h = list.h + 12 }, { x = 8, y = 8 })

  local profiles = createListSysCtrl(wnd, "lstProfile")
  setCtrlTexture(profiles, skin)
  setCtrlUVFrame(profiles, selectionCell, { x = selectionBorder, y = selectionBorder })
  setCtrlFont(profiles, "a_fontsystem14")
  setCtrlAlign(profiles, align.Left + align.Middle)
  setCtrlColor(profiles, nameColor[1], nameColor[2], nameColor[3], rowColorSelector)
  setCtrlColor(profiles, hoverColor[1], hoverColor[2], hoverColor[3])
  setCtrlRect(profiles, list)
  -- The frame's border is also the names' inset from the row's edge.
  setCtrlFrame(profiles, { x = 0, y = 0, w = list.w, h = rowHeight }, { x = 6, y = 6 })

  local scroll = createSliderSysCtrl(wnd, "slProfile")
  setSliderCtrlVertical(scroll, true)
  setCtrlTexture(scroll, skin)
  setCtrlUVFrame(scroll, verticalTrackCell, { x = 6 / 256, y = 6 / 256 })
  setCtrlUVRect(scroll, thumbCell)
  setCtrlFrame(scroll, { x = list.x + list.w + 12, y = list.y - 6, w = 20, h = list.h + 12 }, { x = 6, y = 6 })
  setCtrlRect(scroll, { x = 0, y = 0, w = 22, h = 22 })

  local width = (panel.w - 2 * inset - 24) / 3
  makeButton(wnd, "btAdd", "[ProfileAdd]", panel.x + inset, width)
  makeButton(wnd, "btDelete", "[ProfileDelete]", panel.x + inset + width + 12, width)
  makeButton(wnd, "btOk", "[ProfileChoose]", panel.x + inset + 2 * (width + 12), width)
end
