-- The "editor" window: the level editor's strip along the bottom of the screen.
-- "first" holds the editor's own commands (info, layers, save), "second" the object
-- palette that each screen fills with what it can place.

local skin = "gui_system"
local titleCell = { x = 0.5, y = 0.3125, w = 0.5, h = 0.1875 }
local titleBorder = 16 / 256
local margin = 6
local cell = 48
local firstWidth = 3 * cell

function FillWindow(wnd)
  setWndActive(wnd, true)

  local strip = createFrameCtrl(wnd, "strip")
  setCtrlTexture(strip, skin)
  setCtrlUVFrame(strip, titleCell, { x = titleBorder, y = titleBorder })
  setCtrlFrame(strip, { x = 0, y = 0, w = 1024, h = cell + 2 * margin }, { x = 12, y = 12 })
  ignoreCtrl(strip, true)

  local first = createEditorToolbarCtrl(wnd, "first")
  setCtrlRect(first, { x = margin, y = margin, w = firstWidth, h = cell })

  local second = createEditorToolbarCtrl(wnd, "second")
  setCtrlRect(second, { x = firstWidth + 3 * margin, y = margin, w = 1024 - firstWidth - 4 * margin, h = cell })
end
