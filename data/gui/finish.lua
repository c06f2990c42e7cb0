-- The "finish" window: the results of a won level. "vars" holds the captions and
-- "vals" the counted values beside them, "score" the score line, "cup" the level's
-- cup; "close" leaves for the map.

local panel = { x = 262, y = 164, w = 500, h = 440 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local separatorCell = { x = 0.5, y = 0.28125, w = 0.5, h = 0.03125 }
local inset = 48
local brown = { 0.25, 0.18, 0.1 }

local function makeText(wnd, name, rect, font, alignment)
  local text = createTextBoxSysCtrl(wnd, name)
  setCtrlFont(text, font)
  setCtrlAlign(text, alignment)
  setCtrlColor(text, brown[1], brown[2], brown[3])
  setCtrlRect(text, rect)
  return text
end

function FillWindow(wnd)
  setWndModal(wnd, true)
  setWndActive(wnd, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, skin)
  setCtrlUVFrame(frame, panelCell, { x = panelBorder, y = panelBorder })
  setCtrlFrame(frame, panel, { x = 24, y = 24 })

  local title = makeText(wnd, "title", { x = panel.x, y = panel.y + panel.h - 70, w = panel.w, h = 40 },
                         "MonotypeCorsivaRegular36g", align.Center + align.Middle)
  setCtrlText(title, "[FinishTitle]")

  local cup = createCupCtrl(wnd, "cup")
  setCtrlRect(cup, { x = panel.x + panel.w - inset - 96, y = panel.y + 190, w = 96, h = 96 })

  makeText(wnd, "vars", { x = panel.x + inset, y = panel.y + 180, w = 200, h = 110 }, "a_fontsystem14",
           align.Left + align.Top)
  makeText(wnd, "vals", { x = panel.x + inset + 200, y = panel.y + 180, w = 90, h = 110 }, "a_fontsystem14",
           align.Right + align.Top)

  local line = createImageCtrl(wnd, "separator")
  setCtrlTexture(line, skin)
  setCtrlUVRect(line, separatorCell)
  setCtrlRect(line, { x = panel.x + inset, y = panel.y + 160, w = panel.w - 2 * inset, h = 8 })

  makeText(wnd, "score", { x = panel.x + inset, y = panel.y + 110, w = panel.w - 2 * inset, h = 40 },
           "TimesNewRomanItalic22", align.Center + align.Middle)

  local close = createButtonSysCtrl(wnd, "close")
  setCtrlTexture(close, skin)
  setCtrlUVFrame(close, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(close, { x = panel.x + (panel.w - 180) / 2, y = panel.y + 32, w = 180, h = 48 }, { x = 10, y = 10 })
  setCtrlFont(close, "a_fontsystem14")
  setCtrlAlign(close, align.Center + align.Middle)
  setCtrlText(close, "[FinishContinue]")
end
