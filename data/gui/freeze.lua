-- The "freeze" window of the level editor: one row per draw layer with its "freeze"
-- and "hide" check boxes, buttons that clear or set a whole column, and "close".

local panel = { x = 322, y = 84, w = 380, h = 600 }
local skin = "gui_system"
local panelCell = { x = 0, y = 0, w = 0.5, h = 0.5 }
local panelBorder = 24 / 256
local buttonCell = { x = 0, y = 0.875, w = 0.375, h = 0.125 }
local buttonBorder = 10 / 256
local checkCell = { x = 0.375, y = 0.875, w = 0.125, h = 0.125 }
local layerCount = 10
local rowStep = 36
local inset = 32
local freezeX = panel.x + 150
local hideX = panel.x + 260
local brown = { 0.25, 0.18, 0.1 }

local function makeLabel(wnd, name, rect, text, alignment)
  local label = createLabelCtrl(wnd, name)
  setCtrlFont(label, "a_fontsystem14")
  setCtrlAlign(label, alignment)
  setCtrlColor(label, brown[1], brown[2], brown[3])
  setCtrlRect(label, rect)
  setCtrlText(label, text)
end

local function makeCheckBox(wnd, name, x, y)
  local box = createCheckBoxSysCtrl(wnd, name)
  setCtrlTexture(box, skin)
  setCtrlUVRect(box, checkCell)
  setCtrlFont(box, "a_fontsystem9")
  setCtrlRect(box, { x = x, y = y, w = 28, h = 28 })
end

local function makeButton(wnd, name, text, rect)
  local button = createButtonSysCtrl(wnd, name)
  setCtrlTexture(button, skin)
  setCtrlUVFrame(button, buttonCell, { x = buttonBorder, y = buttonBorder })
  setCtrlFrame(button, rect, { x = 10, y = 10 })
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

  local headY = panel.y + panel.h - 64
  makeLabel(wnd, "head_layer", { x = panel.x + inset, y = headY, w = 110, h = 28 }, "[EditorLayer]",
            align.Left + align.Middle)
  makeLabel(wnd, "head_freeze", { x = freezeX - 36, y = headY, w = 100, h = 28 }, "[EditorFreeze]",
            align.Center + align.Middle)
  makeLabel(wnd, "head_hide", { x = hideX - 36, y = headY, w = 100, h = 28 }, "[EditorHide]",
            align.Center + align.Middle)

  for layer = 0, layerCount - 1 do
    local y = headY - (layer + 1) * rowStep
    makeLabel(wnd, "layer" .. layer, { x = panel.x + inset, y = y, w = 110, h = 28 }, tostring(layer),
              align.Left + align.Middle)
    makeCheckBox(wnd, "freeze" .. layer, freezeX, y)
    makeCheckBox(wnd, "hide" .. layer, hideX, y)
  end

  -- Column buttons under the boxes: "-" clears, "+" sets every layer.
  local columnY = headY - (layerCount + 1) * rowStep - 6
  makeButton(wnd, "freeze-", "-", { x = freezeX - 30, y = columnY, w = 40, h = 32 })
  makeButton(wnd, "freeze+", "+", { x = freezeX + 18, y = columnY, w = 40, h = 32 })
  makeButton(wnd, "hide-", "-", { x = hideX - 30, y = columnY, w = 40, h = 32 })
  makeButton(wnd, "hide+", "+", { x = hideX + 18, y = columnY, w = 40, h = 32 })

  makeButton(wnd, "close", "[EditorClose]", { x = panel.x + (panel.w - 150) / 2, y = panel.y + 28, w = 150, h = 44 })
end
