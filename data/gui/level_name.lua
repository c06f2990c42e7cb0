-- The "name" window of the level editor: the level's name in one edit field; Enter
-- applies and Esc cancels.

local panel = { x = 312, y = 314, w = 400, h = 150 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local editCell = { x = 0.625, y = 0.75, w = 0.25, h = 0.125 }
local editBorder = 8 / 256
local inset = 32

function FillWindow(wnd)
  setWndModal(wnd, true)
  setWndActive(wnd, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, panelCell, { x = panelBorder, y = panelBorder })
  setCtrlFrame(frame, panel, { x = 24, y = 24 })

  local title = createLabelCtrl(wnd, "title")
  setCtrlFont(title, "a_fontsystem14")
  setCtrlAlign(title, align.Center + align.Middle)
  setCtrlColor(title, 0.3, 0.2, 0.1)
  setCtrlRect(title, { x = panel.x, y = panel.y + panel.h - 56, w = panel.w, h = 28 })
  setCtrlText(title, "[EditorLevelName]")

  local name = createEditSysCtrl(wnd, "name")
  setCtrlTexture(name, skin)
  setCtrlUVFrame(name, editCell, { x = editBorder, y = editBorder })
  setCtrlFrame(name, { x = panel.x + inset, y = panel.y + 32, w = panel.w - 2 * inset, h = 40 }, { x = 10, y = 8 })
  setCtrlFont(name, "a_fontsystem14")
  setCtrlColor(name, 0.1, 0.08, 0.05)
end
