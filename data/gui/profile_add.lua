-- The "profile_add" window: adds a further player profile from the profile list; "cancel"
-- goes back to the list.

local panel = { x = 292, y = 264, w = 440, h = 240 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local editCell = { x = 0.625, y = 0.75, w = 0.25, h = 0.125 }
local editBorder = 8 / 256
local inset = 40
local maxNameLength = 16

local function makeButton(wnd, name, text, x)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, skin)
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, { x = x, y = panel.y + 28, w = 150, h = 44 }, { x = 10, y = 10 })
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
  setCtrlText(title, "[ProfileAddTitle]")

  local prompt = createLabelCtrl(wnd, "prompt")
  setCtrlFont(prompt, "a_fontsystem14")
  setCtrlAlign(prompt, align.Left + align.Middle)
  setCtrlColor(prompt, 0.25, 0.18, 0.1)
  setCtrlRect(prompt, { x = panel.x + inset, y = panel.y + 132, w = panel.w - 2 * inset, h = 28 })
  setCtrlText(prompt, "[ProfileNamePrompt]")

  local name = createEditSysCtrl(wnd, "name")
  setCtrlTexture(name, skin)
  setCtrlUVFrame(name, editCell, { x = editBorder, y = editBorder })
  setCtrlFrame(name, { x = panel.x + inset, y = panel.y + 88, w = panel.w - 2 * inset, h = 40 }, { x = 10, y = 8 })
  setCtrlFont(name, "a_fontsystem14")
  setCtrlColor(name, 0.1, 0.08, 0.05)
  setEditCtrlMaxLength(name, maxNameLength)

  makeButton(wnd, "ok", "[ProfileOk]", panel.x + inset)
  makeButton(wnd, "cancel", "[ProfileCancel]", panel.x + panel.w - inset - 150)
end
