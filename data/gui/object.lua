-- The "object" window of the level editor: the name, tag and data number of the
-- selected objects, each in its edit field. Tab steps between the fields, Enter
-- applies and Esc cancels.

local panel = { x = 282, y = 264, w = 460, h = 260 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local editCell = { x = 0.625, y = 0.75, w = 0.25, h = 0.125 }
local editBorder = 8 / 256
local inset = 36
local fieldX = panel.x + 130

local fields = {
  { "name", "[EditorObjectName]" },
  { "tag", "[EditorObjectTag]" },
  { "data", "[EditorObjectData]" },
}

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
  setCtrlText(title, "[EditorObjectTitle]")

  for i, entry in ipairs(fields) do
    local y = panel.y + panel.h - 64 - i * 52
    local label = createLabelCtrl(wnd, "lb_" .. entry[1])
    setCtrlFont(label, "a_fontsystem14")
    setCtrlAlign(label, align.Left + align.Middle)
    setCtrlColor(label, 0.25, 0.18, 0.1)
    setCtrlRect(label, { x = panel.x + inset, y = y, w = 90, h = 40 })
    setCtrlText(label, entry[2])

    local edit = createEditSysCtrl(wnd, entry[1])
    setCtrlTexture(edit, skin)
    setCtrlUVFrame(edit, editCell, { x = editBorder, y = editBorder })
    setCtrlFrame(edit, { x = fieldX, y = y, w = panel.x + panel.w - inset - fieldX, h = 40 }, { x = 10, y = 8 })
    setCtrlFont(edit, "a_fontsystem14")
    setCtrlColor(edit, 0.1, 0.08, 0.05)
  end
end
