-- The "messagebox" window: the game's modal question box. The application fills
-- "title", "text", "image" and "icon" and the two buttons before it opens the box;
-- "cancel" is hidden for one-button boxes, and "icon", which belongs to the title
-- row, while the title is empty. The texts are dark brown: the panel is cream.

local box = { x = 262, y = 259, w = 500, h = 250 }
-- gui_system cells (texture coordinates, y up) and their nine-slice borders
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local titleColor = { 0.3, 0.2, 0.1 }
local textColor = { 0.2, 0.14, 0.08 }

local function makeButton(wnd, name, x)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, "gui_system")
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, { x = x, y = box.y + 24, w = 120, h = 36 }, { x = 10, y = 10 })
  setCtrlFont(button, "a_fontsystem14")
  setCtrlAlign(button, align.Center + align.Middle)
  setCtrlText(button, "Ok")
end

function FillWindow(wnd)
  setWndModal(wnd, true)
  setWndActive(wnd, true)

  local frame = createFrameCtrl(wnd, "frame")
  setCtrlTexture(frame, "gui_system")
  setCtrlUVFrame(frame, panelCell, { x = panelBorder, y = panelBorder })
  setCtrlFrame(frame, box, { x = 24, y = 24 })

  local icon = createImageCtrl(wnd, "icon")
  setCtrlRect(icon, { x = box.x + 24, y = box.y + box.h - 56, w = 32, h = 32 })

  local title = createLabelCtrl(wnd, "title")
  setCtrlFont(title, "a_fontsystem14")
  setCtrlAlign(title, align.Center + align.Middle)
  setCtrlColor(title, titleColor[1], titleColor[2], titleColor[3])
  setCtrlRect(title, { x = box.x + 64, y = box.y + box.h - 56, w = box.w - 128, h = 32 })

  local image = createImageCtrl(wnd, "image")
  setCtrlRect(image, { x = box.x + 32, y = box.y + 90, w = 64, h = 64 })

  local text = createTextBoxSysCtrl(wnd, "text")
  setCtrlFont(text, "a_fontsystem14")
  setCtrlAlign(text, align.Left + align.Middle)
  setCtrlColor(text, textColor[1], textColor[2], textColor[3])
  setCtrlRect(text, { x = box.x + 120, y = box.y + 72, w = box.w - 150, h = 110 })

  makeButton(wnd, "ok", box.x + box.w / 2 - 130)
  makeButton(wnd, "cancel", box.x + box.w / 2 + 10)
end
